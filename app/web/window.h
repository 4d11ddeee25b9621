// window.h -- the web game's window, the page's canvas, for the parts of the shell that need it.
#pragma once

// CreateGLWindow and KillGLWindow are declared in app/common/game_window.h.

// The canvas the game draws in and listens on, as the page's functions name it.
constexpr const char* kCanvas = "#canvas";
