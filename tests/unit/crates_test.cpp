// crates_test.cpp -- the recorded tile and marker, and collecting a crate.
#include "fixture.h"
#include "render/crates.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

class CratesTest : public GameTest {
protected:
    void Pass() {
        const BoxCounts counts = RebuildBoxes();
        CratePass(counts.crateCount, ComputePlayerCell());
    }
};

TEST_F(CratesTest, EachCrateIsAnOpaqueTileThenABlendedDoublePyramid) {
    Pass();
    const auto& batches = glrec::Get().batches;
    ASSERT_EQ(batches.size(), 4u);
    const float zmax[2] = {-10, -35};  // row 5, columns 2 and 7
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const auto& tile = batches[2 * i];
        const auto& marker = batches[2 * i + 1];
        ASSERT_TRUE(tile.mode == GL_QUADS && tile.vertices.size() == 4u);
        ASSERT_TRUE(marker.mode == GL_TRIANGLES && marker.vertices.size() == 24u);
        for (const auto& v : tile.vertices) {
            EXPECT_TRUE(v.r == 0 && v.g == 0.2f && v.b == 0.8f && v.a == 1 && v.y == 0 && !v.blend);
        }
        EXPECT_EQ(tile.vertices[2].z, zmax[i] - 5);
        for (const auto& v : marker.vertices) {
            EXPECT_TRUE(v.r == 1 && v.g == 1 && v.b == 1 && v.a == 0.5f && v.blend);
        }
        // Triangle 1 is E1, T, E2; triangle 8 is E4, B, E1.
        const auto& m = marker.vertices;
        EXPECT_TRUE(m[0].x == 23 && m[0].y == 0.8f && m[0].z == zmax[i] - 2);
        EXPECT_TRUE(m[1].x == 22.5f && m[1].y == 1.8f && m[1].z == zmax[i] - 2.5f);
        EXPECT_TRUE(m[2].x == 22 && m[2].z == zmax[i] - 2);
        EXPECT_TRUE(m[21].x == 23 && m[21].z == zmax[i] - 3);
        EXPECT_TRUE(m[22].x == 22.5f && m[22].y == 0.3f);
        EXPECT_TRUE(m[23].x == 23 && m[23].z == zmax[i] - 2);
    }
    EXPECT_FALSE(glrec::IsEnabled(GL_BLEND));
}

// Once both are collected the list is empty: no stale crate may be drawn.
TEST_F(CratesTest, EmptyListDrawsNothing) {
    CratePass(0, ComputePlayerCell());
    EXPECT_TRUE(glrec::Get().batches.empty());
    EXPECT_FALSE(glrec::IsEnabled(GL_BLEND));
}

TEST_F(CratesTest, ReachIsStrictlyLessThanTwo) {
    // Eye level with the crate's point, exactly 2 from it along x.
    centery = 1.0f;
    centerx = 20.5f;
    centerz = -12.5f;
    Pass();
    EXPECT_EQ(CellAt(0, 5, 2), kCrate);
    centerx = 20.501f;
    Pass();
    EXPECT_EQ(CellAt(0, 5, 2), kOpen);
    EXPECT_EQ(CellAt(0, 5, 7), kCrate);
}

}  // namespace
