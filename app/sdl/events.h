// events.h -- SDL events turned into what the game's window procedure does.
#pragma once

#include <SDL.h>

// Handles one event: keys into the key table, minimise and restore into
// `active`, resizes into the projection, pointer motion into mouse look.
// False when it asks the game to end (the window's close button, SIGINT).
bool HandleEvent(const SDL_Event& event);

// Handles every pending event. False as soon as one asks the game to end;
// the events after it stay unhandled, as after the quit message on Windows.
bool PumpEvents();
