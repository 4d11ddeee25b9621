// main.cpp -- the Windows entry point.
#include <string>
#include <vector>

#include "app/demo/demo_session.h"
#include "app/win32/loop.h"
#include "app/win32/message_box.h"
#include "app/win32/wide_args.h"
#include "app/win32/win32_api.h"

// The arguments from the wide command line: the runtime's own __argv has a
// file name outside the ANSI code page as question marks.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::vector<std::string> arguments = WideArguments();
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    if (!BeginSession(static_cast<int>(argv.size()), argv.data(), ShowError)) {
        return kRefusedExitCode;
    }
    return EndSession(RunGame(), ShowError);
}
