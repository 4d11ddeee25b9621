// boxes_test.cpp -- the five box lists rebuilt from the grid every frame.
#include <gtest/gtest.h>

#include "fixture.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

class BoxesTest : public GameTest {};

// A box of the square whose larger x is xmax and larger z is zmax, on the
// level whose floor is at ymin.
void ExpectBox(const SHwalls& box, float xmax, float zmax, float ymin) {
    EXPECT_EQ(box.xmax, xmax);
    EXPECT_EQ(box.xmin, xmax - 5);
    EXPECT_EQ(box.zmax, zmax);
    EXPECT_EQ(box.zmin, zmax - 5);
    EXPECT_EQ(box.ymin, ymin);
    EXPECT_EQ(box.ymax, ymin + 5);
}

TEST_F(BoxesTest, BuiltInGridFilesEveryCellInLevelRowColumnOrder) {
    const BoxCounts counts = RebuildBoxes();
    EXPECT_EQ(counts.wallCount, 251);
    EXPECT_EQ(counts.openCount, 342);
    EXPECT_EQ(counts.stairCount, 2);
    EXPECT_EQ(counts.crateCount, 2);
    EXPECT_EQ(counts.doorCount, 1);

    ExpectBox(W[0], 0, 0, 0);      // level 0, row 0, column 0
    ExpectBox(A[0], 5, -5, 0);     // level 0, row 1, column 1
    ExpectBox(S[0], 40, -20, 0);   // level 0, row 8, column 4
    ExpectBox(S[1], 40, -30, 5);   // level 1, row 8, column 6
    ExpectBox(D[0], 25, -20, 0);   // level 0, row 5, column 4
    ExpectBox(C[0], 25, -10, 0);   // level 0, row 5, column 2
    ExpectBox(C[1], 25, -35, 0);   // level 0, row 5, column 7
}

TEST_F(BoxesTest, CollectedCrateLeavesTheListsFromTheNextRebuild) {
    RebuildBoxes();
    map[CellIndex(0, 5, 2)] = kOpen;
    const BoxCounts counts = RebuildBoxes();
    EXPECT_EQ(counts.crateCount, 1);
    EXPECT_EQ(counts.openCount, 343);
    ExpectBox(C[0], 25, -35, 0);
}

// The 'f' of row 5, column 18 takes no column position, so the wall of column
// 19 lands in the square of column 18 and the square of column 19 stays empty.
TEST_F(BoxesTest, InertCellShiftsTheRestOfItsRowOnLevelsOneAndTwo) {
    const BoxCounts counts = RebuildBoxes();
    for (float ymin : {5.0f, 10.0f}) {
        const SHwalls* last = nullptr;
        for (int i = 0; i < counts.wallCount; ++i) {
            if (W[i].xmax == 25 && W[i].ymin == ymin) {
                EXPECT_NE(W[i].zmax, -95) << "level floor " << ymin;
                last = &W[i];
            }
        }
        ASSERT_NE(last, nullptr);
        ExpectBox(*last, 25, -90, ymin);
    }
}

// A grid changed at run time may hold more crates than the list has room for:
// the extra crates are left out, later boxes keep their own squares, and the
// lists beside it are untouched.
TEST_F(BoxesTest, ElevenCratesListTenAndOverflowNothing) {
    for (int column = 1; column <= 9; ++column) {
        map[CellIndex(2, 1, column)] = kCrate;  // with the two built-in ones: 11
    }
    RebuildBoxes();
    D[0].open = true;
    const BoxCounts counts = RebuildBoxes();
    EXPECT_EQ(counts.crateCount, 10);
    ExpectBox(C[9], 5, -40, 10);  // level 2, row 1, column 8; column 9 is dropped
    EXPECT_EQ(counts.doorCount, 1);
    EXPECT_TRUE(D[0].open);
    ExpectBox(D[0], 25, -20, 0);
    EXPECT_EQ(counts.openCount, 342 - 9);
    // The open cell after the dropped crate, level 2, row 1, column 10.
    bool found = false;
    for (int i = 0; i < counts.openCount; ++i) {
        found = found || (A[i].ymin == 10 && A[i].xmax == 5 && A[i].zmax == -50);
    }
    EXPECT_TRUE(found);
}

}  // namespace
