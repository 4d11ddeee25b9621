// message_box.h -- the shell's boxes, answerable by tests.
#pragma once

#include "app/win32/win32_api.h"

// Every message box of the shell goes through here, so tests can answer them.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern MessageBoxFunction ShellMessageBox;  // MessageBoxA unless replaced

// Shows a box with no owner and returns the button pressed.
int ShowBox(const char* text, const char* caption, UINT type);
