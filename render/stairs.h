// stairs.h -- each stair cell as a flight of ten steps rising toward -z.
#pragma once

// Called by a drawn step right after the walls. Binds nothing and gives no
// texture coordinate: the steps take the texture and the (0, 1) the walls left.
void DrawStairs(int stairCount);
