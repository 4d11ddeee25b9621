// devices.h -- the page's touch controls and gamepads, as the key and mouse messages the game knows.
#pragma once

// Called by the loop on every turn, before the game's: the gamepads the
// browser offers (the Gamepad API), as they are now, into key and mouse messages.
void ReadGamepads();

// Whether a touch control or a gamepad holds key `vk` down: Shift is read by
// the step as a physical key, so SysKeyDown asks here too.
bool DeviceKeyDown(int vk);

// A new game: nothing held, no drag under way.
void ResetDevices();
