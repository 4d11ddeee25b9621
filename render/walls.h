// walls.h -- wall boxes: textured sides toward non-walls, tinted top and bottom.
#pragma once
#include "world/cell_boxes.h"

// Called by a drawn step after the camera. Binds the wall texture, which the
// stairs then draw with, and leaves the texture coordinate at (0, 1).
void DrawWalls(int wallCount);
