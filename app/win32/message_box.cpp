// message_box.cpp -- the one place the shell talks to the player in a box.
#include "app/win32/message_box.h"

#include "app/win32/wide_args.h"

MessageBoxFunction ShellMessageBox = Utf8MessageBox;

int WINAPI Utf8MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    return MessageBoxW(owner, WideText(text).c_str(), WideText(caption).c_str(), type);
}

int ShowBox(const char* text, const char* caption, UINT type) {
    return ShellMessageBox(nullptr, text, caption, type);
}
