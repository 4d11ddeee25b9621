// frame_test.cpp -- the diagnostic lines. The order of the frame's steps is
// in tests/sim/first_frame.expected.
#include <filesystem>
#include <fstream>
#include <string>

#include "fixture.h"
#include "game/frame.h"
#include "scratch_folder.h"

namespace {

class FrameTest : public GameTest {};

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
    EXPECT_EQ(FileText("lista.txt"), "old\n" + pair + pair);  // in text mode, as written
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
