// frame_test.cpp -- the order of the frame's steps and the diagnostic lines.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fixture.h"
#include "game/frame.h"
#include "scratch_folder.h"
#include "world/textures.h"

namespace {

class FrameTest : public GameTest {};

// The frame's calls but those inside the glBegin/glEnd pairs, with the
// texture each binding names.
TEST_F(FrameTest, StepsComeInTheFixedOrder) {
    texture[0] = 11;
    texture[1] = 12;
    texture[2] = 13;
    EXPECT_EQ(DrawGLScene(), 1);
    const std::set<std::string> pairs = {"glBegin", "glEnd", "glVertex3f", "glColor3f", "glColor4f",
                                         "glTexCoord2f"};
    std::vector<std::string> steps;
    for (const glrec::Call& c : glrec::Get().calls) {
        if (c.name == "glBindTexture") {
            steps.push_back("texture " + std::to_string(int(c.args[1])));
        } else if (pairs.count(c.name) == 0) {
            steps.push_back(c.name);
        }
    }
    // Walls (and stairs), doors, floors; the crates draw with the floor texture
    // still bound, blending on and off around each marker.
    EXPECT_EQ(steps, (std::vector<std::string>{"glClear", "glLoadIdentity", "glRotatef", "gluLookAt",
                                               "glBlendFunc", "texture 11", "texture 13", "texture 12",
                                               "glEnable", "glDisable", "glEnable", "glDisable"}));
    EXPECT_EQ(glrec::CallsNamed("glClear")[0].args[0], double(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    EXPECT_EQ(sysnull::PointerHomes(), 1);
}

TEST_F(FrameTest, SpaceAppendsTwoLinesPerFrameAndPauses) {
    ScratchFolder folder(false);
    std::ofstream("lista.txt") << "old\n";
    sysnull::SetKeyDown(32, true);
    DrawGLScene();
    DrawGLScene();
    sysnull::SetKeyDown(32, false);
    DrawGLScene();
    EXPECT_EQ(sysnull::Pauses(), 2);
    EXPECT_EQ(sysnull::PausedMilliseconds(), 200);
    const std::string pair = "------------------------------------------------------\nfok = 72.079323\n";
    std::stringstream text;  // in text mode, as written: no '\r' on Windows
    text << std::ifstream("lista.txt").rdbuf();
    EXPECT_EQ(text.str(), "old\n" + pair + pair);
}

TEST_F(FrameTest, UnwritableDiagnosticFileIsSkippedAndTheGameGoesOn) {
    ScratchFolder folder(false);
    // A folder named like the file cannot be opened for appending on any system.
    ASSERT_TRUE(std::filesystem::create_directory("lista.txt"));
    sysnull::SetKeyDown(32, true);
    EXPECT_EQ(DrawGLScene(), 1);
    EXPECT_EQ(DrawGLScene(), 1);
    EXPECT_EQ(sysnull::Pauses(), 2);
}

}  // namespace
