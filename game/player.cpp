// player.cpp -- the player's position and the cell it stands in.
#include "game/player.h"

#include <cmath>

float centerx = 1.5f;
float centery = 1.5f;
float centerz = -7.5f;
int lvl = 0;

PlayerCell ComputePlayerCell() {
    // Casts truncate toward zero, as the grid mapping requires.
    const int row = static_cast<int>(centerx / 5) + 1;
    const int column = static_cast<int>(-(centerz / 5 + 1)) + 1;
    return PlayerCell{row, column};
}

double DistanceFromPlayer(double x, double y, double z) {
    return std::sqrt(std::pow(x - centerx, 2) + std::pow(z - centerz, 2) + std::pow(y - centery, 2));
}

void ResetPlayer() {
    centerx = 1.5f;
    centery = 1.5f;
    centerz = -7.5f;
    lvl = 0;
}
