// collision.h -- the probe that tells whether a point is clear of a list of boxes.
#pragma once

#include "world/cell_boxes.h"

// Called by walking, once a frame while a move key is held, with the walls and
// the position before the step. Stores 1 through canMove when (x, z, y) lies
// outside every one of the first `count` boxes widened by 0.2 in x and z, 0
// otherwise (also when count <= 0). Sets *hit to 1 on a hit and never clears
// it: walking slides only once something has been hit. Note the x, z, y order.
void ifMove(int* canMove, int count, const SHwalls& boxes, float x, float z, float y, int* hit);
