// crates_test.cpp -- the reach of a crate. How crates look is in
// tests/sim/first_frame.expected; collecting both by walking, in crates_walk.
#include "fixture.h"
#include "game/crates.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

class CratesTest : public GameTest {
protected:
    void Pass() {
        const BoxCounts counts = RebuildBoxes();
        CratePass(counts.crateCount, ComputePlayerCell(), true);
    }
};

// Eye level with the crate's point (x 22.5, y 1, z -12.5), exactly 2 from it
// along x: not yet; a thousandth closer: the player's cell is cleared, and the
// other crate is left.
TEST_F(CratesTest, ReachIsStrictlyLessThanTwo) {
    centery = 1.0f;
    centerx = 20.5f;
    centerz = -12.5f;
    Pass();
    EXPECT_EQ(CellAt(0, 5, 2), kCrate);
    centerx = 20.501f;
    Pass();
    EXPECT_EQ(CellAt(0, 5, 2), kOpen);
    EXPECT_EQ(CellAt(0, 5, 7), kCrate);
}

}  // namespace
