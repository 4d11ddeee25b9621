// player.h -- where the player is: position, eye height and level.
#pragma once

extern float centerx;  // grows with the grid row
extern float centery;  // eye height: lvl * 5 + 1.5 when standing
extern float centerz;  // falls with the grid column
extern int lvl;        // 0 to 2

// The player's grid cell for one step, taken before walking.
struct PlayerCell {
    int row;
    int column;
};

// Called by the step once, before walking; walking, the doors, the crates and
// the level change all use this cell even after the player has moved.
// row = trunc(centerx / 5) + 1, column = trunc(-(centerz / 5 + 1)) + 1.
PlayerCell ComputePlayerCell();

// Distance from the player's eye to the point (x, y, z), all in double, the
// squares added x, z, y: doors and crates compare it with their reach, and a
// player exactly at the edge of a reach depends on those last bits.
double DistanceFromPlayer(double x, double y, double z);

void ResetPlayer();
