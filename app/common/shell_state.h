// shell_state.h -- the shell's own flags, shared by every platform shell.
#pragma once

// 1 for fullscreen. It starts as 1, and each shell's loop sets it to 0 before
// its first window: the game always starts windowed. CreateGLWindow clears it
// when the player takes a window instead of a refused fullscreen mode.
extern unsigned char fullscreen;
extern unsigned char active;  // 1 while the window is active and not minimised

void ResetShellState();
