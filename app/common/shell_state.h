// shell_state.h -- the shell's own flags, shared by every platform shell.
#pragma once

extern unsigned char fullscreen;  // stored as 1, but the game starts windowed
extern unsigned char active;      // 1 while the window is active and not minimised

constexpr const char* kWindowTitle = "Tamblin 1.OpenGL_game";
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kWindowBits = 16;

void ResetShellState();
