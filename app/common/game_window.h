// game_window.h -- the game window with its GL context: what each shell
// implements once, and what every shell does with it the same way.
#pragma once

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kWindowBits = 16;

// Implemented by each shell. Opens the window (fullscreen if the flag asks and
// the display allows, or windowed if the player agrees), its GL context, the
// projection and the fixed GL state with the textures. 1 when ready; 0 after
// the failure has been shown to the player and what was built torn down.
int CreateGLWindow(const char* title, int width, int height, int bits, unsigned char fullscreenflag);

// Implemented by each shell. Releases whatever CreateGLWindow acquired, newest
// first; a failed release is shown and the rest still released.
void KillGLWindow();

// How every CreateGLWindow ends, once its context is current: the projection
// for the client area, then the fixed GL state with the textures. 1 when
// ready; otherwise the shell's `fail`, which tears down what was built and
// then tells the player, is given "Initialization Failed." and its result
// returned.
int FinishGLWindow(int width, int height, int (*fail)(const char* what));

// The game's one window: its title and size, in the current display mode.
int CreateGameWindow();

// F1: the window torn down and made again in the other display mode. 0 when
// the new one could not be made; the game then ends.
int ToggleFullscreen();
