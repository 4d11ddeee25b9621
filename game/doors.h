// doors.h -- opening doors with 'E', and the one lift that all doors share.
#pragma once

#include "game/player.h"

extern float DoorUp;    // the lift, shared by every door
extern bool DoorUpMax;  // at the top, or coming down
extern float Oldy2;     // ymax of the door opened last
extern int Oldi;        // its position in D

// Called by the step after the stairs, before the floors. Draws every door at
// the current lift, moves the lift one step for each door whose flag is set,
// then, while 'E' is down, opens the doors near a player standing in a door
// cell; those start rising next step. Leaves the door texture bound. An
// undrawn step (`drawn` false) moves the lift and opens alike, drawing nothing.
void DoorPass(int doorCount, PlayerCell cell, bool drawn);

void ResetDoors();
