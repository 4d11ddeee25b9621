// events.cpp -- window messages turned into the game's keys, flags, projection and mouse look.
#include "app/win32/events.h"

#include "app/common/gl_setup.h"
#include "app/common/main_loop.h"
#include "app/common/message_clock.h"
#include "app/common/shell_input.h"
#include "app/common/shell_state.h"

namespace {

MessageClock messageClock;

// When the message being handled happened, on the loop's clock: the system
// stamps each message as it is posted, however long it then waits.
long long Moment() {
    return messageClock.At(static_cast<uint32_t>(GetMessageTime()), LoopNow());
}

// Minimised counts as inactive; losing the focus to another window does not.
// A key released while another window has the focus sends its key-up there, so
// the table forgets every key on losing activation, as SDL does. The original
// game kept such a key pressed, and the player walked on after alt-tab.
LRESULT OnActivate(WPARAM wParam) {
    active = HIWORD(wParam) == 0;
    if (LOWORD(wParam) == WA_INACTIVE) {
        ShellReleaseKeys();
    }
    return 0;
}

// The screen saver and monitor power-down would interrupt play.
LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // The low four bits are the system's own.
    const WPARAM command = wParam & 0xFFF0;
    if (command == SC_SCREENSAVE || command == SC_MONITORPOWER) {
        return 0;
    }
    return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
}

// The main loop ends on the quit message; the window goes with KillGLWindow.
LRESULT OnClose() {
    PostQuitMessage(0);
    return 0;
}

// A key message's code is already a virtual-key code, the very number the
// game's key table is indexed by: unlike the SDL and web shells, this one
// needs no keymap.cpp.
LRESULT OnKey(WPARAM code, bool down) {
    ShellKeyAt(static_cast<unsigned>(code), down, Moment());
    return 0;
}

// A key let go while Alt is down arrives as a system key-up: its entry is
// cleared all the same, or the player would walk on with 'W' released. The
// message still goes on to the default procedure, which owns Alt.
LRESULT OnSysKeyUp(HWND window, WPARAM wParam, LPARAM lParam) {
    ShellKeyAt(static_cast<unsigned>(wParam), false, Moment());
    return DefWindowProcA(window, WM_SYSKEYUP, wParam, lParam);
}

LRESULT OnSize(LPARAM lParam) {
    ReSizeGLScene(LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT OnMouseMove(LPARAM lParam) {
    ShellMouseAt(LOWORD(lParam), HIWORD(lParam), Moment());
    return 0;
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            return OnActivate(wParam);
        case WM_SYSCOMMAND:
            return OnSysCommand(window, wParam, lParam);
        case WM_CLOSE:
            return OnClose();
        case WM_KEYDOWN:
            return OnKey(wParam, true);
        case WM_KEYUP:
            return OnKey(wParam, false);
        case WM_SYSKEYUP:
            return OnSysKeyUp(window, wParam, lParam);
        case WM_SIZE:
            return OnSize(lParam);
        case WM_MOUSEMOVE:
            return OnMouseMove(lParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
