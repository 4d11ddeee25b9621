// level_change.h -- climbing and descending stairs, and sinking to the floor.
#pragma once

#include "game/player.h"
#include "world/cell_boxes.h"

extern float difUpy;    // eye rise on the staircase of this level
extern float difDowny;  // offset over the staircase of the level below
extern float Bcentery;  // resting eye height of the last open cell stood on
extern float Dspeed;    // sinking step: grows with every step of a fall, and
                        // no landing brings it back, so a second fall is faster

// Called by the step after the crates, before the end-of-step view work.
// Climbs or descends a staircase by the cell taken before walking and the
// position after it, follows the floor height of open cells and sinks toward
// it. The stair offsets it leaves are read by the next step's camera.
void ChangeLevel(const BoxCounts& counts, PlayerCell cell);

void ResetLevelChange();
