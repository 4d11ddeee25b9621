// floors.h -- a floor tile for every open cell not above a staircase.
#pragma once

// Called by a drawn step after the doors. Binds the floor texture and leaves it
// bound, with the texture coordinate at (0, 0): the crates draw with both.
void DrawFloors(int openCount);
