// walls.cpp -- STUB
#include "render/walls.h"
void DrawWalls(int) {}
