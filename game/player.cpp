// player.cpp -- the player's position and the cell it stands in.
#include "game/player.h"

#include <cmath>

float centerx = 1.5f;
float centery = 1.5f;
float centerz = -7.5f;
int lvl = 0;

namespace {

// Truncates toward zero, as the grid mapping requires. A position a script put
// far off the grid would not fit an int: it lands in a cell far off the grid on
// its own side instead, which every lookup reads as no cell at all.
int TruncateToCell(float cells) {
    constexpr float kFar = 1e6f;
    if (cells > kFar) {
        return static_cast<int>(kFar);
    }
    if (!(cells > -kFar)) {  // NaN too
        return -static_cast<int>(kFar);
    }
    return static_cast<int>(cells);
}

}  // namespace

PlayerCell ComputePlayerCell() {
    const int row = TruncateToCell(centerx / 5) + 1;
    const int column = TruncateToCell(-(centerz / 5 + 1)) + 1;
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
