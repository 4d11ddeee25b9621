// floors_test.cpp -- floor tiles, the openings above staircases, the state left for crates.
#include <gtest/gtest.h>

#include <vector>

#include "fixture.h"
#include "render/floors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

namespace {

using glrec::Vertex;

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
            const Vertex& v = b.vertices[0];
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

    const float st[4][2] = {{1, 0}, {1, 1}, {0, 1}, {0, 0}};
    for (const glrec::Batch& b : rec.batches) {
        ASSERT_EQ(b.vertices.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const Vertex& v = b.vertices[i];
            EXPECT_EQ(v.texture, 8u);
            EXPECT_FALSE(v.blend);
            EXPECT_EQ((std::vector<float>{v.r, v.g, v.b, v.a}), (std::vector<float>{1, 1, 1, 1}));
            EXPECT_EQ(v.s, st[i][0]);
            EXPECT_EQ(v.t, st[i][1]);
        }
    }
    EXPECT_TRUE(glrec::CallsNamed("glColor4f").empty());
    EXPECT_EQ(glrec::CallsNamed("glColor3f").size(), 340u);
    // The crates that follow draw at the coordinate the last corner leaves.
    const auto coords = glrec::CallsNamed("glTexCoord2f");
    EXPECT_EQ(coords.back().args, (std::vector<double>{0, 0}));
}

TEST_F(FloorsTest, TileCornersFollowTheTable) {
    DrawFrameFloors();
    const auto& v = glrec::Get().batches[0].vertices;  // level 0, row 1, column 1
    const float expected[4][3] = {{5, 0, -5}, {0, 0, -5}, {0, 0, -10}, {5, 0, -10}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ((std::vector<float>{v[i].x, v[i].y, v[i].z}),
                  (std::vector<float>{expected[i][0], expected[i][1], expected[i][2]}));
    }
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

TEST_F(FloorsTest, CollectedCrateGetsItsTileNextFrame) {
    DrawFrameFloors();
    EXPECT_FALSE(TileAt(0, 5, 2));
    map[CellIndex(0, 5, 2)] = kOpen;
    DrawFrameFloors();
    EXPECT_TRUE(TileAt(0, 5, 2));
    EXPECT_EQ(glrec::Get().pairs, 341);
}

TEST_F(FloorsTest, EmptyListOnlyBindsTheFloorTexture) {
    texture[kFloorTexture] = 8;
    DrawFloors(0);
    EXPECT_EQ(glrec::CallNames(), (std::vector<std::string>{"glBindTexture"}));
    EXPECT_EQ(glrec::BoundTexture(), 8u);
}

}  // namespace
