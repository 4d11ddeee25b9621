// frame_test.cpp -- the order of the frame's steps, empty passes, and the diagnostic lines.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fixture.h"
#include "game/frame.h"
#include "render/crates.h"
#include "render/doors.h"
#include "render/floors.h"
#include "render/stairs.h"
#include "render/walls.h"
#include "scratch_folder.h"
#include "world/textures.h"

namespace {

class FrameTest : public GameTest {};

// Index of the first call named `name` at or after `from`, or -1.
int Find(const std::vector<std::string>& calls, const std::string& name, int from) {
    const auto at = std::find(calls.begin() + from, calls.end(), name);
    return at == calls.end() ? -1 : int(at - calls.begin());
}

TEST_F(FrameTest, StepsComeInTheFixedOrder) {
    texture[0] = 11;
    texture[1] = 12;
    texture[2] = 13;
    EXPECT_EQ(DrawGLScene(), 1);
    EXPECT_EQ(DrawGLScene(), 1);  // the second frame has a view vector to look along
    const auto calls = glrec::CallNames();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "glClear");
    EXPECT_EQ(calls[1], "glLoadIdentity");
    const auto clears = glrec::CallsNamed("glClear");
    ASSERT_EQ(clears.size(), 2u);
    EXPECT_EQ(clears[0].args[0], double(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    const int second = Find(calls, "glClear", 1);
    const int rotate = Find(calls, "glRotatef", second), lookAt = Find(calls, "gluLookAt", second);
    EXPECT_TRUE(second < rotate && rotate < lookAt && lookAt < Find(calls, "glBlendFunc", second));
    // Walls (and stairs), doors, floors; the crates draw with the floor texture still bound.
    std::vector<double> bound;
    for (const auto& c : glrec::CallsNamed("glBindTexture")) {
        bound.push_back(c.args[1]);
    }
    EXPECT_EQ(bound, (std::vector<double>{11, 13, 12, 11, 13, 12}));
    EXPECT_EQ(sysnull::PointerHomes(), 2);
}

// A crate list empties during play; the passes must not draw a stale box.
TEST_F(FrameTest, EmptyListsDrawNothing) {
    const PlayerCell cell = ComputePlayerCell();
    DrawWalls(0);
    DrawStairs(0);
    DoorPass(0, cell);
    DrawFloors(0);
    CratePass(0, cell);
    EXPECT_TRUE(glrec::Get().batches.empty());
    EXPECT_FALSE(glrec::IsEnabled(GL_BLEND));
}

// Without the '\r' that text mode writes on Windows.
std::string ReadLines(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
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
    EXPECT_EQ(ReadLines("lista.txt"), "old\n" + pair + pair);
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
