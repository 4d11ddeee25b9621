// demo_session.h -- the games' demo options from start to end: files, recorder, player.
#pragma once

#include <string>

// Called by each entry point before the window opens, with its arguments.
// Reads the options; for a demo, reads and checks its whole script; for a
// recording, checks that its file can be written, leaving it as it is, and
// takes the file the recording is written to until the end, locked against
// another game (recording_file.h). Empty when
// the game may start; otherwise what to tell the player, and the game ends
// with exit code 2, nothing opened.
std::string StartDemoSession(int argc, const char* const* argv);

// The pace the options asked for (--pace N), kept for the page's next game.
int SessionPace();

// Called once the game has ended, however it ended, with the exit code it
// would return. Closes a recording with its `expect` line. For a demo, prints
// the last state line, and a timed one's timing line, on standard output and
// an `expect` that did not hold on standard error, then writes the state line
// to "demo-result.txt" and appends the timing line to "timedemo.txt". Returns
// the exit code to end with: a demo's 0, or 1 where an `expect` did not hold;
// 2 with `message` set (naming the folder) when a file could not be written;
// otherwise `exitCode`.
int EndDemoSession(int exitCode, std::string& message);

// The player's input and the game's own turns at the default pace, nothing
// counted, no demo playing and nothing recorded. What StartDemoSession opened
// stays for EndDemoSession.
void ResetToPlainGame();

// Called by ResetProgram: the session as before StartDemoSession, with no
// options, no recording file open and no demo, and the plain game above.
void ResetDemoSession();
