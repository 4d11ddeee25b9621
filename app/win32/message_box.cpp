// message_box.cpp -- the one place the shell talks to the player in a box.
#include "app/win32/message_box.h"

MessageBoxFunction ShellMessageBox = MessageBoxA;

int ShowBox(const char* text, const char* caption, UINT type) {
    return ShellMessageBox(nullptr, text, caption, type);
}
