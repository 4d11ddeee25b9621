// keymap.h -- SDL key codes turned into the virtual-key codes the game reads.
#pragma once

#include <SDL.h>

// The Windows virtual-key code of an SDL key (letters as their upper-case
// codes, digits as theirs, Escape 27, F1 112, ...); 0 for a key with none.
int VirtualKey(SDL_Keycode key);

// A key that Windows would deliver as a system key (F10, or anything pressed
// with Alt but without Ctrl): the game never sees those as key-downs.
bool IsSystemKey(SDL_Keycode key, Uint16 modifiers);
