// walls.h -- wall boxes: textured sides toward non-walls, tinted top and bottom.
#pragma once
#include "world/cell_boxes.h"

// Frame step 8, first half. Binds the wall texture.
void DrawWalls(int wallCount);
