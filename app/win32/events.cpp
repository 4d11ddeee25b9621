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
// A key released while another window has the focus sends its key-up there:
// the shells' one rule lets go of every key. The original game kept such a
// key pressed, and the player walked on after alt-tab.
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

// The last pointer report handed to the game, as the pointer's history has it.
MOUSEMOVEPOINT lastReport = {};

bool SameReport(const MOUSEMOVEPOINT& a, const MOUSEMOVEPOINT& b) {
    return a.x == b.x && a.y == b.y && a.time == b.time;
}

// Windows merges the reports that wait in the queue into one WM_MOUSEMOVE,
// the last; its history of the pointer still has each of them, newest first.
// Those since the last one handed over come back out, oldest first, each at
// its own moment and client point. Without a history, or before the first
// report, the message alone.
LRESULT OnMouseMove(HWND window, LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &point);
    MOUSEMOVEPOINT now = {};
    now.x = point.x & 0xFFFF;
    now.y = point.y & 0xFFFF;
    now.time = static_cast<DWORD>(GetMessageTime());
    MOUSEMOVEPOINT history[64];
    const int count = GetMouseMovePointsEx(sizeof(now), &now, history, 64, GMMP_USE_DISPLAY_POINTS);
    int merged = 0;
    while (lastReport.time != 0 && merged + 1 < count && !SameReport(history[merged + 1], lastReport) &&
           history[merged + 1].time != 0 && static_cast<int32_t>(history[merged + 1].time - lastReport.time) >= 0) {
        ++merged;
    }
    for (int i = merged; i > 0; --i) {
        POINT at = {history[i].x, history[i].y};
        ScreenToClient(window, &at);
        ShellMouseAt(static_cast<unsigned>(at.x) & 0xFFFFu, static_cast<unsigned>(at.y) & 0xFFFFu,
                     messageClock.At(history[i].time, LoopNow()));
    }
    lastReport = now;
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
            return OnMouseMove(window, lParam);
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
