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

// How long a minimised game sleeps between its looks at the messages: it
// runs nothing, yet still sees Escape within a moment.
constexpr int kInactiveWaitMs = 10;

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
// input and may say no step is left (a demo at its end); `after` follows it
// (a recording's frame).
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

// The game's own turn, for each shell's loop through ShellIdleTurn: runs the
// steps due while active (the last one drawn), then reads Escape and F1
// (clearing F1's entry). A turn that found no step due decides nothing and
// asks the shell to wait. Minimised, the steps due are dropped and the keys
// are read as after a frame.
IdleTurn RunIdleTurn(StepHooks hooks = {nullptr, nullptr});

// Called by each shell's loop whenever no message is pending: the turn a
// demo session has put in place (a recording's, a demo's), or RunIdleTurn.
// A turn with nothing due asks the shell to wait (`waitMs`).
IdleTurn ShellIdleTurn();

// Set by the demo session before the window opens; null for the game's own.
void UseTurn(IdleTurn (*turn)());

// What the loop has run so far: the steps (the frame of the state line), and
// the turns whose last step was drawn, shown or not.
long StepsRun();
long FramesDrawn();

// The game's own turn at the default pace, nothing counted.
void ResetLoop();
