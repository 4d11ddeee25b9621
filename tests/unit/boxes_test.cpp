// boxes_test.cpp -- the box lists of a grid that overfills one. The boxes of
// the built-in grid are drawn, one by one, in tests/sim/first_frame.expected.
#include <algorithm>
#include <vector>

#include "fixture.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

class BoxesTest : public GameTest {};

std::vector<float> Bounds(const SHwalls& b) {
    return {b.xmin, b.xmax, b.zmin, b.zmax, b.ymin, b.ymax};
}

// The box of the square whose larger x is xmax and larger z is zmax, on the
// level whose floor is at ymin.
std::vector<float> Square(float xmax, float zmax, float ymin) {
    return {xmax - 5, xmax, zmax - 5, zmax, ymin, ymin + 5};
}

std::vector<int> Counts(const BoxCounts& c) {
    return {c.wallCount, c.openCount, c.stairCount, c.crateCount, c.doorCount};
}

// A grid changed at run time may hold more crates than the list has room for:
// the extra crates are left out, later boxes keep their own squares, and the
// lists beside it, with the doors' open flags, are untouched.
TEST_F(BoxesTest, ElevenCratesListTenAndOverflowNothing) {
    for (int column = 1; column <= 9; ++column) {
        map[CellIndex(2, 1, column)] = kCrate;  // with the two built-in ones: 11
    }
    RebuildBoxes();
    D[0].open = true;
    const BoxCounts counts = RebuildBoxes();
    EXPECT_EQ(Counts(counts), (std::vector<int>{251, 342 - 9, 2, 10, 1}));
    EXPECT_EQ(Bounds(C[9]), Square(5, -40, 10));  // level 2, row 1, column 8; column 9 is dropped
    EXPECT_TRUE(D[0].open);
    EXPECT_EQ(Bounds(D[0]), Square(25, -20, 0));
    // The open cell after the dropped crate, level 2, row 1, column 10.
    EXPECT_TRUE(std::any_of(A, A + counts.openCount, [](const SHwalls& a) { return Bounds(a) == Square(5, -50, 10); }));
}

}  // namespace
