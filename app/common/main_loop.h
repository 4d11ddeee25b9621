// main_loop.h -- what one idle turn of the main loop does, for every shell.
#pragma once

#include "app/common/step_clock.h"

struct IdleTurn {
    bool done = false;              // leave the loop
    bool swap = false;              // present the frame: a step was drawn
    bool toggleFullscreen = false;  // F1 was down: recreate the window in the other mode
    int waitMs = 0;                 // nothing was due: wait this long for a message first
    bool drawn = false;             // a step was drawn, shown or not (not when the game ends)
};

// Turns are built by name, so that a field added or moved cannot shift the
// others' meaning at a caller.
inline IdleTurn EndingTurn() {
    IdleTurn turn;
    turn.done = true;
    return turn;
}

inline IdleTurn WaitingTurn(int waitMs) {
    IdleTurn turn;
    turn.waitMs = waitMs;
    return turn;
}

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

// True while messages wait for their steps: the clock runs, at a pace.
bool StepsKeepPace();

// Frames drawn a second, at most, while the steps keep a pace (the last step
// due when a frame is due is drawn, the others are not); 0 draws the last
// step of every turn, as fast as the machine can. Until the player chooses,
// it is the display's refresh rate, or 60 where the shell cannot tell.
constexpr int kDisplayFrameRate = -1;
constexpr int kUnknownDisplayFrameRate = 60;
constexpr int kMaxFrameRate = 1000;
void SetFrameRate(int perSecond);
int FrameRate();

// Called by a shell that knows its display's refresh rate (0: it does not).
void SetDisplayRate(int hertz);

// Asked by a shell making its GL context, once it has told the display's
// rate: whether its swaps are to wait for the display (vsync). Not at pace
// 0, a timed demo's too, nor at --fps 0: those draw as fast as the machine
// can; nor at a frame rate below the display's, which the loop keeps.
bool SwapsWaitForDisplay();

// Seconds since the clock's first step, on the same time: 0 before it.
double SecondsRunning();

// Steps the catch-up bound has dropped since then (StepClock::Dropped).
long long StepsDropped();

// What a turn does around each step it runs: `before` readies the step's
// input and may say no step is left (a demo at its end), which ends the game;
// `after` follows it (a recording counts the step). Where `sessionKeys`, the
// key table is a demo's: Escape and F1 in it neither end the game nor toggle
// the display, and the turn reads no keys of the player's.
struct StepHooks {
    bool (*before)();
    void (*after)();
    bool sessionKeys = false;
};

struct TurnSteps {
    long ran;        // steps run this turn
    bool drawn;      // the last of them was drawn
    bool exhausted;  // `before` had no step left
};

// Runs the steps the clock has due at `now`, each after the messages that
// happened by its moment: every one without drawing but the last, when a
// frame is due, and one that will pause (space held), which ends the turn's
// steps.
TurnSteps RunDueSteps(long long now, StepHooks hooks);

// The game's own turn, for each shell's loop through ShellIdleTurn: runs the
// steps due while active (the last one drawn), then reads Escape and F1
// (clearing F1's entry); an Escape pressed and let go since the turn before
// ends the game too. A turn that found no step due decides nothing and asks
// the shell to wait. Minimised, the steps due are dropped, every message
// waiting reaches the game, and the keys are read as after a drawn step.
IdleTurn RunIdleTurn(StepHooks hooks = {nullptr, nullptr});

// Called by each shell's loop whenever no message is pending: the turn a
// demo session has put in place (a recording's, a demo's), or RunIdleTurn.
// A turn with nothing due asks the shell to wait (`waitMs`).
IdleTurn ShellIdleTurn();

// Set by the demo session before the window opens; null for the game's own.
void UseTurn(IdleTurn (*turn)());

// What the loop has run so far: the steps (the state line's `frame=`), and
// the turns whose last step was drawn, shown or not.
long StepsRun();
long FramesDrawn();

// Called by a turn that runs no steps (minimised): the steps due are
// dropped, the messages waiting reach the game.
void SkipSteps(long long now);

// True while the step running is drawn.
bool DrawingStep();

// The game's own turn at the default pace and frame rate, nothing counted.
void ResetLoop();
