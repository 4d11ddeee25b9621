// invariants.cpp -- the soak's checks after every step.
#include "tools/soak/invariants.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/player.h"

void Invariants::Remember() {
    std::memcpy(grid_, map, sizeof grid_);
}

bool Invariants::Hold(long& collected, std::string& why) {
    char text[160];
    if (lvl < 0 || lvl >= kLevels) {
        std::snprintf(text, sizeof text, "lvl=%d is not a level", lvl);
        why = text;
        return false;
    }
    // Rows 1 to 8 are x from 0 to 40, columns 1 to 18 are z from -5 to -95.
    if (!(centerx > 0 && centerx < 40 && centerz < -5 && centerz > -95) || !std::isfinite(centery)) {
        std::snprintf(text, sizeof text, "centerx=%.9g centery=%.9g centerz=%.9g is outside the outer walls",
                      double(centerx), double(centery), double(centerz));
        why = text;
        return false;
    }
    for (int i = 0; i < kCells; ++i) {
        if (map[i] == grid_[i]) {
            continue;
        }
        if (grid_[i] != kCrate || map[i] != kOpen) {
            std::snprintf(text, sizeof text, "map[%d] went from %d to %d", i, grid_[i], map[i]);
            why = text;
            return false;
        }
        grid_[i] = map[i];
        ++collected;
    }
    return true;
}
