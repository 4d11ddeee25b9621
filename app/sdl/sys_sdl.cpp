// sys_sdl.cpp -- the platform services of game/platform.h, on SDL.
#include <SDL.h>

#include "app/common/shell_input.h"
#include "app/sdl/keymap.h"
#include "app/sdl/pads.h"
#include "app/sdl/window.h"
#include "game/platform.h"

namespace {

// Read from SDL's keyboard state, which the loop brings up to date before every turn;
// a pad's shoulder is a Shift key held too (SysKeyDown).
bool PhysicallyDown(int vk) {
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode) {
        if (state[scancode] && VirtualKey(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode))) == vk) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool SysKeyDown(int vk) {
    return ShellKeyState(vk, PhysicallyDown(vk) || PadHolds(vk));
}

void SysPause(int milliseconds) {
    if (ShellPause(milliseconds)) {
        SDL_Delay(static_cast<Uint32>(milliseconds));
    }
}

// Like SetCursorPos, the warp comes back as a motion event; at this point it
// reads as no movement.
void SysPointerHome(int x, int y) {
    SDL_Window* window = GameWindow();
    if (window != nullptr && ShellPointerHomeDue()) {
        SDL_WarpMouseInWindow(window, x, y);
    }
}
