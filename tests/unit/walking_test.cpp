// walking_test.cpp -- the speed, and the cells of far positions. The full
// step and the slide rules are in tests/sim/walk_rules.script.
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

}  // namespace
