// collision.cpp -- the wall probe: is a point clear of every box, with a 0.2 margin?
#include "world/collision.h"

namespace {

// The margin widens a box in x and z only. The sums are left in double: rounding
// them to float would move the edge of the margin by up to half an ulp.
bool Hits(const SHwalls& box, float x, float z, float y) {
    const double margin = 0.2;
    return static_cast<double>(x) + margin > box.xmin && box.xmax > static_cast<double>(x) - margin &&
           static_cast<double>(z) + margin > box.zmin && box.zmax > static_cast<double>(z) - margin && y > box.ymin &&
           box.ymax > y;
}

}  // namespace

void ifMove(int* canMove, int count, const SHwalls& boxes, float x, float z, float y, int* hit) {
    const SHwalls* list = &boxes;
    // Stays 0 when nothing is tested: an empty list blocks rather than frees.
    int clear = 0;
    for (int i = 0; i < count; ++i) {
        if (Hits(list[i], x, z, y)) {
            clear = 0;
            *hit = 1;
            break;
        }
        clear = 1;
    }
    *canMove = clear;
}
