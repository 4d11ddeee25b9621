// main.cpp -- the Linux entry point: the game in an SDL window.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "app/common/demo_session.h"
#include "app/common/texts.h"
#include "app/sdl/display.h"
#include "app/sdl/loop.h"
#include "app/sdl/message_box.h"

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
