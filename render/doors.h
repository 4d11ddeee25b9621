// doors.h -- door slabs, their shared lift, and opening them with 'E'.
#pragma once

#include "game/player.h"

extern float DoorUp;     // the lift, shared by every door
extern bool DoorUpMax;   // at the top, or coming down
extern float Oldy2;      // ymax of the door opened last
extern int Oldi;         // its position in D

// Frame step 9: draw, lift, then the open test.
void DoorPass(int doorCount, PlayerCell cell);

void ResetDoors();
