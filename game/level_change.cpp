// level_change.cpp -- up and down the staircases, and sinking to the floor height.
#include "game/level_change.h"

#include "world/level_grid.h"

float difUpy = 0.0f;
float difDowny = 0.0f;
float Bcentery = 1.5f;
float Dspeed = 0.001f;

namespace {

// Within a ten-thousandth of a unit of the far edge counts as the top.
constexpr double kTopOfFlight = 4.9999;

float StandingEye(int level) {
    return level * 5 + 1.5f;
}

// The staircase of a level is the list entry of that number: the grid holds one
// per level below the top. Null where the list is too short, so an odd grid
// reads no stale entry.
const SHwalls* StairOfLevel(int level, const BoxCounts& counts) {
    if (level < 0 || level >= counts.stairCount) {
        return nullptr;
    }
    return &S[level];
}

void Climb(const BoxCounts& counts, PlayerCell cell) {
    const SHwalls* stair = StairOfLevel(lvl, counts);
    if (CellAt(lvl, cell.row, cell.column) != kStair || stair == nullptr) {
        difUpy = 0.0f;
        return;
    }
    difUpy = stair->zmax - centerz;
    // No climbing off the top level, whatever the grid holds there.
    if (difUpy >= kTopOfFlight && difDowny == 0 && lvl + 1 < kLevels) {
        ++lvl;
        centery = StandingEye(lvl);
        difUpy = 0.0f;
    }
}

void Descend(const BoxCounts& counts, PlayerCell cell) {
    const SHwalls* stair = StairOfLevel(lvl - 1, counts);
    if (lvl < 1 || CellAt(lvl - 1, cell.row, cell.column) != kStair || stair == nullptr) {
        difDowny = 0.0f;
        return;
    }
    difDowny = centerz - stair->zmax;
    if (difDowny >= -kTopOfFlight && difUpy == 0) {
        --lvl;
        centery = StandingEye(lvl);
        difDowny = 0.0f;
    }
}

void FollowFloor(PlayerCell cell) {
    if (CellAt(lvl, cell.row, cell.column) == kOpen) {
        Bcentery = StandingEye(lvl);
    }
}

// The eye only ever comes down here, faster every step of the fall.
void Sink() {
    if (centery > Bcentery) {
        centery = centery - Dspeed;
        Dspeed = static_cast<float>(Dspeed + 0.00001);
        if (centery < Bcentery) {
            centery = Bcentery;
        }
    }
}

}  // namespace

void ChangeLevel(const BoxCounts& counts, PlayerCell cell) {
    Climb(counts, cell);
    Descend(counts, cell);
    FollowFloor(cell);
    Sink();
}

void ResetLevelChange() {
    difUpy = 0.0f;
    difDowny = 0.0f;
    Bcentery = 1.5f;
    Dspeed = 0.001f;
}
