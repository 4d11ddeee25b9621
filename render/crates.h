// crates.h -- a crate as a blue floor tile under a translucent double pyramid.
#pragma once

#include "world/cell_boxes.h"

// Draws one crate: the tile, then the marker with blending switched on around
// it. Binds nothing and gives no texture coordinate, so it shows whatever the
// floor pass left current: the floor texture at (0, 0).
void DrawCrate(const SHwalls& crate);
