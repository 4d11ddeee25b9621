// collision_test.cpp -- the wall probe: margins, heights, first hit, sticky flag.
#include "fixture.h"
#include "world/cell_boxes.h"
#include "world/collision.h"

namespace {

class CollisionTest : public GameTest {
protected:
    // Probes the built-in grid's walls; `hit` starts at a value the probe
    // never writes, to see whether it was touched.
    int Probe(float x, float z, float y) {
        const BoxCounts counts = RebuildBoxes();
        int canMove = -1;
        ifMove(&canMove, counts.wallCount, W[0], x, z, y, &hit);
        return canMove;
    }
    int hit = 7;
};

TEST_F(CollisionTest, StartIsClearAndTheWallOfRowZeroHasItsMargin) {
    EXPECT_EQ(Probe(1.5f, -7.5f, 1.5f), 1);
    EXPECT_EQ(hit, 7);
    EXPECT_EQ(Probe(0.25f, -7.5f, 1.5f), 1);
    EXPECT_EQ(Probe(0.15f, -7.5f, 1.5f), 0);
    EXPECT_EQ(hit, 1);
}

TEST_F(CollisionTest, MarginSumsAreNotRoundedToFloat) {
    // Each point is a float ulp or so inside the margin; rounded to float,
    // 4.8f + 0.2 and the like come out exactly on the edge and would miss.
    const SHwalls box{10, 5, -5, -10, 0, 5, false};
    const float points[4][2] = {{4.8f, -7.5f}, {10.2f, -7.5f}, {7.5f, -4.8f}, {7.5f, -10.2f}};
    for (const auto& p : points) {
        int canMove = -1;
        ifMove(&canMove, 1, box, p[0], p[1], 1.5f, &hit);
        EXPECT_EQ(canMove, 0) << p[0] << ", " << p[1];
    }
}

TEST_F(CollisionTest, HeightIsStrictAndNotWidened) {
    EXPECT_EQ(Probe(0.15f, -7.5f, 5.0f), 1);   // on the boundary of two levels
    EXPECT_EQ(Probe(0.15f, -7.5f, 0.0f), 1);
    EXPECT_EQ(Probe(0.15f, -7.5f, 5.01f), 0);  // the row-0 wall of level 1
    EXPECT_EQ(hit, 1);
}

TEST_F(CollisionTest, EmptyListBlocksWithoutAHit) {
    int canMove = -1;
    ifMove(&canMove, 0, W[0], 1.5f, -7.5f, 1.5f, &hit);
    EXPECT_EQ(canMove, 0);
    ifMove(&canMove, -3, W[0], 1.5f, -7.5f, 1.5f, &hit);
    EXPECT_EQ(canMove, 0);
    EXPECT_EQ(hit, 7);
}

TEST_F(CollisionTest, ScanStopsAtTheFirstHitAndTheFlagSticks) {
    const SHwalls boxes[2] = {{5, 0, 0, -5, 0, 5, false}, {50, 45, 0, -5, 0, 5, false}};
    int canMove = -1;
    // A scan that went on would end on the clear second box and say 1.
    ifMove(&canMove, 2, boxes[0], 2.5f, -2.5f, 1.0f, &hit);
    EXPECT_EQ(canMove, 0);
    EXPECT_EQ(hit, 1);
    ifMove(&canMove, 2, boxes[0], 20.0f, -2.5f, 1.0f, &hit);
    EXPECT_EQ(canMove, 1);
    EXPECT_EQ(hit, 1);
}

}  // namespace
