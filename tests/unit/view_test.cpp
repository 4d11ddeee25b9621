// view_test.cpp -- mouse look, the view vector and the camera.
#include <gtest/gtest.h>

#include <vector>

#include "app/null/sys_null.h"
#include "fixture.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"

namespace {

class ViewTest : public GameTest {};

// Pointer positions in client coordinates of the 640 x 480 window and the
// change each makes to the pitch and the yaw.
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
        EXPECT_EQ(xrot, c.pitch) << c.x << "," << c.y;
        EXPECT_EQ(yrot, c.yaw) << c.x << "," << c.y;
    }
    EXPECT_EQ(xPos, 240 + 110);
    EXPECT_EQ(yPos, 320 - 72);
}

TEST_F(ViewTest, DistanceDoesNotMatterOnlyTheNumberOfMessages) {
    MouseLook(313, 210);
    EXPECT_EQ(yrot, 3.0f);
    MouseLook(512, 210);
    MouseLook(639, 210);
    EXPECT_EQ(yrot, 9.0f);
}

// sin and cos of yaw x 3.14 / 180 in double, rounded to single precision.
TEST_F(ViewTest, ViewVectorFollowsTheYawWithTheGamesPi) {
    EndFrameView();
    EXPECT_EQ(xnew, 0.0f);
    EXPECT_EQ(znew, -0.0033333334f);

    yrot = 90;
    EndFrameView();
    EXPECT_EQ(xnew, 0.0033333322f);
    EXPECT_EQ(znew, -0.0000026542475f);

    // A full turn by the mouse does not come back to the start.
    ResetView();
    for (int i = 0; i < 120; ++i) {
        MouseLook(313, 210);
    }
    EXPECT_EQ(yrot, 360.0f);
    EndFrameView();
    EXPECT_EQ(xnew, -0.000010616974f);
    EXPECT_EQ(znew, -0.0033333164f);
    EXPECT_EQ(Mspeed, 1.0f);
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
    EXPECT_EQ(glrec::CallNames(), (std::vector<std::string>{"glRotatef", "gluLookAt"}));
    EXPECT_EQ(glrec::CallsNamed("glRotatef")[0].args, (std::vector<double>{6, 1, 0, 0}));
    const double eyeY = double(6.5f) + double(0.75f);
    EXPECT_EQ(glrec::CallsNamed("gluLookAt")[0].args,
              (std::vector<double>{12.5, eyeY, -7.25, 12.5 + double(0.001f), eyeY + -0.5,
                                   -7.25 + double(-0.003f), 0, 1, 0}));
}

// Where the pointer is sent home, a mouse message reads as no movement.
TEST_F(ViewTest, PointerHomeIsTheNeutralPoint) {
    EndFrameView();
    EXPECT_EQ(sysnull::LastPointerX(), 312);
    EXPECT_EQ(sysnull::LastPointerY(), 210);
    MouseLook(unsigned(sysnull::LastPointerX()), unsigned(sysnull::LastPointerY()));
    EXPECT_EQ(xrot, 0.0f);
    EXPECT_EQ(yrot, 0.0f);
}

}  // namespace
