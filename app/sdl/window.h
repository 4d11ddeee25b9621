// window.h -- the SDL game window, for the parts of the shell that need it.
#pragma once

#include <SDL.h>

// CreateGLWindow and KillGLWindow are declared in app/common/game_window.h.

// The game window, or null while there is none.
SDL_Window* GameWindow();

// Its SDL id, or 0 while there is none: events of older windows carry others.
Uint32 GameWindowId();
