// demo_options.cpp -- reading --record, --playdemo, --timedemo, --pace, --fps and --mouse-rate.
#include "app/demo/demo_options.h"

#include <algorithm>
#include <string>

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

// The options that take a whole number: its largest, and what to say of a bad one.
struct CountOption {
    const char* name;
    long largest;
    int DemoOptions::*value;
    bool DemoOptions::*given;
    const char* bad;
    const char* twice;
};

const CountOption kCountOptions[] = {
    {text::kPaceOption, StepClock::kMaxPace, &DemoOptions::pace, &DemoOptions::paceGiven, text::kBadPace,
     text::kPaceTwice},
    {text::kFpsOption, kMaxFrameRate, &DemoOptions::fps, &DemoOptions::fpsGiven, text::kBadFps, text::kFpsTwice},
    {text::kMouseRateOption, kMaxMouseRate, &DemoOptions::mouseRate, &DemoOptions::mouseRateGiven, text::kBadMouseRate,
     text::kMouseRateTwice},
};

// Digits only, and no more of them than the largest value has, leading zeros
// aside (007 is 7, 0100000 is 100000): no sign, no spaces, nothing that a
// number reader would quietly take or cut short.
bool TakeCount(const CountOption& o, int argc, const char* const* argv, int& i, DemoOptions& options,
               std::string& error) {
    if (options.*(o.given)) {
        error = o.twice;
        return false;
    }
    const std::string value = i + 1 < argc ? argv[++i] : "";
    const size_t first = std::min(value.find_first_not_of('0'), value.size());
    long count = 0;
    bool ok = !value.empty() && value.size() - first <= std::to_string(o.largest).size();
    for (size_t k = 0; k < value.size(); ++k) {
        ok = ok && value[k] >= '0' && value[k] <= '9';
        count = ok && k >= first ? count * 10 + (value[k] - '0') : count;
    }
    if (!ok || count > o.largest) {
        error = o.bad;
        return false;
    }
    options.*(o.value) = static_cast<int>(count);
    options.*(o.given) = true;
    return true;
}

const CountOption* FindCountOption(const std::string& option) {
    for (const CountOption& o : kCountOptions) {
        if (option == o.name) {
            return &o;
        }
    }
    return nullptr;
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
        if (const CountOption* countOption = FindCountOption(option)) {
            if (!TakeCount(*countOption, argc, argv, i, options, error)) {
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
