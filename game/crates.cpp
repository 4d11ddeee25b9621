// crates.cpp -- each crate drawn, then collected when the player reaches it.
#include "game/crates.h"

#include "render/crates.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

// Strictly within 2 of the point 1 above the middle of the crate's floor.
bool WithinReach(const SHwalls& crate) {
    return DistanceFromPlayer(crate.xmax - 2.5, crate.ymin + 1.0, crate.zmax - 2.5) < 2;
}

// The player stands in the crate's cell when in reach, so his own cell is the
// one cleared.
void Collect(PlayerCell cell) {
    if (CellAt(lvl, cell.row, cell.column) != -1) {
        map[CellIndex(lvl, cell.row, cell.column)] = kOpen;
    }
}

}  // namespace

void CratePass(int crateCount, PlayerCell cell, bool drawn) {
    for (int i = 0; i < crateCount; ++i) {
        if (drawn) {
            DrawCrate(C[i]);
        }
        if (WithinReach(C[i])) {
            Collect(cell);
        }
    }
}
