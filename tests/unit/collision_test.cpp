// collision_test.cpp -- the wall probe: margins, heights, first hit, sticky flag.
#include <gtest/gtest.h>

#include "world/collision.h"

namespace {

// Two wall cells, x 5 to 10 and 45 to 50, both at z -10 to -5 and y 0 to 5.
const SHwalls kBoxes[2] = {{10, 5, -5, -10, 0, 5, false}, {50, 45, -5, -10, 0, 5, false}};

// The hit flag starts at 7, a value the probe never writes: a clear probe
// leaves it as it was, so a hit sticks.
TEST(CollisionTest, ProbeRefusesInsideTheMarginAndFlagsTheHit) {
    const struct {
        const char* what;
        int count;
        float x, z, y;
        int canMove, hit;
    } cases[] = {
        // A float ulp or so inside the margin: rounded to float, 4.8f + 0.2
        // and the like land exactly on the edge and would miss.
        {"margin -x", 1, 4.8f, -7.5f, 1.5f, 0, 1},
        {"margin +x", 1, 10.2f, -7.5f, 1.5f, 0, 1},
        {"margin +z", 1, 7.5f, -4.8f, 1.5f, 0, 1},
        {"margin -z", 1, 7.5f, -10.2f, 1.5f, 0, 1},
        // The height is not widened and its bounds are open.
        {"on the top", 1, 7.5f, -7.5f, 5.0f, 1, 7},
        {"on the floor", 1, 7.5f, -7.5f, 0.0f, 1, 7},
        {"just below the top", 1, 7.5f, -7.5f, 4.99f, 0, 1},
        {"empty list", 0, 20.0f, -7.5f, 1.5f, 0, 7},
        {"negative count", -3, 20.0f, -7.5f, 1.5f, 0, 7},
        // A scan that went on past the hit would end on the clear second box.
        {"first of two", 2, 7.5f, -7.5f, 1.5f, 0, 1},
        {"clear of both", 2, 20.0f, -7.5f, 1.5f, 1, 7},
    };
    for (const auto& c : cases) {
        int canMove = -1, hit = 7;
        ifMove(&canMove, c.count, kBoxes[0], c.x, c.z, c.y, &hit);
        EXPECT_EQ(canMove, c.canMove) << c.what;
        EXPECT_EQ(hit, c.hit) << c.what;
    }
}

}  // namespace
