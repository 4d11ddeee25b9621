// input.h -- the key-state table that window messages fill and the game reads.
#pragma once

#include "game/key_codes.h"

// Entry k is 1 while key-down messages say virtual key k is down.
extern unsigned char keys[256];

// Called for each key-down and key-up message (by the shells' ShellKey, a
// demo, maze-sim); codes outside 0..255 are ignored. Walking reads 'W' and
// 'S', the doors 'E', the idle turn Escape and F1.
void KeyDown(unsigned code);
void KeyUp(unsigned code);

void ResetInput();
