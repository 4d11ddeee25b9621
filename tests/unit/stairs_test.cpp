// stairs_test.cpp -- the ten-step flights and the state they inherit from the walls.
#include <vector>

#include "fixture.h"
#include "render/stairs.h"
#include "render/walls.h"
#include "world/cell_boxes.h"
#include "world/textures.h"

namespace {

class StairsTest : public GameTest {};

using Rows = std::vector<std::vector<float>>;

// One step of the ground flight as x, y, z, r, g, b a vertex: riser, tread,
// then the back panel at z = -25.
Rows Step(float ys, float zs, const float* r, const float* t) {
    const float top = ys + 0.5f;
    return {{40, ys, zs, r[0], r[1], r[2]},   {35, ys, zs, r[0], r[1], r[2]},
            {35, top, zs, r[0], r[1], r[2]},  {40, top, zs, r[0], r[1], r[2]},
            {40, top, zs, t[0], t[1], t[2]},  {35, top, zs, t[0], t[1], t[2]},
            {35, top, -25, t[0], t[1], t[2]}, {40, top, -25, t[0], t[1], t[2]},
            {40, 0, -25, 0.5f, 0, 0.2f},      {35, 0, -25, 1, 1, 0.5f},
            {35, 5, -25, 1, 1, 0.5f},         {40, 5, -25, 1, 1, 0}};
}

Rows Drawn(const glrec::Batch& batch) {
    Rows rows;
    for (const glrec::Vertex& v : batch.vertices) {
        rows.push_back({v.x, v.y, v.z, v.r, v.g, v.b});
    }
    return rows;
}

// Level 0, row 8, column 4 (x 35 to 40, z -25 to -20, y 0 to 5) and level 1,
// row 8, column 6. Drawn after the walls, as in the frame, with the texture
// and the texture coordinate the last wall face left current.
TEST_F(StairsTest, TwoFlightsOfTenStepsWithTheWallTextureAndItsCorner) {
    texture[kWallTexture] = 7;
    const BoxCounts counts = RebuildBoxes();
    DrawWalls(counts.wallCount);
    glrec::Clear();
    DrawStairs(counts.stairCount);
    const glrec::Recording& rec = glrec::Get();
    EXPECT_EQ(rec.pairs, 20);
    EXPECT_EQ(rec.vertices, 240);
    for (const glrec::Batch& b : rec.batches) {
        EXPECT_EQ(b.mode, GLenum(GL_QUADS));
        for (const glrec::Vertex& v : b.vertices) {
            EXPECT_TRUE(v.texture == 7u && v.s == 0 && v.t == 1 && v.a == 1 && !v.blend);
        }
    }
    const float pale[3] = {0.8f, 0.7f, 0.9f}, dark[3] = {0.2f, 0.2f, 0.2f};
    EXPECT_EQ(Drawn(rec.batches[0]), Step(0, -20, pale, dark));
    EXPECT_EQ(Drawn(rec.batches[9]), Step(4.5f, -24.5f, dark, pale));
    EXPECT_EQ(Drawn(rec.batches[10])[0], (std::vector<float>{40, 5, -30, 0.8f, 0.7f, 0.9f}));
}

}  // namespace
