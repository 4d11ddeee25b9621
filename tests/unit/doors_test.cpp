// doors_test.cpp -- a hidden door. The slab's vertices are in
// tests/sim/first_frame.expected, the lift's cycle in door_cycle, who may
// open a door in reach and door_from_next_cell.
#include "fixture.h"
#include "game/doors.h"
#include "world/cell_boxes.h"
#include "world/level_grid.h"

namespace {

class DoorsTest : public GameTest {
protected:
    // One door pass with the player's cell taken from his position.
    void Pass() {
        const BoxCounts counts = RebuildBoxes();
        DoorPass(counts.doorCount, ComputePlayerCell(), true);
    }
};

// Seen only from an open cell one column lower; unseen, it still lifts.
TEST_F(DoorsTest, HiddenDoorStillLifts) {
    map[CellIndex(0, 5, 3)] = kCrate;  // anything but open floor hides it
    D[0].open = true;
    Oldy2 = 5.0f;
    Pass();
    EXPECT_TRUE(glrec::Get().batches.empty());
    EXPECT_EQ(DoorUp, 0.002f);
}

}  // namespace
