// sys_win.cpp -- the platform services the game step asks of Windows.
#include "app/common/main_loop.h"
#include "app/common/shell_input.h"
#include "app/win32/pads.h"
#include "app/win32/window.h"
#include "game/platform.h"

bool SysKeyDown(int vk) {
    return ShellKeyState(vk, GetAsyncKeyState(vk) != 0 || PadHolds(vk));
}

void SysPause(int milliseconds) {
    if (ShellPause(milliseconds)) {
        Sleep(static_cast<DWORD>(milliseconds));
    }
}

// The game names a client point; the cursor lives in screen coordinates.
// Wine drops the pointer's reports older than the move, so the waiting ones
// are taken first; they still reach the game at their own steps. At pace 0
// they would reach this very step, so there they wait as they always did.
void SysPointerHome(int x, int y) {
    if (!hWnd || !ShellPointerHomeDue()) {
        return;
    }
    MSG msg;
    while (StepsKeepPace() && PeekMessageA(&msg, hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
    POINT point = {x, y};
    ClientToScreen(hWnd, &point);
    SetCursorPos(point.x, point.y);
}
