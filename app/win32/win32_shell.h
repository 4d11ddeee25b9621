// win32_shell.h -- the Windows shell's own interface; the only way in to <windows.h>.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Handles of the one game window and its context; null while there is none.
extern HDC hDC;
extern HGLRC hRC;
extern HWND hWnd;
extern HINSTANCE hInstance;

// Kept for the life of the program: the colour depth is that of the first
// CreateGLWindow call, whatever later calls ask for.
extern PIXELFORMATDESCRIPTOR pfd;

// The window procedure of class "OpenGL": keys, active flag, resizes, mouse look.
LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// CreateGLWindow and KillGLWindow are declared in app/common/game_window.h.

// Creates the window, pumps messages and runs idle turns until the game ends.
// Returns the exit code: the quit message's, 0 otherwise or when a window
// could not be created.
int RunGame();

// Every message box of the shell goes through here, so tests can answer them.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern MessageBoxFunction ShellMessageBox;  // MessageBoxA unless replaced

// The display-mode change, replaceable for the same reason.
using DisplayChangeFunction = LONG(WINAPI*)(DEVMODEA* mode, DWORD flags);
extern DisplayChangeFunction ShellChangeDisplay;  // ChangeDisplaySettingsA unless replaced

// Shows a box with no owner and returns the button pressed.
int ShowBox(const char* text, const char* caption, UINT type);
