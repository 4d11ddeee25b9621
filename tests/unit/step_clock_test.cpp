// step_clock_test.cpp -- due steps, the catch-up bound and pauses, on a made-up time.
#include "app/common/step_clock.h"
#include "fixture.h"

namespace {

// What a loop with a turn every `turnMs` runs in `seconds`, each turn
// running all that is due, the last turn at the end.
long StepsInTurns(StepClock& clock, long long start, int turnMs, int seconds) {
    const long long end = start + seconds * StepClock::kSecond;
    long ran = 0;
    for (long long t = start; t < end + turnMs * kMs; t += turnMs * kMs) {
        const long long now = t < end ? t : end;
        clock.BeginTurn(now);
        for (long due = clock.Due(now); due > 0; --due) {
            clock.StepRan();
            ++ran;
        }
        EXPECT_EQ(clock.Due(now), 0);
    }
    return ran;
}

// The pace holds whatever the frame rate, with no rounding piling up: at 7
// steps a second (an interval no whole number of nanoseconds), ten minutes
// are 4,201 steps, counting the one due at the start.
TEST(StepClockTest, KeepsItsPaceAtAnyTurnRate) {
    for (int turnMs : {1, 16, 33, 97}) {
        StepClock clock;
        clock.Start(1000, 5 * kMs);
        EXPECT_EQ(StepsInTurns(clock, 5 * kMs, turnMs, 10), 10001) << turnMs << " ms a turn";
    }
    StepClock slow;
    slow.Start(7, 0);
    EXPECT_EQ(StepsInTurns(slow, 0, 50, 600), 4201);
}

TEST(StepClockTest, DueStepsAndTheWaitForTheNext) {
    StepClock clock;
    clock.Start(1000, 0);
    EXPECT_EQ(clock.Due(0), 1);
    clock.StepRan();
    EXPECT_EQ(clock.Due(kMs - 1), 0);
    EXPECT_EQ(clock.MillisecondsToNext(kMs / 2), 1);
    EXPECT_EQ(clock.Due(kMs), 1);
    EXPECT_EQ(clock.Due(10 * kMs), 10);
    EXPECT_EQ(clock.MillisecondsToNext(10 * kMs), 0);
}

// A slow frame of 150 ms is made up whole; after a stall a turn runs a
// quarter of a second's worth and drops the rest; the next turn is back on time.
TEST(StepClockTest, CatchesUpAtMostAQuarterOfASecond) {
    for (long long stall : {150 * kMs, 300 * kMs, 2 * StepClock::kSecond, 3600 * StepClock::kSecond}) {
        StepClock clock;
        clock.Start(1000, 0);
        clock.BeginTurn(stall);
        const long due = stall < 250 * kMs ? stall / kMs + 1 : 250;
        EXPECT_EQ(clock.Due(stall), due);
        EXPECT_NEAR(clock.Dropped(), stall / kMs + 1 - due, 1);
        for (long i = 0; i < due; ++i) {
            clock.StepRan();
        }
        EXPECT_EQ(clock.Due(stall), 0);
        EXPECT_EQ(clock.Due(stall + kMs), 1);
    }
    StepClock slow;
    slow.Start(5, 0);
    slow.BeginTurn(10 * StepClock::kSecond);
    EXPECT_EQ(slow.Due(10 * StepClock::kSecond), 1);  // never less than one
}

// A step that pauses 100 ms: nothing is due until the pause ends, then the
// run goes on from there with no burst for the time the pause took.
TEST(StepClockTest, APauseHoldsTheClockBackWithoutABurstAfter) {
    StepClock clock;
    clock.Start(1000, 0);
    clock.BeginTurn(20 * kMs);
    EXPECT_EQ(clock.Due(20 * kMs), 21);  // a backlog that the pause drops
    clock.Paused(20 * kMs, 100 * kMs);
    clock.StepRan();
    EXPECT_EQ(clock.Due(20 * kMs), 0);
    EXPECT_EQ(clock.Due(119 * kMs), 0);
    EXPECT_EQ(clock.MillisecondsToNext(20 * kMs), 100);
    EXPECT_EQ(clock.Due(120 * kMs), 1);
    EXPECT_EQ(clock.Due(125 * kMs), 6);
}

// The first pacing: one step a turn however long the turns take, a pause
// still honoured.
TEST(StepClockTest, PaceZeroIsOneStepATurn) {
    StepClock clock;
    clock.Start(0, 0);
    for (long long now : {0LL, 1LL, 5 * StepClock::kSecond}) {
        clock.BeginTurn(now);
        EXPECT_EQ(clock.Due(now), 1);
        clock.StepRan();
        EXPECT_EQ(clock.Due(now), 0);
        EXPECT_EQ(clock.MillisecondsToNext(now), 0);
    }
    const long long t = 5 * StepClock::kSecond;
    clock.BeginTurn(t + 1);
    clock.Paused(t + 1, 100 * kMs);
    clock.StepRan();
    clock.BeginTurn(t + 50 * kMs);
    EXPECT_EQ(clock.Due(t + 50 * kMs), 0);
    clock.BeginTurn(t + 101 * kMs);
    EXPECT_EQ(clock.Due(t + 101 * kMs), 1);
}

// Minimised, the steps due are dropped: coming back runs no burst.
TEST(StepClockTest, SkippedTurnsAreNotMadeUp) {
    StepClock clock;
    clock.Start(1000, 0);
    clock.Skip(5 * StepClock::kSecond);
    clock.BeginTurn(5 * StepClock::kSecond + 3 * kMs);
    EXPECT_EQ(clock.Due(5 * StepClock::kSecond + 3 * kMs), 4);
}

}  // namespace
