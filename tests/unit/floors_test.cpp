// floors_test.cpp -- which cells of a changed grid lose their floor tile. The
// tiles of the built-in grid are in tests/sim/first_frame.expected.
#include "fixture.h"
#include "render/floors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

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

}  // namespace
