// stairs.cpp -- STUB
#include "render/stairs.h"
void DrawStairs(int) {}
