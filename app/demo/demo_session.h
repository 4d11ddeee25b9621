// demo_session.h -- the start and end of every game: its options, the demo or the recording, the boxes, the reset.
#pragma once

#include <string>

#include "app/common/loop_options.h"

// The shell's error box: `text` under `caption`, as the shell shows an error.
using ShowErrorBox = void (*)(const char* text, const char* caption);

// The exit code of a game refused before anything opened, or of one whose
// results could not be written; and of a demo whose `expect` did not hold.
constexpr int kRefusedExitCode = 2;
constexpr int kExpectFailedExitCode = 1;

struct DemoOptions {
    std::string record;  // --record FILE
    std::string play;    // --playdemo FILE or --timedemo FILE
    bool timed = false;  // it was --timedemo
    LoopOptions loop;    // --pace N, --fps N, --mouse-rate N
};

// Called by BeginSession with the program's arguments (argv[0] is the
// program). None gives the plain game. False, with what to tell the player
// in `error`, for an unknown option, one without its file name, one given
// twice, more than one of the demo options, or a pace, frame rate or mouse
// rate that is not a whole number from 0 to its largest.
bool ParseDemoOptions(int argc, const char* const* argv, DemoOptions& options, std::string& error);

// Called first by each entry point, with its arguments, before the window
// opens. Reads the options; for a demo, reads and checks its whole script;
// for a recording, checks that its file can be written, leaving it as it is,
// and takes the file the recording is written to until the end, locked
// against another game. True when the game may start; otherwise false, the
// refusal shown with `showError`, and the entry point ends with
// kRefusedExitCode, nothing opened.
bool BeginSession(int argc, const char* const* argv, ShowErrorBox showError);

// The pace the options asked for (--pace N), kept for the page's next game.
int SessionPace();

// Called once the game has ended, however it ended, with the exit code it
// would return. Closes a recording with its `expect` line. For a demo, prints
// the last state line, and a timed one's timing line, on standard output and
// an `expect` that did not hold on standard error, then writes the state line
// to "demo-result.txt" and appends the timing line to "timedemo.txt". Returns
// the exit code to end with: a demo's 0, or 1 where an `expect` did not hold;
// kRefusedExitCode, what could not be written (naming the folder) shown with
// `showError`, when a file could not be written; otherwise `exitCode`.
int EndSession(int exitCode, ShowErrorBox showError);

// The player's input and the game's own turns at the default pace, nothing
// counted, no demo playing and nothing recorded. What BeginSession opened
// stays for EndSession.
void ResetToPlainGame();

// Called by every new game in the same process: the headless start of the
// tests, maze-sim, maze-soak and maze-bench, and the page's "Play again".
// The game (grid, player, view, doors, counts), the shells' common flags, the
// input's way to the game, the loop's counters and pace, and the session
// (no options, no recording file open, no demo) all as at program start.
// What a skin keeps of its own (the recording GL, the scripted keys, the
// page's input) it resets beside this.
void ResetProgram();
