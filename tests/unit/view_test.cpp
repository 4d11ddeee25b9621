// view_test.cpp -- the pointer's home. Mouse look and the view vector are in
// tests/sim/view.script, the camera in camera.script.
#include "fixture.h"
#include "game/view.h"

namespace {

class ViewTest : public GameTest {};

// The end of a step sends the pointer to the point that reads as no movement
// (the first row of tests/sim/view.script): any other point would turn the
// view by itself on every recentring.
TEST_F(ViewTest, ThePointerGoesHomeWhereItReadsAsNoMovement) {
    EndFrameView();
    EXPECT_EQ((std::vector<int>{sysnull::LastPointerX(), sysnull::LastPointerY()}), (std::vector<int>{312, 210}));
}

}  // namespace
