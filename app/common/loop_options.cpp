// loop_options.cpp -- the loop's options read from the command line, each a whole number within its range.
#include "app/common/loop_options.h"

#include <algorithm>

#include "app/common/named.h"
#include "app/common/texts.h"

namespace {

// Each option: its largest, and what to say of a bad one.
struct CountOption {
    const char* name;
    long largest;
    int LoopOptions::*value;
    bool LoopOptions::*given;
    const char* bad;
    const char* twice;
};

const CountOption kCountOptions[] = {
    {text::kPaceOption, StepClock::kMaxPace, &LoopOptions::pace, &LoopOptions::paceGiven, text::kBadPace,
     text::kPaceTwice},
    {text::kFpsOption, kMaxFrameRate, &LoopOptions::fps, &LoopOptions::fpsGiven, text::kBadFps, text::kFpsTwice},
    {text::kMouseRateOption, kMaxMouseRate, &LoopOptions::mouseRate, &LoopOptions::mouseRateGiven, text::kBadMouseRate,
     text::kMouseRateTwice},
};

// Digits only, and no more of them than the largest value has, leading zeros
// aside (007 is 7, 0100000 is 100000): no sign, no spaces, nothing that a
// number reader would quietly take or cut short.
bool TakeCount(const CountOption& o, int argc, const char* const* argv, int& i, LoopOptions& options,
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

}  // namespace

OptionRead ReadLoopOption(int argc, const char* const* argv, int& i, LoopOptions& options, std::string& error) {
    const CountOption* option = Named(kCountOptions, argv[i]);
    if (option == nullptr) {
        return OptionRead::NotOurs;
    }
    return TakeCount(*option, argc, argv, i, options, error) ? OptionRead::Taken : OptionRead::Refused;
}

void UseLoopOptions(const LoopOptions& options) {
    SetPace(options.pace);
    SetFrameRate(options.fps);
    SetMouseRate(options.mouseRate);
}
