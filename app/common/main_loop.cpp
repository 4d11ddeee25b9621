// main_loop.cpp -- the idle-turn rules shared by every shell, on the step clock.
#include "app/common/main_loop.h"

#include <chrono>

#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "game/diagnostics.h"
#include "game/frame.h"
#include "game/input.h"

namespace {

StepClock loopClock;
int pace = kDefaultPace;
bool clockRunning = false;
long long firstStepAt = 0;
IdleTurn (*sessionTurn)() = nullptr;
long stepsRun = 0;
long framesDrawn = 0;
int frameRate = kDisplayFrameRate;
int displayRate = 0;
long long nextFrameAt = 0;
bool drawing = false;

// Escape and F1 as the original loop reads them after a step, F1 whether or
// not the loop is ending.
IdleTurn ReadShellKeys(bool drawn) {
    IdleTurn turn;
    // Read even when the turn is done for F1, so that it never ends a later game.
    const bool escaped = TakeEscapePressed();
    if (keys[kVkEscape] || escaped) {
        turn.done = true;
    } else {
        turn.swap = drawn;
    }
    if (keys[kVkF1]) {
        keys[kVkF1] = 0;
        turn.toggleFullscreen = true;
    }
    return turn;
}

// The keys after a turn's steps, by the loop's rules or, where they are a
// demo's, by none: the buffers are swapped as a step was drawn.
IdleTurn ReadTurnKeys(bool drawn, const StepHooks& hooks) {
    if (!hooks.sessionKeys) {
        return ReadShellKeys(drawn);
    }
    IdleTurn turn;
    turn.swap = drawn;
    return turn;
}

long long FrameInterval() {
    const int rate = frameRate != kDisplayFrameRate ? frameRate
                     : displayRate > 0              ? displayRate
                                                    : kUnknownDisplayFrameRate;
    return rate > 0 ? StepClock::kSecond / rate : 0;
}

// A frame falls due every interval from the first; a turn a little early is
// let draw it (a display that paces the swaps keeps its own beat), and one
// that fell a whole interval behind starts the beat again.
bool FrameDue(long long now) {
    const long long interval = FrameInterval();
    return pace == 0 || interval == 0 || now >= nextFrameAt - interval / 8;
}

void FrameDrawn(long long now) {
    const long long interval = FrameInterval();
    nextFrameAt = now - nextFrameAt >= interval ? now + interval : nextFrameAt + interval;
}

}  // namespace

void SetPace(int stepsPerSecond) {
    pace = stepsPerSecond;
    clockRunning = false;
}

int Pace() {
    return pace;
}

StepClock& LoopClock() {
    return loopClock;
}

long long LoopNow() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

double SecondsRunning() {
    return clockRunning ? static_cast<double>(LoopNow() - firstStepAt) / StepClock::kSecond : 0.0;
}

bool StepsKeepPace() {
    return clockRunning && pace > 0;
}

void SetFrameRate(int perSecond) {
    frameRate = perSecond;
}

int FrameRate() {
    return frameRate;
}

void SetDisplayRate(int hertz) {
    displayRate = hertz;
}

// A rate of the player's below the display's is kept by the loop alone: a
// swap that waits for the display would only hold the loop's steps back.
bool SwapsWaitForDisplay() {
    if (pace == 0 || frameRate == 0) {
        return false;
    }
    return frameRate == kDisplayFrameRate || (displayRate > 0 && frameRate >= displayRate);
}

bool DrawingStep() {
    return drawing;
}

long long StepsDropped() {
    return clockRunning ? loopClock.Dropped() : 0;
}

TurnSteps RunDueSteps(long long now, StepHooks hooks) {
    TurnSteps steps{0, false, false};
    // The first step is due at the first turn, once the window is up: the
    // time it took to make is not to be caught up.
    if (!clockRunning) {
        loopClock.Start(pace, now);
        clockRunning = true;
        firstStepAt = nextFrameAt = now;
    }
    loopClock.BeginTurn(now);
    const bool frameDue = FrameDue(now);
    const auto next = [&] {
        if (loopClock.Due(now) <= 0) {
            return false;
        }
        ApplyMessagesDue(loopClock.NextDueTime());
        steps.exhausted = hooks.before != nullptr && !hooks.before();
        return !steps.exhausted;
    };
    // Asked after `before`, which sets a demo's physical keys for the step.
    const auto drawn = [&] {
        drawing = steps.drawn = (frameDue && loopClock.Due(now) == 1) || DiagnosticsDue();
        return drawing;
    };
    const auto after = [&] {
        drawing = false;
        loopClock.StepRan();
        ++stepsRun;
        if (hooks.after != nullptr) {
            hooks.after();
        }
    };
    steps.ran = RunSteps(next, drawn, after);
    if (steps.drawn) {
        ++framesDrawn;
        FrameDrawn(now);
    }
    return steps;
}

IdleTurn RunIdleTurn(StepHooks hooks) {
    const long long now = LoopNow();
    if (!active) {
        SkipSteps(now);
        // The buffers are still swapped, as the original loop does.
        IdleTurn turn = ReadTurnKeys(true, hooks);
        turn.waitMs = kInactiveWaitMs;
        return turn;
    }
    const TurnSteps steps = RunDueSteps(now, hooks);
    if (steps.exhausted) {
        return EndingTurn();
    }
    if (steps.ran == 0) {
        return WaitingTurn(loopClock.MillisecondsToNext(now));
    }
    IdleTurn turn = ReadTurnKeys(steps.drawn, hooks);
    turn.drawn = steps.drawn;
    return turn;
}

void SkipSteps(long long now) {
    loopClock.Skip(now);
    ApplyMessagesDue(now);
}

IdleTurn ShellIdleTurn() {
    return sessionTurn != nullptr ? sessionTurn() : RunIdleTurn();
}

void UseTurn(IdleTurn (*turn)()) {
    sessionTurn = turn;
}

long StepsRun() {
    return stepsRun;
}

long FramesDrawn() {
    return framesDrawn;
}

void ResetLoop() {
    sessionTurn = nullptr;
    stepsRun = framesDrawn = 0;
    SetPace(kDefaultPace);
    frameRate = kDisplayFrameRate;
    displayRate = 0;
}
