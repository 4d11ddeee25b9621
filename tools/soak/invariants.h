// invariants.h -- what no step of any play may break.
#pragma once

#include <string>

#include "world/level_grid.h"

class Invariants {
public:
    // The grid as it stands now is what the next check compares with.
    void Remember();

    // After a step: the level within the grid, the player inside the outer
    // walls, and the grid changed only where a crate became open floor, each
    // such cell added to `collected`. False with the breach in `why`.
    bool Hold(long& collected, std::string& why);

private:
    int grid_[kCells];
};
