// stairs.h -- each stair cell as a flight of ten steps rising toward -z.
#pragma once

// Frame step 8, second half: draws with what the wall pass left bound.
void DrawStairs(int stairCount);
