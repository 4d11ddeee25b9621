// walking.cpp -- 'W'/'S' steps along the view vector, Shift running, sliding along walls.
#include "game/walking.h"

#include "game/input.h"
#include "game/platform.h"
#include "game/view.h"
#include "world/collision.h"
#include "world/level_grid.h"

float xnewDirWS = 0.0f;
float znewDirWS = 0.0f;
bool ActiveMove = false;
float oldcx = 0.0f;
float oldcz = 0.0f;
int dir = 1;
int olddir = dir;
int move = 1;
int clash = 0;
// Three at start, but the first step's view vector is zero: it moves nothing.
float Mspeed = 3.0f;

namespace {

constexpr double kNudge = 0.003;

// The two neighbours of the player's cell on the heading side: one along the
// row direction (x), one along the column direction (z), and which way each
// nudge goes.
struct HeadingSide {
    int rowStep;     // +1 toward +x, -1 toward -x
    int columnStep;  // +1 toward -z, -1 toward +z
};

HeadingSide SideOf(int quadrant) {
    switch (quadrant) {
        case 1:
            return HeadingSide{+1, -1};
        case 2:
            return HeadingSide{-1, -1};
        case 3:
            return HeadingSide{-1, +1};
        default:
            return HeadingSide{+1, +1};  // 4, the only other value dir takes
    }
}

// Only 'w' blocks a slide. A neighbour off the grid (the player has somehow
// reached the outer ring) counts as a wall, so nothing outside `map` is read
// and the player is not nudged further out.
bool IsWall(int row, int column) {
    const int code = CellAt(lvl, row, column);
    return code == kWall || code == -1;
}

// Strict bounds: a zero component leaves the quadrant as it was.
int Quadrant(float x, float z, int previous) {
    int quadrant = previous;
    if (x > 0 && x < 2 && z > 0 && z < 2) quadrant = 1;
    if (x > -2 && x < 0 && z > 0 && z < 2) quadrant = 2;
    if (x > -2 && x < 0 && z > -2 && z < 0) quadrant = 3;
    if (x > 0 && x < 2 && z > -2 && z < 0) quadrant = 4;
    return quadrant;
}

void ReadMoveKeys() {
    if (keys[kVkW]) {
        xnewDirWS = znewDirWS = 1.0f;
        ActiveMove = true;
    }
    // Checked second, so with both keys down the player backs away.
    if (keys[kVkS]) {
        xnewDirWS = znewDirWS = -1.0f;
        ActiveMove = true;
    }
}

// Kept in double to the end: the first step's factor of 3 would otherwise
// round the step twice.
void FullStep() {
    centerx = static_cast<float>(centerx + 2.0 * (static_cast<double>(xnew) * Mspeed));
    centerz = static_cast<float>(centerz + 2.0 * (static_cast<double>(znew) * Mspeed));
}

// Refused at a wall: the neighbours on the heading side tell which way runs
// along the wall; where none does, a half step is taken instead.
void Slide(PlayerCell cell) {
    const HeadingSide side = SideOf(dir);
    const bool xSideWall = IsWall(cell.row + side.rowStep, cell.column);
    const bool zSideWall = IsWall(cell.row, cell.column + side.columnStep);
    if (!xSideWall && zSideWall) {
        centerx = static_cast<float>(centerx + side.rowStep * kNudge);
    } else if (!zSideWall && xSideWall) {
        centerz = static_cast<float>(centerz - side.columnStep * kNudge);
    }

    // With walls on both heading sides the half step would only carry the
    // player into them and on out of the maze; the corner stops him instead,
    // and turning away frees him at once.
    if (xSideWall && zSideWall) {
        return;
    }
    const bool stuck = centerz == oldcz && centerx == oldcx;
    if (stuck || olddir != dir) {
        centerx = centerx + xnew * Mspeed;
        centerz = centerz + znew * Mspeed;
    }
}

}  // namespace

void Walk(const BoxCounts& counts, PlayerCell cell) {
    // Read every step, moving or not; the end of the step resets it.
    if (SysKeyDown(kVkShift)) {
        Mspeed = Mspeed + Mspeed;
    }
    ReadMoveKeys();
    if (!ActiveMove) {
        return;
    }

    oldcx = centerx;
    oldcz = centerz;
    olddir = dir;
    xnew = xnew * xnewDirWS;
    znew = znew * znewDirWS;
    dir = Quadrant(xnew, znew, dir);

    // The probe looks at where the player stands before this step's move.
    ifMove(&move, counts.wallCount, W[0], centerx, centerz, centery, &clash);
    if (move == 1) {
        FullStep();
    } else if (clash == 1) {
        Slide(cell);
    }

    // Flipping the sign back gives the camera exactly the vector it made.
    xnew = xnew * xnewDirWS;
    znew = znew * znewDirWS;
    ActiveMove = false;
}

void ResetWalking() {
    xnewDirWS = 0.0f;
    znewDirWS = 0.0f;
    ActiveMove = false;
    oldcx = 0.0f;
    oldcz = 0.0f;
    dir = 1;
    olddir = dir;
    move = 1;
    clash = 0;
    Mspeed = 3.0f;
}
