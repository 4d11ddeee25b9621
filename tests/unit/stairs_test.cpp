// stairs_test.cpp -- the ten-step flights and the state they inherit from the walls.
#include <gtest/gtest.h>

#include <vector>

#include "fixture.h"
#include "render/stairs.h"
#include "render/walls.h"
#include "world/cell_boxes.h"
#include "world/textures.h"

namespace {

using glrec::Vertex;

class StairsTest : public GameTest {
protected:
    // Walls first, as in the frame, then only the stairs are kept.
    void DrawFrameStairs() {
        texture[kWallTexture] = 7;
        const BoxCounts counts = RebuildBoxes();
        DrawWalls(counts.wallCount);
        glrec::Clear();
        DrawStairs(counts.stairCount);
    }
};

struct Expected {
    float x, y, z;
    float r, g, b;
};

void ExpectStep(const glrec::Batch& batch, const std::vector<Expected>& expected) {
    ASSERT_EQ(batch.vertices.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Vertex& v = batch.vertices[i];
        const Expected& e = expected[i];
        EXPECT_EQ((std::vector<float>{v.x, v.y, v.z}), (std::vector<float>{e.x, e.y, e.z}))
            << "vertex " << i;
        EXPECT_EQ((std::vector<float>{v.r, v.g, v.b, v.a}), (std::vector<float>{e.r, e.g, e.b, 1}))
            << "vertex " << i;
    }
}

TEST_F(StairsTest, TwoFlightsOfTenStepsWithTheWallTextureAndItsCorner) {
    DrawFrameStairs();
    const glrec::Recording& rec = glrec::Get();
    EXPECT_EQ(rec.pairs, 20);
    EXPECT_EQ(rec.vertices, 240);
    for (const glrec::Batch& b : rec.batches) {
        EXPECT_EQ(b.mode, GLenum(GL_QUADS));
        for (const Vertex& v : b.vertices) {
            EXPECT_EQ(v.texture, 7u);
            EXPECT_EQ(v.s, 0.0f);  // left current by the last wall face
            EXPECT_EQ(v.t, 1.0f);
        }
    }
    EXPECT_TRUE(glrec::CallsNamed("glTexCoord2f").empty());
    EXPECT_TRUE(glrec::CallsNamed("glBindTexture").empty());
    EXPECT_TRUE(glrec::CallsNamed("glColor4f").empty());
    EXPECT_EQ(glrec::CallsNamed("glColor3f").size(), 20u * 6u);
}

const float kPale[3] = {0.8f, 0.7f, 0.9f};
const float kDark[3] = {0.2f, 0.2f, 0.2f};

// One step of the ground flight: riser, tread, then the back panel at z = -25.
std::vector<Expected> Step(float ys, float zs, const float* riser, const float* tread) {
    const float top = ys + 0.5f;
    const float* r = riser;
    const float* t = tread;
    return {{40, ys, zs, r[0], r[1], r[2]},   {35, ys, zs, r[0], r[1], r[2]},
            {35, top, zs, r[0], r[1], r[2]},  {40, top, zs, r[0], r[1], r[2]},
            {40, top, zs, t[0], t[1], t[2]},  {35, top, zs, t[0], t[1], t[2]},
            {35, top, -25, t[0], t[1], t[2]}, {40, top, -25, t[0], t[1], t[2]},
            {40, 0, -25, 0.5f, 0, 0.2f},      {35, 0, -25, 1, 1, 0.5f},
            {35, 5, -25, 1, 1, 0.5f},         {40, 5, -25, 1, 1, 0}};
}

// Level 0, row 8, column 4: x 35 to 40, z -25 to -20, y 0 to 5.
TEST_F(StairsTest, FirstAndLastStepOfTheGroundFlightAndTheFootOfTheUpper) {
    DrawFrameStairs();
    const auto& batches = glrec::Get().batches;
    ExpectStep(batches[0], Step(0, -20, kPale, kDark));
    ExpectStep(batches[9], Step(4.5f, -24.5f, kDark, kPale));
    // Level 1, row 8, column 6 starts on its own floor.
    const Vertex& foot = batches[10].vertices[0];
    EXPECT_EQ((std::vector<float>{foot.x, foot.y, foot.z}), (std::vector<float>{40, 5, -30}));
}

TEST_F(StairsTest, EmptyListDrawsNothing) {
    DrawStairs(0);
    EXPECT_TRUE(glrec::CallNames().empty());
}

}  // namespace
