// doors_test.cpp -- a hidden door, and who may open one. The slab's vertices
// are in tests/sim/first_frame.expected; the lift's cycle in door_cycle.
#include "fixture.h"
#include "game/doors.h"
#include "game/input.h"
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
    void StandAt(float x, float z) {
        centerx = x;
        centerz = z;
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
