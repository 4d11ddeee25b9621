// view_test.cpp -- mouse look, the view vector, the pointer's home and the camera.
#include "fixture.h"
#include "game/level_change.h"
#include "game/player.h"

namespace {

class ViewTest : public GameTest {};

// Pointer positions in client coordinates of the 640 x 480 window and the
// change one message makes to the pitch and the yaw, however far it went.
TEST_F(ViewTest, EachMessageTurnsByThreeDegreesTowardThePointer) {
    const struct {
        unsigned x, y;
        float pitch, yaw;
    } cases[] = {
        {312, 210, 0, 0}, {313, 210, 0, 3},  {311, 210, 0, -3}, {312, 211, 3, 0},
        {312, 209, -3, 0}, {600, 10, -3, 3}, {0, 479, 3, -3},
        {320, 240, 3, 3},  // fullscreen: the home point reads as client (320, 240)
    };
    for (const auto& c : cases) {
        ResetView();
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

TEST_F(ViewTest, CameraPitchesThenLooksAlongTheVectorWithTheStairOffsets) {
    xrot = 6;
    centerx = 12.5f;
    centery = 6.5f;
    centerz = -7.25f;
    xnew = 0.001f;
    znew = -0.003f;
    difUpy = 0.75f;
    difDowny = -0.5f;
    SetCamera();
    const double eyeY = double(6.5f) + double(0.75f);
    EXPECT_EQ(Calls(), (CallList{{"glRotatef", {6, 1, 0, 0}},
                                 {"gluLookAt", {12.5, eyeY, -7.25, 12.5 + double(0.001f), eyeY + -0.5,
                                                -7.25 + double(-0.003f), 0, 1, 0}}}));
}

}  // namespace
