// walking_test.cpp -- keys and speed, the full step, and the slide rules at walls.
#include "fixture.h"
#include "game/input.h"
#include "game/platform.h"
#include "game/walking.h"

namespace {

class WalkingTest : public GameTest {
protected:
    void Step() {
        const BoxCounts counts = RebuildBoxes();
        Walk(counts, ComputePlayerCell());
    }
    // A view vector pointing into the given quadrant, with `dir` already there
    // so that no change of quadrant adds a half step.
    void Head(int quadrant) {
        const float s = 1.0f / 300;
        xnew = quadrant == 1 || quadrant == 4 ? s : -s;
        znew = quadrant == 1 || quadrant == 2 ? s : -s;
        dir = quadrant;
        Mspeed = 1.0f;
        keys[kVkW] = 1;
    }
};

TEST_F(WalkingTest, ShiftDoublesTheSpeedEvenStandingStill) {
    sysnull::SetKeyDown(kVkShift, true);
    move = 7;
    Step();
    EXPECT_EQ(Mspeed, 6.0f);
    EXPECT_EQ(move, 7);  // no key held: no probe
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

// Near the corner of row 0 and column 0 (level 0, row 1, column 1) the probe
// refuses every heading; each quadrant meets a different pair of neighbours.
// Quadrants 1, 3 and 4 meeting one wall, and the half step of a new quadrant,
// are replayed in tests/sim (wall_slide, inside_corner).
TEST_F(WalkingTest, SlideFollowsTheNeighboursOnTheHeadingSide) {
    const struct {
        int quadrant, previous;
        float dx, dz;
    } cases[] = {
        {2, 2, 0, 0},                    // row 0 and column 0 walls: a corner
        {2, 3, 0, 0},                    // turning into it takes no half step
        {4, 4, 1.0f / 300, -1.0f / 300},  // both open: the half step alone
    };
    for (const auto& c : cases) {
        ResetProgramState();
        centerx = 0.1f;
        centerz = -5.1f;
        Head(c.quadrant);
        dir = c.previous;
        Step();
        EXPECT_NEAR(centerx - 0.1f, c.dx, 1e-6) << c.quadrant << " after " << c.previous;
        EXPECT_NEAR(centerz + 5.1f, c.dz, 1e-6) << c.quadrant << " after " << c.previous;
    }
}

TEST_F(WalkingTest, OffTheGridNeighboursCountAsWalls) {
    // Inside the outer wall of level 2, row 9: row 10 lies beyond the end of
    // `map`. Counted as a wall, it makes a corner with the wall of column 2
    // and the player is not nudged on outward.
    lvl = 2;
    centery = 11.5f;
    centerx = 42.5f;
    centerz = -7.5f;
    Head(4);
    Step();
    EXPECT_EQ(clash, 1);
    EXPECT_EQ(centerx, 42.5f);
    EXPECT_EQ(centerz, -7.5f);
}

}  // namespace
