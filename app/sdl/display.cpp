// display.cpp -- choosing the video driver: one with a screen, or none at all.
#include "app/sdl/display.h"

#include <SDL.h>

#include <cstring>

namespace {

bool Named(const char* driver, const char* name) {
    return std::strcmp(driver, name) == 0;
}

// Drivers that never show anything, and Wayland when no compositor is named
// (trying it only adds its own complaint to the one line the player gets).
bool Skipped(const char* driver) {
    if (Named(driver, "wayland")) {
        return SDL_getenv("WAYLAND_DISPLAY") == nullptr;
    }
    return Named(driver, "offscreen") || Named(driver, "dummy") || Named(driver, "evdev");
}

}  // namespace

bool OpenDisplay() {
    if (SDL_getenv("SDL_VIDEODRIVER") != nullptr) {
        return SDL_Init(SDL_INIT_VIDEO) == 0;
    }
    const int drivers = SDL_GetNumVideoDrivers();
    for (int i = 0; i < drivers; ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (Skipped(driver)) {
            continue;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        if (SDL_Init(SDL_INIT_VIDEO) == 0) {
            return true;
        }
    }
    return false;
}
