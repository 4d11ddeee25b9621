// step_clock.cpp -- due steps, the catch-up bound and pauses, on integer nanoseconds.
#include "app/common/step_clock.h"

#include <algorithm>

void StepClock::Start(int stepsPerSecond, long long now) {
    pace_ = std::clamp(stepsPerSecond, 0, kMaxPace);
    notBefore_ = now;
    pausePending_ = ranThisTurn_ = false;
    dropped_ = 0;
    Restart(now);
}

// Computed from the start of the run, never by adding periods, so that no
// rounding piles up however long the game runs.
long long StepClock::DueTime(long long step) const {
    return start_ + step * kSecond / pace_;
}

void StepClock::Restart(long long at) {
    start_ = at;
    step_ = 0;
}

long StepClock::Bound() const {
    return std::max(1, pace_ / 4);
}

void StepClock::BeginTurn(long long now) {
    ranThisTurn_ = false;
    if (pace_ == 0) {
        return;
    }
    const long bound = Bound();
    const long behind = now >= notBefore_ ? Behind(now) : 0;
    if (behind > bound) {
        // Beyond a second the count is not kept exactly; the time is.
        const double late = static_cast<double>(now - DueTime(step_)) * pace_ / kSecond;
        dropped_ += behind <= pace_ ? behind - bound : static_cast<long long>(late) + 1 - bound;
        Restart(now - (bound - 1) * kSecond / pace_);
    }
    // Keeps the products of DueTime small: a second's steps are a second.
    if (step_ >= pace_) {
        start_ += kSecond * (step_ / pace_);
        step_ %= pace_;
    }
}

long StepClock::Behind(long long now) const {
    if (now < DueTime(step_)) {
        return 0;
    }
    // A whole second behind is far past any bound: no need to count.
    if (now - DueTime(step_) > kSecond) {
        return pace_ + 1L;
    }
    // Step n is due when start_ + floor(n * kSecond / pace_) <= now, that is
    // when n * kSecond < (now - start_ + 1) * pace_.
    const long long last = ((now - start_ + 1) * pace_ - 1) / kSecond;
    return static_cast<long>(last - step_ + 1);
}

long StepClock::Due(long long now) const {
    if (now < notBefore_) {
        return 0;
    }
    if (pace_ == 0) {
        return ranThisTurn_ ? 0 : 1;
    }
    return std::min(Behind(now), Bound());
}

long long StepClock::NextDueTime() const {
    return pace_ == 0 ? notBefore_ : std::max(notBefore_, DueTime(step_));
}

void StepClock::StepRan() {
    ranThisTurn_ = true;
    ++step_;
    if (pausePending_) {
        pausePending_ = false;
        if (pace_ > 0 && DueTime(step_) < notBefore_) {
            Restart(notBefore_);
        }
    }
}

void StepClock::Paused(long long now, long long nanoseconds) {
    notBefore_ = std::max(notBefore_, now + nanoseconds);
    pausePending_ = true;
}

void StepClock::Skip(long long now) {
    ranThisTurn_ = false;
    if (pace_ > 0) {
        Restart(std::max(now, notBefore_));
    }
}

int StepClock::MillisecondsToNext(long long now) const {
    const long long next = NextDueTime();
    if (next <= now) {
        return 0;
    }
    const long long ms = (next - now + 999999) / 1000000;
    return static_cast<int>(std::min(ms, 1000LL));
}
