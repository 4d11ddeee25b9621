// sys_null.h -- the scripted platform: no window, no clock, keys set by hand.
#pragma once

namespace sysnull {

// Sets the physical state the game reads for key `vk` (0..255).
void SetKeyDown(int vk, bool down);

// How many pauses the game asked for (never waited for) and their total length.
long Pauses();
long PausedMilliseconds();

// How often the pointer was sent home (as the shells send it: once per drawn
// frame, not while a demo plays), and where the game last asked for it.
long PointerHomes();
int LastPointerX();
int LastPointerY();

// Everything back to nothing pressed, nothing counted.
void Reset();

}  // namespace sysnull
