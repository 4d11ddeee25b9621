// winmain.cpp -- the Windows entry point.
#include "app/common/shell_state.h"
#include "app/win32/win32_shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Stored as 1, but the game always starts in a window.
    fullscreen = 0;
    return RunGame();
}
