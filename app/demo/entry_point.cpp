// entry_point.cpp -- the demo session's start and end, with the boxes every shell shows for them.
#include "app/demo/entry_point.h"

#include <string>

#include "app/common/texts.h"
#include "app/demo/demo_session.h"

bool BeginSession(int argc, const char* const* argv, ShowErrorBox showError) {
    const std::string refused = StartDemoSession(argc, argv);
    if (refused.empty()) {
        return true;
    }
    showError(refused.c_str(), text::kError);
    return false;
}

int EndSession(int exitCode, ShowErrorBox showError) {
    std::string message;
    const int code = EndDemoSession(exitCode, message);
    if (!message.empty()) {
        showError(message.c_str(), text::kError);
    }
    return code;
}
