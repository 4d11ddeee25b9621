// walking.h -- 'W'/'S' walking, Shift running, and sliding along walls.
#pragma once

#include "game/player.h"
#include "world/cell_boxes.h"

extern float xnewDirWS;
extern float znewDirWS;
extern bool ActiveMove;
extern float oldcx;
extern float oldcz;
extern int dir;  // heading quadrant 1..4 of the last move
extern int olddir;
extern int move;      // the probe's result, 1 = clear
extern int clash;     // the probe's hit flag, sticky
extern float Mspeed;  // speed factor: doubled by Shift, back to 1 at the end of each step

// Called by the step after the player's cell is taken and before the camera:
// Shift doubles the speed factor; 'W' or 'S' steps along the view vector, or
// slides along the wall the step runs into. The view vector is left as it was.
void Walk(const BoxCounts& counts, PlayerCell cell);

void ResetWalking();
