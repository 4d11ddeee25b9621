// floors_test.cpp -- floor tiles, the openings above staircases, the state left for crates.
#include <vector>

#include "fixture.h"
#include "render/floors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

namespace {

class FloorsTest : public GameTest {
protected:
    void DrawFrameFloors() {
        texture[kFloorTexture] = 8;
        glrec::Clear();
        DrawFloors(RebuildBoxes().openCount);
    }

    // Whether a tile covers the cell at level, row, column.
    static bool TileAt(int level, int row, int column) {
        for (const glrec::Batch& b : glrec::Get().batches) {
            const glrec::Vertex& v = b.vertices[0];
            if (v.y == 5.0f * level && v.x == 5.0f * row && v.z == -5.0f * column) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(FloorsTest, EveryOpenCellButTheTwoAboveStairsGetsATile) {
    DrawFrameFloors();
    const glrec::Recording& rec = glrec::Get();
    EXPECT_EQ(rec.pairs, 340);
    EXPECT_EQ(rec.vertices, 1360);
    EXPECT_FALSE(TileAt(1, 8, 4));  // above the ground flight
    EXPECT_FALSE(TileAt(2, 8, 6));  // above the upper flight
    EXPECT_TRUE(TileAt(2, 8, 4));
    EXPECT_TRUE(TileAt(1, 8, 5));

    // Corners from (xmax, zmax) on, as the tile of level 0, row 1, column 1
    // shows first: (5, -5), (0, -5), (0, -10), (5, -10).
    const float corners[4][4] = {{0, 0, 1, 0}, {-5, 0, 1, 1}, {-5, -5, 0, 1}, {0, -5, 0, 0}};
    EXPECT_EQ(XyzRgbaSt(rec.batches[0].vertices[0]), (std::vector<float>{5, 0, -5, 1, 1, 1, 1, 1, 0}));
    for (const glrec::Batch& b : rec.batches) {
        ASSERT_EQ(b.vertices.size(), 4u);
        const float x = b.vertices[0].x, y = b.vertices[0].y, z = b.vertices[0].z;
        for (int i = 0; i < 4; ++i) {
            const float* c = corners[i];
            EXPECT_TRUE(b.vertices[i].texture == 8u && !b.vertices[i].blend);
            const std::vector<float> expected = {x + c[0], y, z + c[1], 1, 1, 1, 1, c[2], c[3]};
            EXPECT_EQ(XyzRgbaSt(b.vertices[i]), expected);
        }
    }
    // The crates that follow draw at the coordinate the last corner leaves.
    EXPECT_EQ(glrec::CallsNamed("glTexCoord2f").back().args, (std::vector<double>{0, 0}));
}

TEST_F(FloorsTest, OnlyAStairBelowLeavesTheTileOut) {
    for (int code : {kWall, kDoor, kCrate, int('f')}) {
        map[CellIndex(0, 8, 4)] = code;
        DrawFrameFloors();
        EXPECT_TRUE(TileAt(1, 8, 4)) << "code " << code;
    }
    map[CellIndex(1, 2, 2)] = kStair;
    DrawFrameFloors();
    EXPECT_FALSE(TileAt(2, 2, 2));
}

}  // namespace
