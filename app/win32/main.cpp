// main.cpp -- the Windows entry point.
#include "app/demo/entry_point.h"
#include "app/win32/loop.h"
#include "app/win32/message_box.h"
#include "app/win32/win32_api.h"

namespace {

void ShowError(const char* text, const char* caption) {
    ShowBox(text, caption, MB_OK | MB_ICONERROR);
}

}  // namespace

// The runtime has split the command line already, quotes and all.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!BeginSession(__argc, __argv, ShowError)) {
        return kRefusedExitCode;
    }
    return EndSession(RunGame(), ShowError);
}
