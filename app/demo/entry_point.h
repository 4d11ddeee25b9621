// entry_point.h -- what every shell's entry point does first and last: the demo session, and its boxes.
#pragma once

// The shell's error box: `text` under `caption`, as the shell shows an error.
using ShowErrorBox = void (*)(const char* text, const char* caption);

// The exit code of a game refused before anything opened, and of a demo
// whose `expect` did not hold.
constexpr int kRefusedExitCode = 2;
constexpr int kExpectFailedExitCode = 1;

// Called first by each entry point, with its arguments. A demo that cannot be
// played or a recording that cannot be made is told before anything opens:
// false then, the refusal shown with `showError`, and the entry point ends
// with kRefusedExitCode. True when the game may start.
bool BeginSession(int argc, const char* const* argv, ShowErrorBox showError);

// Called once the game has ended, however it ended, with the exit code it
// would return. Closes the recording or the demo (demo_session.h), shows
// with `showError` what could not be written, and returns the exit code to
// end with.
int EndSession(int exitCode, ShowErrorBox showError);
