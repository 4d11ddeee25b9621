// crates.cpp -- STUB
#include "render/crates.h"
void CratePass(int, PlayerCell) {}
