// window.h -- the one game window and its GL context, made and torn down.
#pragma once

#include <SDL.h>

// Opens the window (fullscreen at a 640 x 480 display mode if the flag asks
// for it and the display has one), its GL context and the GL state. 1 when
// ready; 0 after the failure has been shown to the player and what was built
// has been torn down.
int CreateGLWindow(const char* title, int width, int height, int bits, unsigned char fullscreenflag);

// Releases whatever CreateGLWindow acquired, newest first; safe to repeat.
void KillGLWindow();

// The game window, or null while there is none.
SDL_Window* GameWindow();

// Its SDL id, or 0 while there is none: events of older windows carry others.
Uint32 GameWindowId();
