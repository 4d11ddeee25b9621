// loop.h -- the SDL shell's main loop: events, idle turns, and waiting between them.
#pragma once

// Creates the window (always windowed at first), handles events and runs idle turns until the game
// ends. 0 however it ends: closed, Escape, or a window that could not be
// made (the player has been told why).
int RunGame();
