// view_test.cpp -- mouse look, the view vector and the pointer's home. The
// camera is in tests/sim/camera.script.
#include "fixture.h"
#include "game/view.h"

namespace {

class ViewTest : public GameTest {};

// Pointer positions in client coordinates of the 640 x 480 window and the
// change one message makes to the pitch and the yaw, however far it went.
TEST_F(ViewTest, EachMessageTurnsByThreeDegreesTowardThePointer) {
    const struct {
        unsigned x, y;
        float pitch, yaw;
    } cases[] = {
        {312, 210, 0, 0}, {313, 210, 0, 3}, {311, 210, 0, -3}, {312, 211, 3, 0}, {312, 209, -3, 0},
        {600, 10, -3, 3}, {0, 479, 3, -3},  {320, 240, 3, 3},  // fullscreen: the home point reads as client (320, 240)
    };
    for (const auto& c : cases) {
        xrot = yrot = 0;
        MouseLook(c.x, c.y);
        EXPECT_EQ((std::vector<float>{xrot, yrot}), (std::vector<float>{c.pitch, c.yaw})) << c.x << "," << c.y;
    }
}

// sin and cos of yaw x 3.14 / 180 in double, rounded to single precision. The
// pointer is sent to the point that reads as no movement above.
TEST_F(ViewTest, ViewVectorFollowsTheYawWithTheGamesPi) {
    const struct {
        float yaw, x, z;
    } cases[] = {
        {0, 0.0f, -0.0033333334f},
        {90, 0.0033333322f, -0.0000026542475f},
        {360, -0.000010616974f, -0.0033333164f},  // a full turn does not come back to the start
    };
    for (const auto& c : cases) {
        yrot = c.yaw;
        EndFrameView();
        EXPECT_EQ((std::vector<float>{xnew, znew}), (std::vector<float>{c.x, c.z})) << c.yaw;
    }
    EXPECT_EQ((std::vector<int>{sysnull::LastPointerX(), sysnull::LastPointerY()}), (std::vector<int>{312, 210}));
}

}  // namespace
