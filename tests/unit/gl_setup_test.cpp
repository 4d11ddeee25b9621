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

TEST_F(GlSetupTest, ZeroHeightIsTakenAsOneWithTheProjectionSetInOrder) {
    ReSizeGLScene(640, 0);
    EXPECT_EQ(glrec::CallNames(), (Names{"glViewport", "glMatrixMode", "glLoadIdentity", "gluPerspective",
                                         "glMatrixMode", "glLoadIdentity"}));
    EXPECT_EQ(glrec::CallsNamed("glViewport")[0].args, (std::vector<double>{0, 0, 640, 1}));
    const auto modes = glrec::CallsNamed("glMatrixMode");
    EXPECT_EQ(modes[0].args[0], double(GL_PROJECTION));
    EXPECT_EQ(modes[1].args[0], double(GL_MODELVIEW));
    const auto perspective = glrec::CallsNamed("gluPerspective")[0].args;
    EXPECT_EQ(perspective[0], 45.0);
    EXPECT_EQ(perspective[1], 640.0);
    EXPECT_EQ(perspective[2], 0.10000000149011612);  // 0.1f widened, not 0.1
    EXPECT_EQ(perspective[3], 100.0);
}

TEST_F(GlSetupTest, AspectIsTheDoubleQuotientOfTheTwoSizes) {
    ReSizeGLScene(641, 479);
    EXPECT_EQ(glrec::CallsNamed("glViewport")[0].args, (std::vector<double>{0, 0, 641, 479}));
    EXPECT_EQ(glrec::CallsNamed("gluPerspective")[0].args[1], 641.0 / 479.0);
}

TEST_F(GlSetupTest, NewContextLoadsTexturesThenSetsTheFixedStateOnly) {
    ScratchFolder folder(true);
    EXPECT_EQ(InitGL(), 1);
    Names names = glrec::CallNames();
    const auto lastMipmap = std::find(names.rbegin(), names.rend(), "gluBuild2DMipmaps");
    ASSERT_NE(lastMipmap, names.rend()) << "textures come first";
    const Names state(lastMipmap.base(), names.end());
    EXPECT_EQ(state, (Names{"glEnable", "glShadeModel", "glClearColor", "glClearDepth", "glEnable",
                            "glDepthFunc", "glHint"}));
    EXPECT_EQ(glrec::CallsNamed("glShadeModel")[0].args[0], double(GL_SMOOTH));
    EXPECT_EQ(glrec::CallsNamed("glClearColor")[0].args, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(glrec::CallsNamed("glClearDepth")[0].args[0], 1.0);
    EXPECT_EQ(glrec::CallsNamed("glDepthFunc")[0].args[0], double(GL_LEQUAL));
    EXPECT_EQ(glrec::CallsNamed("glHint")[0].args,
              (std::vector<double>{GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}));
    EXPECT_TRUE(glrec::IsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glrec::IsEnabled(GL_DEPTH_TEST));
    for (GLenum never : {GL_LIGHTING, GL_FOG, GL_CULL_FACE, GL_BLEND}) {
        EXPECT_FALSE(glrec::IsEnabled(never)) << never;
    }
}

TEST_F(GlSetupTest, NoTextureMeansFailureAndNoStateSet) {
    ScratchFolder folder(false);
    EXPECT_EQ(InitGL(), 0);
    EXPECT_TRUE(glrec::CallsNamed("glShadeModel").empty());
    EXPECT_FALSE(glrec::IsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glrec::IsEnabled(GL_DEPTH_TEST));
}

}  // namespace
