// walking_test.cpp -- keys and speed, the full step, and the slide rules at walls.
#include "fixture.h"
#include "game/input.h"
#include "game/platform.h"
#include "game/view.h"
#include "game/walking.h"
#include "world/level_grid.h"

namespace {

class WalkingTest : public GameTest {
protected:
    void Step() {
        const BoxCounts counts = RebuildBoxes();
        Walk(counts, ComputePlayerCell());
    }
};

TEST_F(WalkingTest, ShiftDoublesTheSpeedEvenStandingStill) {
    sysnull::SetKeyDown(kVkShift, true);
    move = 7;
    Step();
    EXPECT_EQ(Mspeed, 6.0f);
    EXPECT_EQ(move, 7);  // no key held: no probe
}

// However far off the grid the player is put, his position is a
// cell far off it on the same side.
TEST_F(WalkingTest, FarPositionsLieInCellsFarOnTheirSide) {
    centerx = 3e38f;
    centerz = -1e30f;
    const PlayerCell far = ComputePlayerCell();
    EXPECT_GE(far.row, kRows);
    EXPECT_GE(far.column, kColumns);
    centerx = -3e38f;
    centerz = 1e30f;
    EXPECT_LT(ComputePlayerCell().row, 0);
    EXPECT_LT(ComputePlayerCell().column, 0);
}

TEST_F(WalkingTest, FullStepIsFormedInDouble) {
    // The first frame's speed factor is 3; rounding xnew * 3 to float first
    // would give 0.9908961057662964.
    centerx = 1.0f;
    xnew = -0.0015173207502812147f;
    znew = 0.0f;
    keys[kVkW] = 1;
    Step();
    EXPECT_EQ(centerx, 0.9908960461616516f);
}

// Each quadrant meets a different pair of neighbours. Quadrants 1, 3 and 4
// meeting one wall, and the half step of a new quadrant, are replayed in
// tests/sim (wall_slide, inside_corner).
TEST_F(WalkingTest, SlideFollowsTheNeighboursOnTheHeadingSide) {
    const struct {
        const char* what;
        int level;
        float x, z;
        int quadrant, previous;
        float dx, dz;
    } cases[] = {
        // Level 0, row 1, column 1, near the corner of row 0 and column 0.
        {"row 0 and column 0 walls: a corner", 0, 0.1f, -5.1f, 2, 2, 0, 0},
        {"turning into it takes no half step", 0, 0.1f, -5.1f, 2, 3, 0, 0},
        {"both open: the half step alone", 0, 0.1f, -5.1f, 4, 4, 1.0f / 300, -1.0f / 300},
        // Inside the outer wall of level 2, row 9: row 10 lies beyond the end of
        // `map` and, as a wall, makes a corner with the wall of column 2.
        {"off the grid counts as a wall", 2, 42.5f, -7.5f, 4, 4, 0, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        lvl = c.level;
        centery = c.level * 5 + 1.5f;
        centerx = c.x;
        centerz = c.z;
        const float s = 1.0f / 300;
        xnew = c.quadrant == 1 || c.quadrant == 4 ? s : -s;
        znew = c.quadrant == 1 || c.quadrant == 2 ? s : -s;
        dir = c.previous;
        Mspeed = 1.0f;
        keys[kVkW] = 1;
        Step();
        EXPECT_NEAR(centerx - c.x, c.dx, 1e-6) << c.what;
        EXPECT_NEAR(centerz - c.z, c.dz, 1e-6) << c.what;
    }
}

}  // namespace
