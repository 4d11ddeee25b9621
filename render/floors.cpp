// floors.cpp -- STUB
#include "render/floors.h"
void DrawFloors(int) {}
