// events.cpp -- one small handler for each kind of event the game cares about.
#include "app/sdl/events.h"

#include "app/common/gl_setup.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/sdl/keymap.h"
#include "app/sdl/pads.h"
#include "app/sdl/window.h"

namespace {

// Events of a window torn down by the fullscreen toggle may still be queued.
bool ForGameWindow(Uint32 windowId) {
    return windowId == GameWindowId();
}

void OnKeyDown(const SDL_KeyboardEvent& key) {
    const int vk = VirtualKey(key.keysym.sym);
    if (vk != 0 && !IsSystemKey(key.keysym.sym, key.keysym.mod)) {
        ShellKey(static_cast<unsigned>(vk), true);
    }
}

// Every release clears its entry, Alt or not: a key held across an Alt
// press must not keep the player walking once it is let go.
void OnKeyUp(const SDL_KeyboardEvent& key) {
    const int vk = VirtualKey(key.keysym.sym);
    if (vk != 0) {
        ShellKey(static_cast<unsigned>(vk), false);
    }
}

bool OnWindowEvent(const SDL_WindowEvent& window) {
    if (!ForGameWindow(window.windowID)) {
        return true;
    }
    switch (window.event) {
        case SDL_WINDOWEVENT_MINIMIZED:
            active = 0;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            active = 1;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            ReSizeGLScene(window.data1, window.data2);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            return false;
        default:
            break;
    }
    return true;
}

// Client coordinates travel as 16-bit words, as in a Windows mouse message.
void OnMouseMotion(const SDL_MouseMotionEvent& motion) {
    if (ForGameWindow(motion.windowID)) {
        ShellMouse(static_cast<unsigned>(motion.x) & 0xFFFFu, static_cast<unsigned>(motion.y) & 0xFFFFu);
    }
}

}  // namespace

bool HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            OnKeyDown(event.key);
            return true;
        case SDL_KEYUP:
            OnKeyUp(event.key);
            return true;
        case SDL_WINDOWEVENT:
            return OnWindowEvent(event.window);
        case SDL_MOUSEMOTION:
            OnMouseMotion(event.motion);
            return true;
        case SDL_CONTROLLERDEVICEADDED:
            OnPadAdded(event.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            OnPadRemoved(event.cdevice.which);
            return true;
        case SDL_QUIT:
            return false;
        default:
            return true;
    }
}

bool PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!HandleEvent(event)) {
            return false;
        }
    }
    return true;
}
