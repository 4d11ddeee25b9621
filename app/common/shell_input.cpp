// shell_input.cpp -- the shells' input on its way to the game, past a recording or a demo.
#include "app/common/shell_input.h"

#include "app/common/main_loop.h"
#include "game/input.h"
#include "game/view.h"

namespace {

InputRoute* route = nullptr;
long pauses = 0;

}  // namespace

void ShellKey(unsigned code, bool down) {
    if (route != nullptr && !route->PassKey(code, down)) {
        return;
    }
    down ? KeyDown(code) : KeyUp(code);
}

void ShellMouse(unsigned x, unsigned y) {
    if (route != nullptr && !route->PassMouse(x, y)) {
        return;
    }
    MouseLook(x, y);
}

bool ShellKeyState(int vk, bool physical) {
    return route != nullptr ? route->KeyState(vk, physical) : physical;
}

bool ShellPause(int milliseconds) {
    ++pauses;
    if (route != nullptr && !route->WaitPauses()) {
        return false;
    }
    LoopClock().Paused(LoopNow(), static_cast<long long>(milliseconds) * 1000000);
    return true;
}

void ShellReleaseKeys() {
    if (route == nullptr || route->ReleaseKeys()) {
        ResetInput();
    }
}

long PausesCounted() {
    return pauses;
}

void UseInputRoute(InputRoute* r) {
    route = r;
}

void ResetShellInput() {
    route = nullptr;
    pauses = 0;
}
