// main.cpp -- the Linux entry point and main loop: the game in an SDL window.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/demo/demo_session.h"
#include "app/sdl/display.h"
#include "app/sdl/events.h"
#include "app/sdl/message_box.h"
#include "app/sdl/window.h"

namespace {

// No step due yet, or minimised: waiting for the next event instead of
// spinning keeps the machine cool and still sees a key within a moment.
void Wait(const IdleTurn& turn) {
    if (turn.waitMs > 0) {
        SDL_WaitEventTimeout(nullptr, turn.waitMs);
    }
}

// 0 however it ends: closed, Escape, or a window that could not be made
// (the player has been told why).
int RunGame() {
    fullscreen = 0;
    if (!CreateGameWindow()) {
        return 0;
    }
    for (;;) {
        if (!PumpEvents()) {
            break;
        }
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
    KillGLWindow();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // A demo that cannot be played or a recording that cannot be made is
    // told before anything opens.
    const std::string refused = StartDemoSession(argc, argv);
    if (!refused.empty()) {
        ShowBox(refused.c_str(), text::kError, SDL_MESSAGEBOX_ERROR);
        return 2;
    }
    if (!OpenDisplay()) {
        const char* display = SDL_getenv("DISPLAY");
        std::fprintf(stderr,
                     "maze: no display to open the game window on (DISPLAY=%s); "
                     "to play without a screen, run it under a virtual X server: xvfb-run -a %s\n",
                     display ? display : "", argv[0]);
        return 1;
    }
    SDL_StopTextInput();  // keys only; no text entry, no input method
    std::string message;
    const int code = EndDemoSession(RunGame(), message);
    if (!message.empty()) {
        ShowBox(message.c_str(), text::kError, SDL_MESSAGEBOX_ERROR);
    }
    SDL_Quit();
    return code;
}
