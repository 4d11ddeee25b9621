// events.cpp -- one small handler for each kind of event the game cares about.
#include "app/sdl/events.h"

#include <SDL_syswm.h>

#include "app/common/gl_setup.h"
#include "app/common/main_loop.h"
#include "app/common/message_clock.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/sdl/keymap.h"
#include "app/sdl/window.h"

namespace {

// SDL stamps an event when it reads it from the display, which waits while a
// frame is drawn; X stamps it when it happened. The X event comes first, as
// a window manager event, and its stamp is kept for the SDL event made of it.
MessageClock xClock;
MessageClock sdlClock;
Uint32 xStamp = 0;
Uint32 xStampType = 0;  // the SDL event the stamped X event becomes; 0 for none

void OnWindowManagerEvent(const SDL_SysWMmsg& message) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (message.subsystem != SDL_SYSWM_X11) {
        return;
    }
    const XEvent& event = message.msg.x11.event;
    switch (event.type) {
        case KeyPress:
        case KeyRelease:
            xStamp = static_cast<Uint32>(event.xkey.time);
            xStampType = event.type == KeyPress ? SDL_KEYDOWN : SDL_KEYUP;
            break;
        case MotionNotify:
            xStamp = static_cast<Uint32>(event.xmotion.time);
            xStampType = SDL_MOUSEMOTION;
            break;
        default:
            break;
    }
#else
    (void)message;
#endif
}

// When the event happened, on the loop's clock.
long long Moment(const SDL_Event& event) {
    const long long now = LoopNow();
    if (xStampType == event.type) {
        xStampType = 0;
        return xClock.At(xStamp, now);
    }
    return sdlClock.At(event.common.timestamp, now);
}

// Events of a window torn down by the fullscreen toggle may still be queued.
bool ForGameWindow(Uint32 windowId) {
    return windowId == GameWindowId();
}

void OnKeyDown(const SDL_KeyboardEvent& key, long long at) {
    const int vk = VirtualKey(key.keysym.sym);
    if (vk != 0 && !IsSystemKey(key.keysym.sym, key.keysym.mod)) {
        ShellKeyAt(static_cast<unsigned>(vk), true, at);
    }
}

// Every release clears its entry, Alt or not: a key held across an Alt
// press must not keep the player walking once it is let go.
void OnKeyUp(const SDL_KeyboardEvent& key, long long at) {
    const int vk = VirtualKey(key.keysym.sym);
    if (vk != 0) {
        ShellKeyAt(static_cast<unsigned>(vk), false, at);
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
void OnMouseMotion(const SDL_MouseMotionEvent& motion, long long at) {
    if (ForGameWindow(motion.windowID)) {
        ShellMouseAt(static_cast<unsigned>(motion.x) & 0xFFFFu, static_cast<unsigned>(motion.y) & 0xFFFFu, at);
    }
}

}  // namespace

bool HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            OnKeyDown(event.key, Moment(event));
            return true;
        case SDL_KEYUP:
            OnKeyUp(event.key, Moment(event));
            return true;
        case SDL_WINDOWEVENT:
            return OnWindowEvent(event.window);
        case SDL_MOUSEMOTION:
            OnMouseMotion(event.motion, Moment(event));
            return true;
        case SDL_SYSWMEVENT:
            OnWindowManagerEvent(*event.syswm.msg);
            return true;
        case SDL_QUIT:
            return false;
        default:
            return true;
    }
}

bool PumpEvents() {
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!HandleEvent(event)) {
            return false;
        }
    }
    return true;
}
