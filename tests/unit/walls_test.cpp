// walls_test.cpp -- which wall faces are drawn, with what coordinates and colours.
#include <set>
#include <vector>

#include "fixture.h"
#include "render/walls.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

namespace {

class WallsTest : public GameTest {};

using Faces = std::vector<std::set<int>>;

// Draws `box` alone; its side faces by the number of their plane (1: x = xmin,
// 2: z = zmin, 3: x = xmax, 4: z = zmax), one set per grid level visited.
Faces DrawOnly(const SHwalls& box) {
    W[0] = box;
    glrec::Clear();
    DrawWalls(1);
    Faces levels(1);
    for (const glrec::Batch& b : glrec::Get().batches) {
        if (b.vertices.size() == 8) {  // top and bottom close a grid level
            levels.emplace_back();
            continue;
        }
        const glrec::Vertex& v = b.vertices[0];
        const glrec::Vertex& w = b.vertices[2];
        levels.back().insert(v.x == box.xmin && w.x == box.xmin   ? 1
                             : v.z == box.zmin && w.z == box.zmin ? 2
                             : v.x == box.xmax && w.x == box.xmax ? 3
                                                                  : 4);
    }
    levels.pop_back();
    return levels;
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
    DrawWalls(RebuildBoxes().wallCount);
    const glrec::Recording& rec = glrec::Get();
    EXPECT_EQ(rec.pairs, 1999);
    EXPECT_EQ(rec.vertices, 11008);
    for (const glrec::Batch& b : rec.batches) {
        EXPECT_EQ(b.mode, GLenum(GL_QUADS));
        for (const glrec::Vertex& v : b.vertices) {
            EXPECT_TRUE(v.texture == 7u && !v.blend);
        }
    }
}

// Level 1, row 5, column 4 stands alone on levels 1 and 2: grid level 1 shows
// all four faces, each in the tabled order, white, with the texture spanning
// it; top and bottom are yellow at the (0, 1) the last side face left.
TEST_F(WallsTest, FacesFollowTheTable) {
    const SHwalls box = WallAt(1, 5, 4);
    W[0] = box;
    DrawWalls(1);
    const auto& batches = glrec::Get().batches;
    // Grid level 0 has walls above and below it in x: faces 2 and 4, then the ends.
    ASSERT_EQ(batches.size(), 3u + 5u + 5u);
    const float x0 = box.xmin, x1 = box.xmax, y0 = box.ymin, y1 = box.ymax;
    const float z0 = box.zmin, z1 = box.zmax;
    const float corners[4][4][3] = {
        {{x0, y0, z1}, {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}},
        {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}},
        {{x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}},
        {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}},
    };
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int face = 0; face < 4; ++face) {
        const auto& v = batches[3 + face].vertices;
        ASSERT_EQ(v.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const float* c = corners[face][i];
            EXPECT_EQ(XyzRgbaSt(v[i]), (std::vector<float>{c[0], c[1], c[2], 1, 1, 1, 1, st[i][0], st[i][1]}))
                << "face " << face + 1 << " vertex " << i + 1;
        }
    }
    const auto& ends = batches[2].vertices;
    ASSERT_EQ(ends.size(), 8u);
    const float xz[4][2] = {{x1, z1}, {x0, z1}, {x0, z0}, {x1, z0}};
    for (int i = 0; i < 8; ++i) {
        const std::vector<float> yellow = {xz[i % 4][0], i < 4 ? y1 : y0, xz[i % 4][1], 1, 1, 0, 1, 0, 1};
        EXPECT_EQ(XyzRgbaSt(ends[i]), yellow) << "vertex " << i + 1;
    }
}

// Every box is tested against all three grid levels, whichever it stands on.
TEST_F(WallsTest, EachGridLevelShowsTheFacesItsNeighboursLeaveOpen) {
    const struct {
        int level, row, column;
        Faces faces;
    } cases[] = {
        // Faces 1 and 4 look at indices -20 and -1, outside the grid: open.
        {0, 0, 0, {{1, 4}, {}, {}}},
        // Faces 2 and 3 look at indices 600 and 619.
        {2, 9, 19, {{}, {}, {2, 3}}},
        // A wall beyond face 3 on levels 1 and 2, beyond face 1 on level 0 only.
        {1, 7, 14, {{3}, {1, 2, 4}, {1, 2, 4}}},
        // Shifted by the 'f' into the square of column 18 and tested there:
        // the 'w' of column 19 hides face 2 everywhere.
        {1, 5, 18, {{1, 3}, {1, 3, 4}, {1, 3, 4}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawOnly(WallAt(c.level, c.row, c.column)), c.faces)
            << c.level << "," << c.row << "," << c.column;
    }
}

TEST_F(WallsTest, OnlyTheWallCodeHidesAFace) {
    const SHwalls box = WallAt(0, 1, 4);  // face 4 looks at level 0, row 1, column 3
    for (int code : {kOpen, kStair, kCrate, kDoor, int('f'), kWall}) {
        map[CellIndex(0, 1, 3)] = code;
        EXPECT_EQ(DrawOnly(box)[0].count(4), code == kWall ? 0u : 1u) << "code " << code;
    }
}

}  // namespace
