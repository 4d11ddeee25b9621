// doors_test.cpp -- the door's recorded slab, the open test and the shared lift.
#include <vector>

#include "fixture.h"
#include "game/input.h"
#include "render/doors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"
#include "world/textures.h"

namespace {

class DoorsTest : public GameTest {
protected:
    // One door pass with the player's cell taken from his position.
    void Pass() {
        const BoxCounts counts = RebuildBoxes();
        DoorPass(counts.doorCount, ComputePlayerCell());
    }
    void StandAt(float x, float z) {
        centerx = x;
        centerz = z;
    }
};

TEST_F(DoorsTest, SlabIsOneWhitePairWithTheDoorTextureAndAnInheritedEdge) {
    texture[kDoorTexture] = 13;
    DoorUp = 1.25f;
    glColor4f(0, 0, 0, 0);  // whatever the walls and stairs left
    Pass();
    const auto& batches = glrec::Get().batches;
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_EQ(batches[0].mode, GLenum(GL_QUADS));
    const auto& v = batches[0].vertices;
    ASSERT_EQ(v.size(), 12u);
    // The door of level 0, row 5, column 4: x 20 to 25, zmax -20; s, t, x, y, z.
    const float expect[12][5] = {
        {0, 0, 25, 1.25f, -22}, {1, 0, 20, 1.25f, -22}, {1, 1, 20, 6.25f, -22}, {0, 1, 25, 6.25f, -22},
        {0, 0, 25, 1.25f, -23}, {1, 0, 20, 1.25f, -23}, {1, 1, 20, 6.25f, -23}, {0, 1, 25, 6.25f, -23},
        {0, 1, 25, 1.25f, -22}, {0, 1, 20, 1.25f, -22}, {0, 1, 20, 1.25f, -23}, {0, 1, 25, 1.25f, -23},
    };
    for (int i = 0; i < 12; ++i) {
        const float* e = expect[i];
        EXPECT_EQ(XyzRgbaSt(v[i]), (std::vector<float>{e[2], e[3], e[4], 1, 1, 1, 1, e[0], e[1]})) << i + 1;
        EXPECT_EQ(v[i].texture, 13u);
    }
}

TEST_F(DoorsTest, HiddenDoorStillLifts) {
    map[CellIndex(0, 5, 3)] = kWall;  // the cell one column lower
    D[0].open = true;
    Oldy2 = 5.0f;
    Pass();
    EXPECT_TRUE(glrec::Get().batches.empty());
    EXPECT_EQ(DoorUp, 0.002f);
}

// From the next cell it never opens: tests/sim/door_from_next_cell.script.
TEST_F(DoorsTest, OpensFromWithinThreeOfTheCentre) {
    keys[kVkE] = 1;
    StandAt(20.4f, -20.4f);  // a corner of the door cell, 3.13 away
    Pass();
    EXPECT_FALSE(D[0].open);
    StandAt(20.5f, -20.5f);  // exactly 3 away counts as near
    Pass();
    EXPECT_TRUE(D[0].open);
    EXPECT_EQ(Oldy2, 5.0f);
    EXPECT_EQ(Oldi, 0);
}

}  // namespace
