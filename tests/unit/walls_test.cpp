// walls_test.cpp -- which wall faces are drawn, with what coordinates and colours.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "fixture.h"
#include "render/walls.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

namespace {

class WallsTest : public GameTest {};

using glrec::Batch;
using glrec::Vertex;

// Side faces by the number of their plane (1: x = xmin, 2: z = zmin,
// 3: x = xmax, 4: z = zmax), one set per grid level visited.
std::vector<std::set<int>> FacesPerGridLevel(const SHwalls& box) {
    std::vector<std::set<int>> levels(1);
    for (const Batch& b : glrec::Get().batches) {
        if (b.vertices.size() == 8) {  // top and bottom close a grid level
            levels.emplace_back();
            continue;
        }
        const Vertex& v = b.vertices[0];
        const Vertex& w = b.vertices[2];
        const int face = v.x == box.xmin && w.x == box.xmin   ? 1
                         : v.z == box.zmin && w.z == box.zmin ? 2
                         : v.x == box.xmax && w.x == box.xmax ? 3
                                                              : 4;
        levels.back().insert(face);
    }
    levels.pop_back();
    return levels;
}

std::vector<std::set<int>> DrawOnly(const SHwalls& box) {
    W[0] = box;
    glrec::Clear();
    DrawWalls(1);
    return FacesPerGridLevel(box);
}

// The wall box standing at level, row, column of the built-in grid.
SHwalls WallAt(int level, int row, int column) {
    const BoxCounts counts = RebuildBoxes();
    for (int i = 0; i < counts.wallCount; ++i) {
        if (W[i].ymin == 5.0f * level && W[i].xmax == 5.0f * row && W[i].zmax == -5.0f * column) {
            return W[i];
        }
    }
    ADD_FAILURE() << "no wall box at " << level << "," << row << "," << column;
    return SHwalls{};
}

TEST_F(WallsTest, BuiltInGridCostsItsFixedNumberOfPairsAndVertices) {
    texture[kWallTexture] = 7;
    const BoxCounts counts = RebuildBoxes();
    DrawWalls(counts.wallCount);
    const glrec::Recording& rec = glrec::Get();
    EXPECT_EQ(rec.pairs, 1999);
    EXPECT_EQ(rec.vertices, 11008);

    int sides = 0;
    int topsAndBottoms = 0;
    for (const Batch& b : rec.batches) {
        EXPECT_EQ(b.mode, GLenum(GL_QUADS));
        for (const Vertex& v : b.vertices) {
            EXPECT_EQ(v.texture, 7u);
            EXPECT_FALSE(v.blend);
        }
        (b.vertices.size() == 4 ? sides : topsAndBottoms) += 1;
    }
    EXPECT_EQ(sides, 1246);
    EXPECT_EQ(topsAndBottoms, 753);
    // One white RGBA for the pass and one per side face; yellow twice per box visit.
    EXPECT_EQ(glrec::CallsNamed("glColor4f").size(), 1u + 1246u);
    EXPECT_EQ(glrec::CallsNamed("glColor3f").size(), 2u * 753u);
    EXPECT_EQ(glrec::CallsNamed("glTexCoord2f").size(), 4u * 1246u);
}

TEST_F(WallsTest, EmptyListStillBindsTheWallTextureAndSetsWhite) {
    texture[kWallTexture] = 7;
    DrawWalls(0);
    EXPECT_EQ(glrec::CallNames(), (std::vector<std::string>{"glBindTexture", "glColor4f"}));
    EXPECT_EQ(glrec::CallsNamed("glBindTexture")[0].args, (std::vector<double>{GL_TEXTURE_2D, 7}));
    EXPECT_EQ(glrec::CallsNamed("glColor4f")[0].args, (std::vector<double>{1, 1, 1, 1}));
}

// Level 1, row 5, column 4 stands alone on levels 1 and 2: grid level 1 shows
// all four faces, each in the tabled order, white, with the texture spanning
// it; top and bottom are yellow at the (0, 1) the last side face left.
TEST_F(WallsTest, FacesFollowTheTable) {
    const SHwalls box = WallAt(1, 5, 4);
    W[0] = box;
    DrawWalls(1);
    const auto& batches = glrec::Get().batches;
    // Grid level 0 has walls above and below it in x: faces 2 and 4, then the top.
    ASSERT_EQ(batches.size(), 3u + 5u + 5u);
    const float x0 = box.xmin, x1 = box.xmax, y0 = box.ymin, y1 = box.ymax;
    const float z0 = box.zmin, z1 = box.zmax;
    const float expected[4][4][3] = {
        {{x0, y0, z1}, {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}},
        {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}},
        {{x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}},
        {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}},
    };
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int face = 0; face < 4; ++face) {
        const Batch& b = batches[3 + face];
        ASSERT_EQ(b.vertices.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const Vertex& v = b.vertices[i];
            EXPECT_EQ(v.x, expected[face][i][0]) << "face " << face + 1 << " vertex " << i + 1;
            EXPECT_EQ(v.y, expected[face][i][1]) << "face " << face + 1 << " vertex " << i + 1;
            EXPECT_EQ(v.z, expected[face][i][2]) << "face " << face + 1 << " vertex " << i + 1;
            EXPECT_EQ(v.s, st[i][0]);
            EXPECT_EQ(v.t, st[i][1]);
            EXPECT_EQ((std::vector<float>{v.r, v.g, v.b, v.a}), (std::vector<float>{1, 1, 1, 1}));
        }
    }
    const Batch& ends = batches[2];
    ASSERT_EQ(ends.vertices.size(), 8u);
    const float corners[4][2] = {{x1, z1}, {x0, z1}, {x0, z0}, {x1, z0}};
    for (int i = 0; i < 8; ++i) {
        const Vertex& v = ends.vertices[i];
        EXPECT_EQ((std::vector<float>{v.x, v.y, v.z}),
                  (std::vector<float>{corners[i % 4][0], i < 4 ? y1 : y0, corners[i % 4][1]}));
        EXPECT_EQ((std::vector<float>{v.r, v.g, v.b, v.a, v.s, v.t}),
                  (std::vector<float>{1, 1, 0, 1, 0, 1}));
    }
}

