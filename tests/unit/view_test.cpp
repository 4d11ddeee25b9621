// view_test.cpp -- the view vector and the pointer's home. Mouse look is in
// tests/sim/mouse_look.script, the camera in camera.script.
#include "fixture.h"
#include "game/view.h"

namespace {

class ViewTest : public GameTest {};

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
