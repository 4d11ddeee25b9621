// walking.h -- 'W'/'S' walking, Shift running, and sliding along walls.
#pragma once

#include "game/player.h"
#include "world/cell_boxes.h"

extern float xnewDirWS;
extern float znewDirWS;
extern bool ActiveMove;
extern float oldcx;
extern float oldcz;
extern int dir;      // heading quadrant 1..4 of the last move
extern int olddir;
extern int move;     // the probe's result, 1 = clear
extern int clash;    // the probe's hit flag, sticky

// Frame step 5.
void Walk(const BoxCounts& counts, PlayerCell cell);

void ResetWalking();
