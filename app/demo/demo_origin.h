// demo_origin.h -- what made a recording, written at its top, and the hint when a demo made elsewhere fails.
#pragma once

#include <cstddef>
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

// A game step in a header is a whole number from 1 to 999999999, in at most
// this many digits; a version, at most this many bytes before its comma.
constexpr std::size_t kMaxGameStepDigits = 9;
constexpr std::size_t kMaxVersionBytes = 31;

// What the first line of `script` (a whole script, or its first line alone,
// as maze-sim reads it) says made it, where it is a header line naming the
// program and its game step; otherwise no game step. A comment further down
// names nothing: a header is what a recording starts with. A game step
// beyond the range names none either. The version is kept as a message
// shows a line (ShownLine): no escape byte of it reaches a terminal.
DemoOrigin ReadOrigin(const std::string& script);

// Told after an `expect` that did not hold: where `origin` names a game step
// other than this game's, a line saying so (a hint, not a cause for
// refusal); otherwise empty.
std::string OriginHint(const DemoOrigin& origin);
