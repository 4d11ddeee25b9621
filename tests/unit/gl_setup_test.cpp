// gl_setup_test.cpp -- what the projection and a new context do at their edges.
// The 640 x 480 projection and the fixed state are in tests/sim/first_frame.expected.
#include "app/common/gl_setup.h"
#include "fixture.h"
#include "scratch_folder.h"

namespace {

class GlSetupTest : public GameTest {};

// A minimised window reports height 0: taken as 1, never a division by zero.
TEST_F(GlSetupTest, ZeroHeightIsTakenAsOne) {
    ReSizeGLScene(641, 0);
    EXPECT_EQ(glrec::CallsNamed("glViewport")[0].args, (std::vector<double>{0, 0, 641, 1}));
    EXPECT_EQ(glrec::CallsNamed("gluPerspective")[0].args[1], 641.0);
}

TEST_F(GlSetupTest, NoTextureMeansFailureAndNoStateSet) {
    ScratchFolder folder(false);
    EXPECT_EQ(InitGL(), 0);
    EXPECT_TRUE(glrec::CallNames().empty());
}

}  // namespace
