// loop.h -- the Windows shell's main loop: the message pump and the idle turns.
#pragma once

// Creates the window (always windowed at first), pumps messages and runs idle turns until the game ends.
// Returns the exit code: the quit message's, 0 otherwise or when a window
// could not be created.
int RunGame();
