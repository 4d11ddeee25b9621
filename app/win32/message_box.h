// message_box.h -- the shell's boxes, answerable by tests.
#pragma once

#include "app/win32/win32_api.h"

// Every message box of the shell goes through here, so tests can answer them.
// Text and caption are UTF-8, as every text of the game is.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern MessageBoxFunction ShellMessageBox;  // Utf8MessageBox unless replaced

// MessageBoxW with the texts made wide: a file name outside the ANSI code
// page shows as it is.
int WINAPI Utf8MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Shows a box with no owner and returns the button pressed.
int ShowBox(const char* text, const char* caption, UINT type);
