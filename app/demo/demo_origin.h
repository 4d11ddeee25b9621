// demo_origin.h -- what made a recording, written at its top, and the hint when a demo made elsewhere fails.
#pragma once

#include <ctime>
#include <string>
#include <vector>

// Raised whenever a change to the game step makes older recordings play
// differently: a recording's `expect` holds only in a game of its own step.
constexpr int kGameStep = 1;

// What a script's first comments say made it; a game step of 0 where none says.
struct DemoOrigin {
    std::string version;
    int gameStep = 0;
};

// The comments a recording starts with, for the recorder's Note: this
// program and its version with the game step, the build (windows, linux,
// web) and `now` in UTC.
std::vector<std::string> OriginNotes(std::time_t now);

// Called with each comment line of a script as it is read: the line that
// names the program and its game step fills `origin`; any other leaves it.
void ReadOriginLine(const std::string& line, DemoOrigin& origin);

// The same over a whole script, for the games, which read it all at once.
DemoOrigin ReadOrigin(const std::string& script);

// Told after an `expect` that did not hold: where `origin` names a game step
// other than this game's, a line saying so (a hint, not a cause for
// refusal); otherwise empty.
std::string OriginHint(const DemoOrigin& origin);
