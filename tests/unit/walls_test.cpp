// walls_test.cpp -- which wall faces a changed grid hides. The faces of the
// built-in grid, vertex by vertex, are in tests/sim/first_frame.expected.
#include "fixture.h"
#include "render/walls.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

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

}  // namespace
