// doors.h -- door slabs, drawn at whatever height the game has lifted them to.
#pragma once

#include "world/cell_boxes.h"

// Binds the door texture; the door pass calls it once before its slabs.
void BindDoorTexture();

// Draws the slab of `door` raised by `lift`, if it can be seen: only from the
// open cell one column lower. Leaves the texture coordinate at (0, 1).
void DrawDoor(const SHwalls& door, float lift);
