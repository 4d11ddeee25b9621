// gl_setup_test.cpp -- viewport and projection for a client size, and a new context's fixed state.
#include <algorithm>
#include <string>
#include <vector>

#include "app/common/gl_setup.h"
#include "fixture.h"
#include "scratch_folder.h"

namespace {

class GlSetupTest : public GameTest {};

using Names = std::vector<std::string>;

// A zero height is taken as one; the aspect is the quotient in double, the
// near plane 0.1f widened, not 0.1.
TEST_F(GlSetupTest, ProjectionFollowsTheClientSize) {
    for (int height : {0, 479}) {
        glrec::Clear();
        ReSizeGLScene(641, height);
        const double h = height == 0 ? 1 : height;
        EXPECT_EQ(glrec::CallNames(), (Names{"glViewport", "glMatrixMode", "glLoadIdentity", "gluPerspective",
                                             "glMatrixMode", "glLoadIdentity"}));
        EXPECT_EQ(glrec::CallsNamed("glViewport")[0].args, (std::vector<double>{0, 0, 641, h}));
        const auto modes = glrec::CallsNamed("glMatrixMode");
        EXPECT_EQ((std::vector<double>{modes[0].args[0], modes[1].args[0]}),
                  (std::vector<double>{GL_PROJECTION, GL_MODELVIEW}));
        EXPECT_EQ(glrec::CallsNamed("gluPerspective")[0].args,
                  (std::vector<double>{45.0, 641.0 / h, 0.10000000149011612, 100.0}));
    }
}

TEST_F(GlSetupTest, NewContextLoadsTexturesThenSetsTheFixedStateOnly) {
    ScratchFolder folder(true);
    EXPECT_EQ(InitGL(), 1);
    const Names names = glrec::CallNames();
    const auto lastMipmap = std::find(names.rbegin(), names.rend(), "gluBuild2DMipmaps");
    ASSERT_NE(lastMipmap, names.rend()) << "textures come first";
    EXPECT_EQ(Names(lastMipmap.base(), names.end()), (Names{"glEnable", "glShadeModel", "glClearColor",
                                                            "glClearDepth", "glEnable", "glDepthFunc", "glHint"}));
    EXPECT_EQ(glrec::CallsNamed("glShadeModel")[0].args[0], double(GL_SMOOTH));
    EXPECT_EQ(glrec::CallsNamed("glClearColor")[0].args, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(glrec::CallsNamed("glClearDepth")[0].args[0], 1.0);
    EXPECT_EQ(glrec::CallsNamed("glDepthFunc")[0].args[0], double(GL_LEQUAL));
    EXPECT_EQ(glrec::CallsNamed("glHint")[0].args,
              (std::vector<double>{GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}));
    for (GLenum cap : {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_FOG, GL_CULL_FACE, GL_BLEND}) {
        EXPECT_EQ(glrec::IsEnabled(cap), cap == GL_TEXTURE_2D || cap == GL_DEPTH_TEST) << cap;
    }
}

TEST_F(GlSetupTest, NoTextureMeansFailureAndNoStateSet) {
    ScratchFolder folder(false);
    EXPECT_EQ(InitGL(), 0);
    EXPECT_TRUE(glrec::CallNames().empty());
}

}  // namespace
