// loop.cpp -- the event pump, with the game's due steps on every idle turn.
#include "app/sdl/loop.h"

#include <SDL.h>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/sdl/events.h"
#include "app/sdl/pads.h"
#include "app/sdl/window.h"

namespace {

// No step due yet, or minimised: waiting for the next event instead of
// spinning keeps the machine cool and still sees a key within a moment.
void Wait(const IdleTurn& turn) {
    if (turn.waitMs > 0) {
        SDL_WaitEventTimeout(nullptr, turn.waitMs);
    }
}

}  // namespace

int RunGame() {
    fullscreen = 0;
    if (!CreateGameWindow()) {
        return 0;
    }
    for (;;) {
        if (!PumpEvents()) {
            break;
        }
        ReadPads();
        const IdleTurn turn = ShellIdleTurn();
        if (turn.swap) {
            SDL_GL_SwapWindow(GameWindow());
        }
        if (turn.toggleFullscreen && !ToggleFullscreen()) {
            return 0;
        }
        if (turn.done) {
            break;
        }
        Wait(turn);
    }
    ClosePads();
    KillGLWindow();
    return 0;
}
