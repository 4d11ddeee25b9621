// frame_test.cpp -- the order of the frame's steps and the diagnostic lines.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fixture.h"
#include "scratch_folder.h"
#include "game/frame.h"
#include "world/textures.h"

namespace {

class FrameTest : public GameTest {};

std::string ReadFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Index of the first call named `name` at or after `from`, or -1.
int Find(const std::vector<std::string>& calls, const std::string& name, int from = 0) {
    for (int i = from; i < int(calls.size()); ++i) {
        if (calls[i] == name) {
            return i;
        }
    }
    return -1;
}

TEST_F(FrameTest, ReturnsOneAndClearsBeforeAnythingElse) {
    EXPECT_EQ(DrawGLScene(), 1);
    const auto calls = glrec::CallNames();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "glClear");
    EXPECT_EQ(calls[1], "glLoadIdentity");
    const auto clears = glrec::CallsNamed("glClear");
    ASSERT_EQ(clears.size(), 1u);
    EXPECT_EQ(clears[0].args[0], double(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

TEST_F(FrameTest, DrawsInTheFixedOrder) {
    texture[0] = 11;
    texture[1] = 12;
    texture[2] = 13;
    DrawGLScene();
    DrawGLScene();  // the second frame has a view vector to look along
    const auto calls = glrec::CallNames();
    const int frameStart = Find(calls, "glClear", 1);
    ASSERT_GE(frameStart, 0);
    const int rotate = Find(calls, "glRotatef", frameStart);
    const int lookAt = Find(calls, "gluLookAt", frameStart);
    const int blend = Find(calls, "glBlendFunc", frameStart);
    EXPECT_LT(frameStart, rotate);
    EXPECT_LT(rotate, lookAt);
    EXPECT_LT(lookAt, blend);

    // Texture bindings: walls (and stairs), doors, floors; the crates draw with
    // the floor texture still bound.
    std::vector<double> bound;
    for (const auto& c : glrec::CallsNamed("glBindTexture")) {
        bound.push_back(c.args[1]);
    }
    ASSERT_GE(bound.size(), 6u);
    const std::vector<double> lastFrame(bound.end() - 3, bound.end());
    EXPECT_EQ(lastFrame, (std::vector<double>{11, 13, 12}));
}

TEST_F(FrameTest, EndOfFrameResetsSpeedAndSendsThePointerHome) {
    DrawGLScene();
    EXPECT_EQ(Mspeed, 1.0f);
    EXPECT_EQ(sysnull::PointerHomes(), 1);
    // The client point the mouse comparison reads as no movement.
    EXPECT_EQ(sysnull::LastPointerX(), 312);
    EXPECT_EQ(sysnull::LastPointerY(), 210);
}

TEST_F(FrameTest, SpaceAppendsTwoLinesPerFrameAndPauses) {
    ScratchFolder folder(false);
    sysnull::SetKeyDown(32, true);
    DrawGLScene();
    DrawGLScene();
    sysnull::SetKeyDown(32, false);
    DrawGLScene();
    EXPECT_EQ(sysnull::Pauses(), 2);
    EXPECT_EQ(sysnull::PausedMilliseconds(), 200);
    std::string text = ReadFile("lista.txt");
    // Text mode: CRLF on Windows.
    std::string lf;
    for (char ch : text) {
        if (ch != '\r') {
            lf += ch;
        }
    }
    const std::string pair = "------------------------------------------------------\nfok = 72.079323\n";
    EXPECT_EQ(lf, pair + pair);
}

TEST_F(FrameTest, DiagnosticsAppendToWhatIsThere) {
    ScratchFolder folder(false);
    {
        std::ofstream old("lista.txt");
        old << "old\n";
    }
    sysnull::SetKeyDown(32, true);
    DrawGLScene();
    const std::string text = ReadFile("lista.txt");
    EXPECT_EQ(text.rfind("old", 0), 0u);
    EXPECT_NE(text.find("fok = 72.079323"), std::string::npos);
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
