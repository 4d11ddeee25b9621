// level_change.h -- climbing and descending stairs, and sinking to the floor.
#pragma once

#include "game/player.h"
#include "world/cell_boxes.h"

extern float difUpy;    // eye rise on the staircase of this level
extern float difDowny;  // offset over the staircase of the level below
extern float Bcentery;  // resting eye height of the last open cell stood on
extern float Dspeed;    // sinking step, grows and is never reset

// Frame step 12.
void ChangeLevel(const BoxCounts& counts, PlayerCell cell);

void ResetLevelChange();
