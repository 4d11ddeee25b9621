// x11_errors.cpp -- X errors that need not end the game.
#include "app/sdl/x11_errors.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <cstring>

namespace {

XErrorHandler before = nullptr;
bool installed = false;

int PassVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->request_code == X_SendEvent && error->error_code == BadWindow) {
        return 0;
    }
    return before != nullptr ? before(display, error) : 0;
}

}  // namespace

void PassVanishedWindowErrors() {
    if (!installed) {
        before = XSetErrorHandler(PassVanishedWindows);
        installed = true;
    }
}

void KeepGoingPastVanishedWindows() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) {
        PassVanishedWindowErrors();
    }
}
