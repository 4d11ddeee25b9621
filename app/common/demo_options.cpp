// demo_options.cpp -- reading --record, --playdemo and --timedemo.
#include "app/common/demo_options.h"

#include "app/common/texts.h"

namespace {

// The option's file name goes to `file`, which must still be empty.
bool TakeFile(int argc, const char* const* argv, int& i, std::string& file, std::string& error) {
    const std::string option = argv[i];
    if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        error = option + text::kOptionNeedsFile;
        return false;
    }
    if (!file.empty()) {
        error = text::kOneOption;
        return false;
    }
    file = argv[++i];
    return true;
}

}  // namespace

bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool timed = option == "--timedemo";
        if (option != "--record" && option != "--playdemo" && !timed) {
            error = std::string(text::kUnknownOption) + option + "\n" + text::kOptions;
            return false;
        }
        std::string& file = option == "--record" ? options.record : options.play;
        if (!TakeFile(argc, argv, i, file, error)) {
            return false;
        }
        options.timed = options.timed || timed;
    }
    if (!options.record.empty() && !options.play.empty()) {
        error = text::kOneOption;
        return false;
    }
    return true;
}
