// events.cpp -- one small handler for each kind of event the game cares about.
#include "app/sdl/events.h"

#include <SDL_syswm.h>

#include <algorithm>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/extensions/XInput2.h>
#endif

#include "app/common/gl_setup.h"
#include "app/common/main_loop.h"
#include "app/common/message_clock.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"
#include "app/sdl/keymap.h"
#include "app/sdl/pads.h"
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

// SDL reads the pointer's moves through XInput 2 and tells of each only
// after the SDL event made of it, the X event readable only while it is told:
// a watch keeps the stamp of each, by its point, for the motion event to find.
struct PointerStamp {
    int x, y;
    Uint32 ms;
};
constexpr int kPointerStamps = 64;
PointerStamp pointerStamps[kPointerStamps];
int pointerStampCount = 0;

int WatchPointerStamps(void*, SDL_Event* event) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (event->type != SDL_SYSWMEVENT || event->syswm.msg->subsystem != SDL_SYSWM_X11) {
        return 0;
    }
    const XGenericEventCookie& cookie = event->syswm.msg->msg.x11.event.xcookie;
    if (cookie.type != GenericEvent || cookie.evtype != XI_Motion || cookie.data == nullptr) {
        return 0;
    }
    const auto* motion = static_cast<const XIDeviceEvent*>(cookie.data);
    if (pointerStampCount == kPointerStamps) {
        std::copy(pointerStamps + 1, pointerStamps + kPointerStamps, pointerStamps);
        --pointerStampCount;
    }
    pointerStamps[pointerStampCount++] = {static_cast<int>(motion->event_x), static_cast<int>(motion->event_y),
                                          static_cast<Uint32>(motion->time)};
#else
    (void)event;
#endif
    return 0;
}

// The stamp of the motion to (x, y), and of none before it, which SDL
// dropped (no motion) or never had: false when there is none.
bool TakePointerStamp(int x, int y, Uint32& ms) {
    for (int i = 0; i < pointerStampCount; ++i) {
        if (pointerStamps[i].x == x && pointerStamps[i].y == y) {
            ms = pointerStamps[i].ms;
            std::copy(pointerStamps + i + 1, pointerStamps + pointerStampCount, pointerStamps);
            pointerStampCount -= i + 1;
            return true;
        }
    }
    return false;
}

// When the event happened, on the loop's clock.
long long Moment(const SDL_Event& event) {
    const long long now = LoopNow();
    Uint32 ms = 0;
    if (xStampType == event.type) {
        xStampType = 0;
        return xClock.At(xStamp, now);
    }
    if (event.type == SDL_MOUSEMOTION && TakePointerStamp(event.motion.x, event.motion.y, ms)) {
        return xClock.At(ms, now);
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
        // SDL has sent the key-ups of the keys held already; the pads' keys
        // are let go by the rule alone.
        case SDL_WINDOWEVENT_FOCUS_LOST:
            ShellReleaseKeys();
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
    static const bool watching = (SDL_AddEventWatch(WatchPointerStamps, nullptr), true);
    (void)watching;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!HandleEvent(event)) {
            return false;
        }
    }
    return true;
}
