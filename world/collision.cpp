// collision.cpp -- STUB
#include "world/collision.h"
void ifMove(int* canMove, int, const SHwalls&, float, float, float, int*) { *canMove = 0; }
