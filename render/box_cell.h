// box_cell.h -- the grid cell a box stands in, read back from its own bounds.
#pragma once

#include "world/cell_boxes.h"

// Each quotient is truncated toward zero, as the drawing passes always have.
inline int BoxLevel(const SHwalls& box) {
    return static_cast<int>(box.ymin / 5);
}

inline int BoxRow(const SHwalls& box) {
    return static_cast<int>(box.xmin / 5) + 1;
}

inline int BoxColumn(const SHwalls& box) {
    return static_cast<int>(-(box.zmin / 5 + 1));
}
