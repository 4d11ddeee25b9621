// grid_test.cpp -- what a grid changed at run time does to the box lists, the
// wall faces, the floor tiles and a door it hides. Those of the built-in grid
// are drawn, one by one, in tests/sim/first_frame.expected; the lift's cycle
// is in door_cycle, who may open a door in reach and door_from_next_cell.
#include <algorithm>
#include <vector>

#include "fixture.h"
#include "game/doors.h"
#include "render/floors.h"
#include "render/walls.h"
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

class WallsTest : public GameTest {};

// Face 4 of the wall at level 0, row 1, column 4 (the plane z = zmax) looks at
// column 3. Only the wall code there hides it, and only in grid level 0: the
// box is tested against every grid level, and column 3 is open on the others.
TEST_F(WallsTest, OnlyTheWallCodeHidesAFace) {
    const BoxCounts counts = RebuildBoxes();
    const SHwalls* box = nullptr;
    for (int i = 0; i < counts.wallCount; ++i) {
        if (W[i].ymin == 0 && W[i].xmax == 5 && W[i].zmax == -20) {
            box = &W[i];
        }
    }
    ASSERT_NE(box, nullptr);
    W[0] = *box;
    for (int code : {kOpen, kStair, kCrate, kDoor, int('f'), kWall}) {
        map[CellIndex(0, 1, 3)] = code;
        glrec::Clear();
        DrawWalls(1);
        int facesAtZmax = 0;
        for (const glrec::Batch& b : glrec::Get().batches) {
            bool all = b.vertices.size() == 4;
            for (const glrec::Vertex& v : b.vertices) {
                all = all && v.z == W[0].zmax;
            }
            facesAtZmax += all ? 1 : 0;
        }
        EXPECT_EQ(facesAtZmax, code == kWall ? 2 : 3) << "code " << code;
    }
}

class FloorsTest : public GameTest {
protected:
    // Whether this frame's floors cover the cell at level, row, column.
    static bool TileAt(int level, int row, int column) {
        glrec::Clear();
        DrawFloors(RebuildBoxes().openCount);
        for (const glrec::Batch& b : glrec::Get().batches) {
            const glrec::Vertex& v = b.vertices[0];
            if (v.y == 5.0f * level && v.x == 5.0f * row && v.z == -5.0f * column) {
                return true;
            }
        }
        return false;
    }
};

// The opening is for the flight rising from below, whatever else stands there.
TEST_F(FloorsTest, OnlyAStairBelowLeavesTheTileOut) {
    for (int code : {kWall, kDoor, kCrate, int('f')}) {
        map[CellIndex(0, 8, 4)] = code;
        EXPECT_TRUE(TileAt(1, 8, 4)) << "code " << code;
    }
    map[CellIndex(1, 2, 2)] = kStair;
    EXPECT_FALSE(TileAt(2, 2, 2));
}

class DoorsTest : public GameTest {
protected:
    // One door pass with the player's cell taken from his position.
    void Pass() {
        const BoxCounts counts = RebuildBoxes();
        DoorPass(counts.doorCount, ComputePlayerCell(), true);
    }
};

// Seen only from an open cell one column lower; unseen, it still lifts.
TEST_F(DoorsTest, HiddenDoorStillLifts) {
    map[CellIndex(0, 5, 3)] = kCrate;  // anything but open floor hides it
    D[0].open = true;
    Oldy2 = 5.0f;
    Pass();
    EXPECT_TRUE(glrec::Get().batches.empty());
    EXPECT_EQ(DoorUp, 0.002f);
}

}  // namespace
