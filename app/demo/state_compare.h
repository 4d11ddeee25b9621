// state_compare.h -- an expected state line held against the game's own.
#pragma once

#include <string>

// Called by maze-sim and the demo player for each `expect`. Empty when the
// two lines say the same; otherwise three lines for the player, each ended
// by a newline: "NAME is X, expected Y" for the first field that differs,
// then both lines in full.
std::string CompareStateLines(const std::string& expected, const std::string& actual);
