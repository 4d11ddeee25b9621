// level_change_test.cpp -- the stair thresholds, and grids the stair lookup must survive.
#include "fixture.h"
#include "game/level_change.h"
#include "world/level_grid.h"

namespace {

class LevelChangeTest : public GameTest {
protected:
    // The frame's cell comes from `fromz`; walking then leaves the player at `toz`.
    void Run(float fromz, float toz, BoxCounts counts) {
        centerx = 37.5f;  // row 8, where both flights stand
        centerz = fromz;
        const PlayerCell cell = ComputePlayerCell();
        centerz = toz;
        ChangeLevel(counts, cell);
    }
    void Run(float fromz, float toz) { Run(fromz, toz, RebuildBoxes()); }
    void StandOn(int level) {
        lvl = level;
        centery = level * 5 + 1.5f;
    }
};

TEST_F(LevelChangeTest, TheLastTenThousandthOfAFlightDecides) {
    Run(-24.99f, -24.99989f);  // the level-0 flight, column 4
    EXPECT_EQ(lvl, 0);
    Run(-24.99f, -24.99995f);
    EXPECT_EQ(lvl, 1);
    EXPECT_EQ(centery, 6.5f);
    StandOn(1);
    Run(-24.99995f, -24.99995f);  // over it from level 1, at its far edge
    EXPECT_EQ(lvl, 1);
    Run(-24.998f, -24.998f);
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(centery, 1.5f);
}

TEST_F(LevelChangeTest, OddGridsReadNoStaleStairAndKeepTheLevelInRange) {
    // A staircase cell whose level has no list entry this frame: no climb.
    S[0] = SHwalls{40, 35, -20, -25, 0, 5, false};
    Run(-24.99f, -24.99995f, BoxCounts{0, 0, 0, 0, 0});
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(difUpy, 0.0f);
    // A staircase on the top level leads nowhere.
    map[CellIndex(2, 8, 4)] = kStair;
    S[2] = SHwalls{40, 35, -20, -25, 10, 15, false};
    StandOn(2);
    Run(-24.99f, -24.99995f, BoxCounts{0, 0, 3, 0, 0});
    EXPECT_EQ(lvl, 2);
}

TEST_F(LevelChangeTest, APlaceOffTheGridChangesNothing) {
    StandOn(1);
    Bcentery = 3.0f;
    centerx = 60.0f;  // row 13
    ChangeLevel(RebuildBoxes(), ComputePlayerCell());
    EXPECT_EQ(lvl, 1);
    EXPECT_EQ(Bcentery, 3.0f);
}

}  // namespace
