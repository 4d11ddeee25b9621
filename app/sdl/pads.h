// pads.h -- the game controllers SDL finds, plugged in or out while the game runs.
#pragma once

#include <SDL.h>

// Called once before the game window opens: SDL's controllers, if it can
// reach any; the game plays on without them if not.
void OpenPads();

// Called by HandleEvent for each controller plugged in (SDL reports those
// already there at the start the same way) and each one pulled out.
void OnPadAdded(int deviceIndex);
void OnPadRemoved(SDL_JoystickID instance);

// Called by the loop on every turn, before the game's: the pads as they are
// now, as key and mouse messages (app/common/pad_mapping.h).
void ReadPads();

// Whether a pad holds key `vk` down (a shoulder holds Shift): SysKeyDown asks.
bool PadHolds(int vk);

// Called when the game ends: every pad closed, with no message after the
// last step.
void ClosePads();