TEST_F(WallsTest, NeighboursOutsideTheGridCountAsOpen) {
    // Level 0, row 0, column 0: faces 1 and 4 look at indices -20 and -1.
    EXPECT_EQ(DrawOnly(WallAt(0, 0, 0)), (std::vector<std::set<int>>{{1, 4}, {}, {}}));
    // Level 2, row 9, column 19: faces 2 and 3 look at indices 600 and 619.
    EXPECT_EQ(DrawOnly(WallAt(2, 9, 19)), (std::vector<std::set<int>>{{}, {}, {2, 3}}));
}

// Every box is tested against all three grid levels: level 1, row 7, column
// 14 has a wall beyond face 3 on levels 1 and 2 but open floor on level 0, so
// that face is drawn once, in grid level 0; beyond face 1 lies a wall on
// level 0 only.
TEST_F(WallsTest, EachGridLevelShowsTheFacesItsNeighboursLeaveOpen) {
    EXPECT_EQ(DrawOnly(WallAt(1, 7, 14)), (std::vector<std::set<int>>{{3}, {1, 2, 4}, {1, 2, 4}}));
}

// The wall box shifted into the square of column 18 is tested as column 18:
// the 'w' of column 19 hides face 2 everywhere.
TEST_F(WallsTest, ShiftedWallBoxIsTestedWhereItStands) {
    EXPECT_EQ(DrawOnly(WallAt(1, 5, 18)), (std::vector<std::set<int>>{{1, 3}, {1, 3, 4}, {1, 3, 4}}));
}

TEST_F(WallsTest, OnlyTheWallCodeHidesAFace) {
    const SHwalls box = WallAt(0, 1, 4);  // face 4 looks at level 0, row 1, column 3
    for (int code : {kOpen, kStair, kCrate, kDoor, int('f'), kWall}) {
        map[CellIndex(0, 1, 3)] = code;
        EXPECT_EQ(DrawOnly(box)[0].count(4), code == kWall ? 0u : 1u) << "code " << code;
    }
}

}  // namespace
