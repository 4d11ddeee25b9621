// shell_input.cpp -- the game's input and frames, as played, recorded or scripted.
#include "app/common/shell_input.h"

#include <chrono>
#include <string>

#include "app/common/demo_player.h"
#include "app/common/demo_recorder.h"
#include "app/common/shell_state.h"
#include "game/input.h"
#include "game/view.h"

namespace {

using Clock = std::chrono::steady_clock;

DemoRecorder* recorder = nullptr;
DemoPlayer* player = nullptr;
bool timedDemo = false;
bool stopRequested = false;
bool demoStarted = false;
Clock::time_point demoStart;
long steps = 0;
long framesDrawn = 0;
long pauses = 0;

// Every step is a frame of the recording: the key table it reads first.
bool BeforeRecordedStep() {
    recorder->BeforeFrame(keys);
    return true;
}

void AfterRecordedStep() {
    ++steps;
    recorder->Frame();
}

void AfterStep() {
    ++steps;
}

bool BeforeDemoStep() {
    return player->NextFrame();
}

// A turn of the game as it is played, with every step recorded. Where the
// loop fell too far behind, the recording says how many steps were dropped:
// the game went slower than its pace there.
IdleTurn PlayTurn() {
    const long long droppedBefore = StepsDropped();
    const IdleTurn turn =
        recorder != nullptr ? RunIdleTurn({BeforeRecordedStep, AfterRecordedStep}) : RunIdleTurn({nullptr, AfterStep});
    if (recorder != nullptr && StepsDropped() > droppedBefore) {
        recorder->Note(std::to_string(StepsDropped() - droppedBefore) + " steps dropped");
    }
    framesDrawn += turn.drawn ? 1 : 0;
    if (recorder != nullptr) {
        recorder->Tick();
    }
    return turn;
}

// The loop's rules with the demo for input: Escape and F1 in the key table
// are the demo's, and never end the game or toggle the display here.
IdleTurn DemoTurn() {
    if (!demoStarted) {
        demoStarted = true;
        demoStart = Clock::now();
    }
    if (stopRequested) {
        return IdleTurn{true, false, false, 0, false};
    }
    const long long now = LoopNow();
    if (!active) {
        LoopClock().Skip(now);
        return IdleTurn{false, true, false, 10, false};
    }
    const TurnSteps run = RunDueSteps(now, {BeforeDemoStep, AfterStep});
    if (run.exhausted) {
        return IdleTurn{true, false, false, 0, false};
    }
    if (run.ran == 0) {
        return IdleTurn{false, false, false, LoopClock().MillisecondsToNext(now), false};
    }
    framesDrawn += run.drawn ? 1 : 0;
    return IdleTurn{false, run.drawn, false, 0, run.drawn};
}

}  // namespace

void ShellKey(unsigned code, bool down) {
    if (player != nullptr) {
        stopRequested = stopRequested || (down && code == kVkEscape);
        return;
    }
    down ? KeyDown(code) : KeyUp(code);
    if (recorder != nullptr) {
        recorder->Key(code, down);
    }
}

void ShellMouse(unsigned x, unsigned y) {
    if (player != nullptr) {
        return;
    }
    MouseLook(x, y);
    if (recorder != nullptr) {
        recorder->Mouse(x, y);
    }
}

bool ShellKeyState(int vk, bool physical) {
    if (player != nullptr) {
        return player->KeyDown(vk);
    }
    if (recorder != nullptr) {
        recorder->Async(vk, physical);
    }
    return physical;
}

bool ShellPause(int milliseconds) {
    ++pauses;
    if (player != nullptr && timedDemo) {
        return false;
    }
    const long long now = LoopNow();
    LoopClock().Paused(now, static_cast<long long>(milliseconds) * 1000000);
    return true;
}

void ShellReleaseKeys() {
    if (player == nullptr) {
        ResetInput();
    }
}

IdleTurn ShellIdleTurn() {
    return player != nullptr ? DemoTurn() : PlayTurn();
}

long StepsRun() {
    return steps;
}

long FramesDrawn() {
    return framesDrawn;
}

long PausesCounted() {
    return pauses;
}

double DemoSeconds() {
    return demoStarted ? std::chrono::duration<double>(Clock::now() - demoStart).count() : 0.0;
}

void UseRecorder(DemoRecorder* r) {
    recorder = r;
}

void UseDemo(DemoPlayer* p, bool timed) {
    player = p;
    timedDemo = timed;
    if (timed) {
        SetPace(0);  // as fast as it can draw, whatever the pace
    }
}

void ResetShellInput() {
    recorder = nullptr;
    player = nullptr;
    timedDemo = stopRequested = demoStarted = false;
    steps = framesDrawn = pauses = 0;
    SetPace(kDefaultPace);
}
