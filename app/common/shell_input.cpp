// shell_input.cpp -- the game's input and frames, as played, recorded or scripted.
#include "app/common/shell_input.h"

#include <chrono>

#include "app/common/demo_player.h"
#include "app/common/demo_recorder.h"
#include "app/common/shell_state.h"
#include "game/frame.h"
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
long frames = 0;
long pauses = 0;

// A turn of the game as it is played, with every frame recorded.
IdleTurn PlayTurn() {
    const bool drawing = active != 0;
    if (recorder != nullptr && drawing) {
        recorder->BeforeFrame(keys);
    }
    const IdleTurn turn = RunIdleTurn();
    frames += drawing ? 1 : 0;
    if (recorder != nullptr) {
        drawing ? recorder->Frame() : recorder->Tick();
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
        return IdleTurn{true, false, false};
    }
    if (active && !player->NextFrame()) {
        return IdleTurn{true, false, false};
    }
    if (active) {
        DrawGLScene();
        ++frames;
    }
    return IdleTurn{false, true, false};
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

bool ShellPause() {
    ++pauses;
    return !(player != nullptr && timedDemo);
}

void ShellReleaseKeys() {
    if (player == nullptr) {
        ResetInput();
    }
}

IdleTurn ShellIdleTurn() {
    return player != nullptr ? DemoTurn() : PlayTurn();
}

long FramesDrawn() {
    return frames;
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
}

void ResetShellInput() {
    recorder = nullptr;
    player = nullptr;
    timedDemo = stopRequested = demoStarted = false;
    frames = pauses = 0;
}
