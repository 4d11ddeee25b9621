// player.h -- where the player is: position, eye height and level.
#pragma once

extern float centerx;  // grows with the grid row
extern float centery;  // eye height: lvl * 5 + 1.5 when standing
extern float centerz;  // falls with the grid column
extern int lvl;        // 0 to 2

// The player's grid cell for one frame, taken before walking.
struct PlayerCell {
    int row;
    int column;
};

// row = trunc(centerx / 5) + 1, column = trunc(-(centerz / 5 + 1)) + 1.
PlayerCell ComputePlayerCell();

void ResetPlayer();
