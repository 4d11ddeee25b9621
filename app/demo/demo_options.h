// demo_options.h -- the games' command line: a recording, or a demo to watch or to time, and the pace.
#pragma once

#include <string>

#include "app/common/main_loop.h"

struct DemoOptions {
    std::string record;       // --record FILE
    std::string play;         // --playdemo FILE or --timedemo FILE
    bool timed = false;       // it was --timedemo
    int pace = kDefaultPace;  // --pace N: steps a second, 0 for one a frame
    bool paceGiven = false;
};

// Called by StartDemoSession with the program's arguments (argv[0] is the
// program). None gives the plain game. False, with what to tell the player
// in `error`, for an unknown option, one without its file name, one given
// twice, more than one of the demo options, or a pace that is not a whole
// number from 0 to StepClock::kMaxPace.
bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error);
