// main.cpp -- the Linux entry point: the game in an SDL window.
#include <SDL.h>

#include <cstdio>

#include "app/demo/demo_session.h"
#include "app/sdl/display.h"
#include "app/sdl/loop.h"
#include "app/sdl/message_box.h"
#include "app/sdl/pads.h"
#include "app/sdl/x11_errors.h"

int main(int argc, char** argv) {
    if (!BeginSession(argc, argv, ShowError)) {
        return kRefusedExitCode;
    }
    if (!OpenDisplay()) {
        const char* display = SDL_getenv("DISPLAY");
        std::fprintf(stderr,
                     "maze: no display to open the game window on (DISPLAY=%s); "
                     "to play without a screen, run it under a virtual X server: xvfb-run -a %s\n",
                     display ? display : "", argv[0]);
        return 1;
    }
    KeepGoingPastVanishedWindows();
    SDL_StopTextInput();  // keys only; no text entry, no input method
    OpenPads();
    const int code = EndSession(RunGame(), ShowError);
    SDL_Quit();
    return code;
}
