// main_loop.h -- what one idle turn of the main loop does, for every shell.
#pragma once

#include "app/common/step_clock.h"

struct IdleTurn {
    bool done;              // leave the loop
    bool swap;              // present the frame: a step was drawn
    bool toggleFullscreen;  // F1 was down: recreate the window in the other mode
    int waitMs;             // nothing was due: wait this long for a message first
    bool drawn;             // a step was drawn, shown or not (not when the game ends)
};

// Steps a second when no option says otherwise: the pace the game's amounts
// per step were made for (a cell walked in 0.75 s, the door up in 2.35 s).
constexpr int kDefaultPace = 1000;

// The loop's clock, on the machine's steady time. SetPace starts it anew at
// the next turn that runs steps; 0 is one step per turn, as fast as the loop
// spins.
void SetPace(int stepsPerSecond);
int Pace();
StepClock& LoopClock();
long long LoopNow();

// Seconds since the clock's first step, on the same time: 0 before it.
double SecondsRunning();

// Steps the catch-up bound has dropped since then (StepClock::Dropped).
long long StepsDropped();

// What a turn does around each step it runs: `before` readies the step's
// input and may say no step is left (a demo at its end); `after` counts it.
struct StepHooks {
    bool (*before)();
    void (*after)();
};

struct TurnSteps {
    long ran;        // steps run this turn
    bool drawn;      // the last of them was drawn
    bool exhausted;  // `before` had no step left
    bool failed;     // the drawn step returned 0
};

// Runs the steps the clock has due at `now`: every one but the last without
// drawing, unless it will pause (space held), which ends the turn's steps.
TurnSteps RunDueSteps(long long now, StepHooks hooks);

// Called by ShellIdleTurn, for each shell's loop, whenever no message is
// pending and no demo plays: runs the steps due while active (the last one
// drawn), then reads Escape and F1 (clearing F1's entry). A turn that found
// no step due decides nothing and asks the shell to wait. Minimised, the
// steps due are dropped and the keys are read as after a frame.
IdleTurn RunIdleTurn(StepHooks hooks = {nullptr, nullptr});
