// loop_options.h -- the games' options for the loop: the pace, the frame rate, the mouse rate.
#pragma once

#include <string>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"

struct LoopOptions {
    int pace = kDefaultPace;  // --pace N: steps a second, 0 for one a turn
    bool paceGiven = false;
    int fps = kDisplayFrameRate;  // --fps N: frames a second at most, 0 for no limit
    bool fpsGiven = false;
    int mouseRate = kDefaultMouseRate;  // --mouse-rate N: mouse messages a second at most, 0 for every report
    bool mouseRateGiven = false;
};

enum class OptionRead { NotOurs, Taken, Refused };

// Called by the demo session for each option of the command line, argv[i]:
// NotOurs for any but the loop's; Taken, its number read and `i` moved past
// it; Refused, with what to tell the player in `error`, for one given twice
// or a number that is not a whole one from 0 to its largest.
OptionRead ReadLoopOption(int argc, const char* const* argv, int& i, LoopOptions& options, std::string& error);

// The options in force from the next turn.
void UseLoopOptions(const LoopOptions& options);
