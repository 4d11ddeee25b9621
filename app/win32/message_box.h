// message_box.h -- the shell's boxes, answerable by tests.
#pragma once

#include "app/common/box_kind.h"
#include "app/win32/win32_api.h"

// Every message box of the shell goes through here, so tests can answer them.
// Text and caption are UTF-8, as every text of the game is.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern MessageBoxFunction ShellMessageBox;  // Utf8MessageBox unless replaced

// MessageBoxW with the texts made wide: a file name outside the ANSI code
// page shows as it is.
int WINAPI Utf8MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// A box with no owner and an OK button; returns once it is dismissed.
void ShowBox(const char* text, const char* caption, BoxKind kind);

// The box the session refuses its options in.
void ShowError(const char* text, const char* caption);

// A Yes/No question with no owner. True only for Yes.
bool AskYesNo(const char* text, const char* caption);
