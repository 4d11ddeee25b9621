// platform.h -- what the game step asks of the shell that runs it.
//
// Each shell (Win32, SDL, the web page, and the scripted null platform of the
// tests and the simulator) implements these once. The game never learns which
// one it is on.
#pragma once

#include "game/key_codes.h"

// True while the key with virtual-key code `vk` is physically down right now
// (read at step time, not from the message-driven key table). Walking asks
// for Shift, the diagnostics for space.
bool SysKeyDown(int vk);

// Blocks for `milliseconds`: the diagnostics' pause while space is held.
void SysPause(int milliseconds);

// Puts the pointer back on the client point (x, y) of the game window, so the
// next mouse message is measured from there. Asked at the end of every step,
// about a thousand times a second at the usual pace; the shells move the
// pointer at most once per drawn frame, and leave it where it is otherwise.
void SysPointerHome(int x, int y);
