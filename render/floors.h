// floors.h -- a floor tile for every open cell not above a staircase.
#pragma once

// Frame step 10. Binds the floor texture.
void DrawFloors(int openCount);
