// sys_win.cpp -- the platform services the game step asks of Windows.
#include "app/common/shell_input.h"
#include "app/win32/window.h"
#include "game/platform.h"

bool SysKeyDown(int vk) {
    return ShellKeyState(vk, GetAsyncKeyState(vk) != 0);
}

void SysPause(int milliseconds) {
    if (ShellPause(milliseconds)) {
        Sleep(static_cast<DWORD>(milliseconds));
    }
}

// The game names a client point; the cursor lives in screen coordinates.
void SysPointerHome(int x, int y) {
    if (!hWnd || !ShellPointerHomeDue()) {
        return;
    }
    POINT point = {x, y};
    ClientToScreen(hWnd, &point);
    SetCursorPos(point.x, point.y);
}
