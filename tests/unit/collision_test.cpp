// collision_test.cpp -- the wall probe: margins, heights, first hit, sticky flag.
#include <gtest/gtest.h>

#include "world/collision.h"

namespace {

// Two wall cells, x 5 to 10 and 45 to 50, both at z -10 to -5 and y 0 to 5.
const SHwalls kBoxes[2] = {{10, 5, -5, -10, 0, 5, false}, {50, 45, -5, -10, 0, 5, false}};

// The probe's result; `hit` starts at a value the probe never writes.
int Probe(int count, float x, float z, float y, int& hit) {
    int canMove = -1;
    ifMove(&canMove, count, kBoxes[0], x, z, y, &hit);
    return canMove;
}

TEST(CollisionTest, MarginSumsAreNotRoundedToFloat) {
    // Each point lies a float ulp or so inside the margin; rounded to float,
    // 4.8f + 0.2 and the like land exactly on the edge and would miss.
    const float points[4][2] = {{4.8f, -7.5f}, {10.2f, -7.5f}, {7.5f, -4.8f}, {7.5f, -10.2f}};
    for (const auto& p : points) {
        int hit = 7;
        EXPECT_EQ(Probe(1, p[0], p[1], 1.5f, hit), 0) << p[0] << ", " << p[1];
        EXPECT_EQ(hit, 1);
    }
}

TEST(CollisionTest, HeightIsNotWidenedAndItsBoundsAreOpen) {
    int hit = 7;
    EXPECT_EQ(Probe(1, 7.5f, -7.5f, 5.0f, hit), 1);
    EXPECT_EQ(Probe(1, 7.5f, -7.5f, 0.0f, hit), 1);
    EXPECT_EQ(hit, 7);
    EXPECT_EQ(Probe(1, 7.5f, -7.5f, 4.99f, hit), 0);
}

TEST(CollisionTest, EmptyListBlocksWithoutAHit) {
    int hit = 7;
    EXPECT_EQ(Probe(0, 20.0f, -7.5f, 1.5f, hit), 0);
    EXPECT_EQ(Probe(-3, 20.0f, -7.5f, 1.5f, hit), 0);
    EXPECT_EQ(hit, 7);
}

TEST(CollisionTest, ScanStopsAtTheFirstHitAndTheFlagSticks) {
    int hit = 0;
    // A scan that went on would end on the clear second box and say 1.
    EXPECT_EQ(Probe(2, 7.5f, -7.5f, 1.5f, hit), 0);
    EXPECT_EQ(hit, 1);
    EXPECT_EQ(Probe(2, 20.0f, -7.5f, 1.5f, hit), 1);
    EXPECT_EQ(hit, 1);
}

}  // namespace
