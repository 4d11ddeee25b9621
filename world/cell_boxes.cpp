// cell_boxes.cpp -- turning the grid into wall, open, stair, crate and door boxes.
#include "world/cell_boxes.h"

#include <cstring>

#include "world/level_grid.h"

SHwalls W[kWallCapacity];
SHwalls A[kOpenCapacity];
SHwalls S[kStairCapacity];
SHwalls C[kCrateCapacity];
SHwalls D[kDoorCapacity];

namespace {

// The list, its count and its capacity for a cell code; null for an inert code.
SHwalls* ListFor(int code, BoxCounts& counts, int*& count, int& capacity) {
    // clang-format off
    switch (code) {
        case kWall: count = &counts.wallCount; capacity = kWallCapacity; return W;
        case kOpen: count = &counts.openCount; capacity = kOpenCapacity; return A;
        case kStair: count = &counts.stairCount; capacity = kStairCapacity; return S;
        case kCrate: count = &counts.crateCount; capacity = kCrateCapacity; return C;
        case kDoor: count = &counts.doorCount; capacity = kDoorCapacity; return D;
        default: return nullptr;
    }
    // clang-format on
}

}  // namespace

BoxCounts RebuildBoxes() {
    BoxCounts counts{0, 0, 0, 0, 0};
    float levelPos = 0.0f;
    for (int level = 0; level < kLevels; ++level) {
        float rowPos = 0.0f;
        for (int row = 0; row < kRows; ++row) {
            // An inert cell takes up no column position: later boxes of the
            // row shift one column toward +z.
            float columnPos = 0.0f;
            for (int column = 0; column < kColumns; ++column) {
                int* count = nullptr;
                int capacity = 0;
                SHwalls* list = ListFor(map[CellIndex(level, row, column)], counts, count, capacity);
                if (list == nullptr) {
                    continue;
                }
                // The built-in grid cannot overfill a list (checked when it is
                // compiled); a grid changed at run time drops the extra cells
                // but keeps their squares.
                if (*count == capacity) {
                    columnPos -= 5;
                    continue;
                }
                SHwalls& box = list[*count];
                box.xmax = rowPos;
                box.xmin = rowPos - 5;
                box.zmax = columnPos;
                box.zmin = columnPos - 5;
                box.ymin = levelPos;
                box.ymax = levelPos + 5;
                ++*count;
                columnPos -= 5;
            }
            rowPos += 5;
        }
        levelPos += 5;
    }
    return counts;
}

void ResetCellBoxes() {
    std::memset(W, 0, sizeof W);
    std::memset(A, 0, sizeof A);
    std::memset(S, 0, sizeof S);
    std::memset(C, 0, sizeof C);
    std::memset(D, 0, sizeof D);
}
