// window.h -- the Windows game window's handles, for the parts of the shell that need them.
#pragma once

#include "app/win32/win32_api.h"

// CreateGLWindow and KillGLWindow are declared in app/common/game_window.h.

// Handles of the one game window and its context; null while there is none.
extern HDC hDC;
extern HGLRC hRC;
extern HWND hWnd;
extern HINSTANCE hInstance;

// Kept for the life of the program: the colour depth is that of the first
// CreateGLWindow call, whatever later calls ask for.
extern PIXELFORMATDESCRIPTOR pfd;

// The display-mode change, replaceable so that tests can play a display
// without the mode, or with it.
using DisplayChangeFunction = LONG(WINAPI*)(DEVMODEA* mode, DWORD flags);
extern DisplayChangeFunction ShellChangeDisplay;  // ChangeDisplaySettingsA unless replaced
