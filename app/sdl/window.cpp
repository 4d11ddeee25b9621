// window.cpp -- the game window with its GL context: made, and torn down again.
#include "app/sdl/window.h"

#include <cstdio>

#include "app/common/game_window.h"
#include "app/common/main_loop.h"
#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/sdl/message_box.h"
#include "app/sdl/x11_visual.h"
#include "game/view.h"

namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
int fullscreenDisplay = 0;

constexpr int kDepthBits = 16;

// The colour depth of the first call holds for the whole run, as on Windows.
bool formatChosen = false;

// Minimums: GLX gives at least this much colour, usually the display's own.
void RequestColourBits(int bits) {
    const int green = bits == 16 ? 6 : bits / 3;  // 16 bits are 5-6-5
    const int redBlue = bits == 16 ? 5 : bits / 3;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, redBlue);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, redBlue);
}

void RequestPixelFormat(int bits) {
    if (!formatChosen) {
        RequestColourBits(bits);
        PreferClosestDepthBuffer(kDepthBits);
        formatChosen = true;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBits);  // more only where that is all there is
}

// Only an exact width x height mode will do; a larger one would show the
// game in a corner or stretched, which the player did not ask for. The first
// display that offers one takes the fullscreen window; -1 when none does.
int DisplayWithMode(int width, int height) {
    const int displays = SDL_GetNumVideoDisplays();
    for (int display = 0; display < displays; ++display) {
        const int modes = SDL_GetNumDisplayModes(display);
        for (int i = 0; i < modes; ++i) {
            SDL_DisplayMode mode;
            if (SDL_GetDisplayMode(display, i, &mode) == 0 && mode.w == width && mode.h == height) {
                return display;
            }
        }
    }
    return -1;
}

// 1 when the game may go on: fullscreen, or windowed if the player agrees.
int EnterFullscreen(int width, int height) {
    fullscreenDisplay = DisplayWithMode(width, height);
    if (fullscreenDisplay >= 0) {
        return 1;
    }
    if (AskYesNo(text::kUseWindowedMode, text::kVexaGl)) {
        fullscreen = 0;
        return 1;
    }
    ShowBox(text::kWillClose, text::kError, BoxKind::kError);
    return 0;
}

SDL_Window* OpenWindow(const char* title, int width, int height) {
    if (fullscreen) {
        SDL_ShowCursor(SDL_DISABLE);
        const int where = SDL_WINDOWPOS_UNDEFINED_DISPLAY(fullscreenDisplay);
        return SDL_CreateWindow(title, where, where, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN);
    }
    return SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE);
}

// Whatever got built is released before the player is told.
int Fail(const char* what) {
    const char* detail = SDL_GetError();
    KillGLWindow();
    if (detail[0] != '\0') {
        std::fprintf(stderr, "(SDL: %s)\n", detail);
    }
    ShowBox(what, text::kError, BoxKind::kWarning);
    return 0;
}

}  // namespace

int CreateGLWindow(const char* title, int width, int height, int bits, unsigned char fullscreenflag) {
    SetClientCentre(width, height);
    fullscreen = fullscreenflag;
    if (fullscreen && !EnterFullscreen(width, height)) {
        return 0;
    }
    RequestPixelFormat(bits);
    SDL_ClearError();
    if (!(window = OpenWindow(title, width, height))) {
        return Fail(text::kWindowCreationError);
    }
    if (!(context = SDL_GL_CreateContext(window))) {
        return Fail(text::kNoRenderingContext);
    }
    if (SDL_GL_MakeCurrent(window, context) != 0) {
        return Fail(text::kCantActivateContext);
    }
    // No more frames than the display shows, where the driver can wait for
    // it; the loop's frame rate, the display's too, is the bound elsewhere.
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(window);
    SetDisplayRate(display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0);
    SDL_GL_SetSwapInterval(SwapsWaitForDisplay() ? 1 : 0);
    SDL_RaiseWindow(window);
    // InitGL's failure is none of SDL's: no earlier SDL error goes with its box.
    SDL_ClearError();
    return FinishGLWindow(width, height, Fail);
}

void KillGLWindow() {
    if (fullscreen) {
        SDL_ShowCursor(SDL_ENABLE);  // SDL puts the display mode back with the window
    }
    if (context) {
        if (SDL_GL_MakeCurrent(window, nullptr) != 0) {
            ShowBox(text::kReleaseDcAndRcFailed, text::kShutdownError, BoxKind::kInformation);
        }
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
}

SDL_Window* GameWindow() {
    return window;
}

Uint32 GameWindowId() {
    return window ? SDL_GetWindowID(window) : 0;
}
