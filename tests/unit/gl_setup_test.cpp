// gl_setup_test.cpp -- viewport and projection for a client size, and a new context's fixed state.
#include "app/common/gl_setup.h"
#include "fixture.h"
#include "scratch_folder.h"

namespace {

class GlSetupTest : public GameTest {};

// A zero height is taken as one; the aspect is the quotient in double, the
// near plane 0.1f widened, not 0.1.
TEST_F(GlSetupTest, ProjectionFollowsTheClientSize) {
    for (int height : {0, 479}) {
        glrec::Clear();
        ReSizeGLScene(641, height);
        const double h = height == 0 ? 1 : height;
        EXPECT_EQ(Calls(), (CallList{{"glViewport", {0, 0, 641, h}},
                                     {"glMatrixMode", {GL_PROJECTION}},
                                     {"glLoadIdentity", {}},
                                     {"gluPerspective", {45.0, 641.0 / h, 0.10000000149011612, 100.0}},
                                     {"glMatrixMode", {GL_MODELVIEW}},
                                     {"glLoadIdentity", {}}}));
    }
}

// Textures come first, then the fixed state and nothing else: no lighting,
// fog, culling or blending.
TEST_F(GlSetupTest, NewContextLoadsTexturesThenSetsTheFixedStateOnly) {
    ScratchFolder folder(true);
    EXPECT_EQ(InitGL(), 1);
    const CallList calls = Calls();
    ASSERT_EQ(calls.size(), 3 * 5 + 7u);
    EXPECT_EQ(calls[3 * 5 - 1].first, "gluBuild2DMipmaps");
    EXPECT_EQ(CallList(calls.end() - 7, calls.end()),
              (CallList{{"glEnable", {GL_TEXTURE_2D}},
                        {"glShadeModel", {GL_SMOOTH}},
                        {"glClearColor", {0, 0, 0, 0}},
                        {"glClearDepth", {1}},
                        {"glEnable", {GL_DEPTH_TEST}},
                        {"glDepthFunc", {GL_LEQUAL}},
                        {"glHint", {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}}}));
}

TEST_F(GlSetupTest, NoTextureMeansFailureAndNoStateSet) {
    ScratchFolder folder(false);
    EXPECT_EQ(InitGL(), 0);
    EXPECT_TRUE(glrec::CallNames().empty());
}

}  // namespace
