// message_box.cpp -- the one place the shell talks to the player in a box.
#include "app/win32/message_box.h"

#include "app/win32/wide_args.h"

MessageBoxFunction ShellMessageBox = Utf8MessageBox;

int WINAPI Utf8MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    return MessageBoxW(owner, WideText(text).c_str(), WideText(caption).c_str(), type);
}

namespace {

UINT Icon(BoxKind kind) {
    switch (kind) {
        case BoxKind::kError:
            return MB_ICONERROR;
        case BoxKind::kWarning:
            return MB_ICONEXCLAMATION;
        case BoxKind::kInformation:
            break;
    }
    return MB_ICONINFORMATION;
}

}  // namespace

void ShowBox(const char* text, const char* caption, BoxKind kind) {
    ShellMessageBox(nullptr, text, caption, MB_OK | Icon(kind));
}

void ShowError(const char* text, const char* caption) {
    ShowBox(text, caption, BoxKind::kError);
}

bool AskYesNo(const char* text, const char* caption) {
    return ShellMessageBox(nullptr, text, caption, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}
