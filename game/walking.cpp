// walking.cpp -- STUB
#include "game/walking.h"
float xnewDirWS = 0, znewDirWS = 0; bool ActiveMove = false; float oldcx = 0, oldcz = 0;
int dir = 1, olddir = dir, move = 1, clash = 0;
void Walk(const BoxCounts&, PlayerCell) {}
void ResetWalking() { xnewDirWS = znewDirWS = 0; ActiveMove = false; oldcx = oldcz = 0; dir = 1; olddir = 1; move = 1; clash = 0; }
