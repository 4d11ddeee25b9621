// pads.h -- XInput's pads, from the system's xinput9_1_0.dll when there is one.
#pragma once

// Called on every turn of the loop, before the game's: the pads plugged in
// now, as key and mouse messages (app/common/pad_mapping.h). Where Windows
// has no XInput, there are no pads and the game plays on without them.
void ReadPads();

// Whether a pad holds key `vk` down (a shoulder holds Shift): SysKeyDown asks.
bool PadHolds(int vk);
