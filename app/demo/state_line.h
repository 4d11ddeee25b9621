// state_line.h -- the game's program-wide variables as one line of text, and two such lines compared.
#pragma once

#include <string>

// Prints "frame=N name=value ... pauses=N", N the steps run so far.
std::string StateLine(long frame, long pauses);

// Sets a variable of the state line (not frame or pauses) from text.
// Returns false for an unknown name or a value that does not parse.
bool SetStateVariable(const std::string& name, const std::string& value);

// Whether SetStateVariable would take this name and value; changes nothing.
// A demo is checked whole by it before the game starts.
bool IsStateVariable(const std::string& name, const std::string& value);

// Called by maze-sim and the demo player for each `expect`. Empty when the
// two lines say the same; otherwise three lines for the player, each ended
// by a newline: "NAME is X, expected Y" for the first field that differs,
// then both lines in full.
std::string CompareStateLines(const std::string& expected, const std::string& actual);
