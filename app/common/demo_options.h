// demo_options.h -- the games' command line: a recording, or a demo to watch or to time.
#pragma once

#include <string>

struct DemoOptions {
    std::string record;  // --record FILE
    std::string play;    // --playdemo FILE or --timedemo FILE
    bool timed = false;  // it was --timedemo
};

// Called by StartDemoSession with the program's arguments (argv[0] is the
// program). None gives the plain game. False, with what to tell the player
// in `error`, for an unknown option, one without its file name, one given
// twice, or more than one of them.
bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error);
