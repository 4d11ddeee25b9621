// demo_options.cpp -- reading --record, --playdemo, --timedemo and --pace.
#include "app/demo/demo_options.h"

#include <algorithm>

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

// Digits only, and no more of them than the largest pace has, leading zeros
// aside (007 is 7, 0100000 is 100000): no sign, no spaces, nothing that a
// number reader would quietly take or cut short.
bool TakePace(int argc, const char* const* argv, int& i, DemoOptions& options, std::string& error) {
    if (options.paceGiven) {
        error = text::kPaceTwice;
        return false;
    }
    const std::string value = i + 1 < argc ? argv[++i] : "";
    const size_t first = std::min(value.find_first_not_of('0'), value.size());
    long pace = 0;
    bool ok = !value.empty() && value.size() - first <= 6;
    for (size_t k = 0; k < value.size(); ++k) {
        ok = ok && value[k] >= '0' && value[k] <= '9';
        pace = ok && k >= first ? pace * 10 + (value[k] - '0') : pace;
    }
    if (!ok || pace > StepClock::kMaxPace) {
        error = text::kBadPace;
        return false;
    }
    options.pace = static_cast<int>(pace);
    options.paceGiven = true;
    return true;
}

// The options that name a file: the recording's, or the demo's, watched or timed.
struct FileOption {
    const char* name;
    std::string DemoOptions::*file;
    bool timed;
};

const FileOption kFileOptions[] = {
    {text::kRecordOption, &DemoOptions::record, false},
    {text::kPlayDemoOption, &DemoOptions::play, false},
    {text::kTimeDemoOption, &DemoOptions::play, true},
};

const FileOption* FindFileOption(const std::string& option) {
    for (const FileOption& o : kFileOptions) {
        if (option == o.name) {
            return &o;
        }
    }
    return nullptr;
}

}  // namespace

bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == text::kPaceOption) {
            if (!TakePace(argc, argv, i, options, error)) {
                return false;
            }
            continue;
        }
        const FileOption* fileOption = FindFileOption(option);
        if (fileOption == nullptr) {
            error = std::string(text::kUnknownOption) + option + "\n" + text::kOptions;
            return false;
        }
        if (!TakeFile(argc, argv, i, options.*(fileOption->file), error)) {
            return false;
        }
        options.timed = options.timed || fileOption->timed;
    }
    if (!options.record.empty() && !options.play.empty()) {
        error = text::kOneOption;
        return false;
    }
    return true;
}
