// level_change_test.cpp -- climbing, descending and sinking at the stair figures.
#include "fixture.h"
#include "game/level_change.h"
#include "world/level_grid.h"

namespace {

class LevelChangeTest : public GameTest {
protected:
    // The frame's cell is taken from `from`; the position is then set to `to`,
    // as walking leaves it before the level change runs.
    void Run(float fromz, float toz, BoxCounts counts) {
        centerz = fromz;
        const PlayerCell cell = ComputePlayerCell();
        centerz = toz;
        ChangeLevel(counts, cell);
    }
    void Run(float fromz, float toz) { Run(fromz, toz, RebuildBoxes()); }
};

TEST_F(LevelChangeTest, ClimbsWithinATenThousandthOfTheFarEdge) {
    centerx = 37.5f;  // row 8, the level-0 flight in column 4
    Run(-22.5f, -22.5f);
    EXPECT_EQ(difUpy, 2.5f);
    Run(-24.99f, -24.99989f);
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(difUpy, static_cast<float>(-20 - -24.99989f));
    Run(-24.99f, -24.99995f);
    EXPECT_EQ(lvl, 1);
    EXPECT_EQ(centery, 6.5f);
    EXPECT_EQ(difUpy, 0.0f);
    // The flight just climbed is now below, past -4.9999: no way straight back.
    EXPECT_EQ(difDowny, static_cast<float>(-24.99995f + 20));
    EXPECT_EQ(Bcentery, 6.5f);
}

TEST_F(LevelChangeTest, DescendsOverTheFlightBelowExceptAtItsFarEdge) {
    centerx = 37.5f;
    lvl = 1;
    centery = Bcentery = 6.5f;
    Run(-24.998f, -24.998f);
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(centery, 1.5f);
    EXPECT_EQ(difDowny, 0.0f);
    lvl = 1;
    centery = 6.5f;
    Run(-20.003f, -20.003f);
    EXPECT_EQ(lvl, 0);
    lvl = 1;
    centery = 6.5f;
    Run(-24.99995f, -24.99995f);
    EXPECT_EQ(lvl, 1);
}

TEST_F(LevelChangeTest, SinksFasterEveryFrameAndStopsAtTheFloor) {
    centery = 6.5f;
    Run(-7.5f, -7.5f);
    EXPECT_EQ(centery, 6.499000072479248f);
    EXPECT_EQ(Dspeed, 0.0010100000072270632f);
    int frames = 1;
    while (centery > 1.5f && frames < 2000) {
        Run(-7.5f, -7.5f);
        ++frames;
    }
    EXPECT_EQ(frames, 906);
    EXPECT_EQ(centery, 1.5f);
    EXPECT_EQ(Dspeed, 0.010059953667223454f);
}

TEST_F(LevelChangeTest, OddGridsReadNoStaleStairAndKeepTheLevelInRange) {
    // A staircase cell with no list entry for its level: nothing climbs.
    centerx = 37.5f;
    S[0] = SHwalls{40, 35, -20, -25, 0, 5, false};
    Run(-24.99f, -24.99995f, BoxCounts{0, 0, 0, 0, 0});
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(difUpy, 0.0f);
    // A staircase on the top level leads nowhere.
    map[CellIndex(2, 8, 4)] = kStair;
    S[2] = SHwalls{40, 35, -20, -25, 10, 15, false};
    lvl = 2;
    centery = 11.5f;
    Run(-24.99f, -24.99995f, BoxCounts{0, 0, 3, 0, 0});
    EXPECT_EQ(lvl, 2);
    // Out beyond the grid (through a wall somehow): no cell, nothing happens.
    lvl = 0;
    centery = 1.5f;
    centerx = 60.0f;
    Run(-7.5f, -7.5f);
    EXPECT_EQ(lvl, 0);
    EXPECT_EQ(Bcentery, 1.5f);
}

}  // namespace
