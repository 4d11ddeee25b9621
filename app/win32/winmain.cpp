// winmain.cpp -- the Windows entry point.
#include <cstdlib>
#include <string>

#include "app/common/shell_state.h"
#include "app/common/texts.h"
#include "app/demo/demo_session.h"
#include "app/win32/win32_shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The runtime has split the command line already, quotes and all. A demo
    // that cannot be played or a recording that cannot be made is told
    // before anything opens.
    const std::string refused = StartDemoSession(__argc, __argv);
    if (!refused.empty()) {
        ShowBox(refused.c_str(), text::kError, MB_OK | MB_ICONERROR);
        return 2;
    }
    // Stored as 1, but the game always starts in a window.
    fullscreen = 0;
    std::string message;
    const int code = EndDemoSession(RunGame(), message);
    if (!message.empty()) {
        ShowBox(message.c_str(), text::kError, MB_OK | MB_ICONERROR);
    }
    return code;
}
