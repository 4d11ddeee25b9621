// main_loop.cpp -- the idle-turn rules shared by every shell, on the step clock.
#include "app/common/main_loop.h"

#include <chrono>

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

// Escape and F1 as the original loop reads them after a frame, F1 whether or
// not the loop is ending.
IdleTurn ReadShellKeys(bool drawn, bool failed) {
    IdleTurn turn{false, false, false, 0, false};
    if (failed || keys[kVkEscape]) {
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

long long StepsDropped() {
    return clockRunning ? loopClock.Dropped() : 0;
}

TurnSteps RunDueSteps(long long now, StepHooks hooks) {
    TurnSteps steps{0, false, false, false};
    // The first step is due at the first turn, once the window is up: the
    // time it took to make is not to be caught up.
    if (!clockRunning) {
        loopClock.Start(pace, now);
        clockRunning = true;
        firstStepAt = now;
    }
    loopClock.BeginTurn(now);
    while (loopClock.Due(now) > 0) {
        if (hooks.before != nullptr && !hooks.before()) {
            steps.exhausted = true;
            break;
        }
        // Asked after `before`, which sets a demo's physical keys for the step.
        steps.drawn = loopClock.Due(now) == 1 || DiagnosticsDue();
        if (steps.drawn) {
            steps.failed = DrawGLScene() == 0;
        } else {
            StepWithoutDrawing();
        }
        loopClock.StepRan();
        ++steps.ran;
        ++stepsRun;
        if (hooks.after != nullptr) {
            hooks.after();
        }
    }
    framesDrawn += steps.drawn ? 1 : 0;
    return steps;
}

IdleTurn RunIdleTurn(StepHooks hooks) {
    const long long now = LoopNow();
    if (!active) {
        loopClock.Skip(now);
        // The buffers are still swapped, as the original loop does.
        IdleTurn turn = ReadShellKeys(true, false);
        turn.waitMs = kInactiveWaitMs;
        return turn;
    }
    const TurnSteps steps = RunDueSteps(now, hooks);
    if (steps.ran == 0) {
        return IdleTurn{false, false, false, loopClock.MillisecondsToNext(now), false};
    }
    IdleTurn turn = ReadShellKeys(steps.drawn, steps.failed);
    turn.drawn = steps.drawn;
    return turn;
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
}
