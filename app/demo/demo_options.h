// demo_options.h -- the games' command line: a recording, or a demo to watch or to time, the pace and the rates.
#pragma once

#include <string>

#include "app/common/main_loop.h"
#include "app/common/shell_input.h"

struct DemoOptions {
    std::string record;       // --record FILE
    std::string play;         // --playdemo FILE or --timedemo FILE
    bool timed = false;       // it was --timedemo
    int pace = kDefaultPace;  // --pace N: steps a second, 0 for one a turn
    bool paceGiven = false;
    int fps = kDisplayFrameRate;  // --fps N: frames a second at most, 0 for no limit
    bool fpsGiven = false;
    int mouseRate = kDefaultMouseRate;  // --mouse-rate N: mouse messages a second at most, 0 for every report
    bool mouseRateGiven = false;
};

// Called by StartDemoSession with the program's arguments (argv[0] is the
// program). None gives the plain game. False, with what to tell the player
// in `error`, for an unknown option, one without its file name, one given
// twice, more than one of the demo options, or a pace, frame rate or mouse
// rate that is not a whole number from 0 to its largest.
bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error);
