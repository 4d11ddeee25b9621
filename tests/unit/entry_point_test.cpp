// entry_point_test.cpp -- the boxes and exit codes every entry point gets at the start and end of a game.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/common/main_loop.h"
#include "app/demo/entry_point.h"
#include "app/demo/program_reset.h"
#include "fixture.h"
#include "scratch_folder.h"

namespace {

using Box = std::pair<std::string, std::string>;  // text, caption

std::vector<Box> shown;

// Under node the standard streams are not descriptors gtest can redirect:
// there only the boxes and exit codes are checked.
#ifdef __EMSCRIPTEN__
constexpr bool kStreamsCaptured = false;
#else
constexpr bool kStreamsCaptured = true;
#endif

void Show(const char* text, const char* caption) {
    shown.emplace_back(text, caption);
}

// At --pace 0, a step a turn, each through the session's turn.
void RunTurns(int count) {
    for (int i = 0; i < count && !ShellIdleTurn().done; ++i) {
    }
}

// Each test starts with no session: the fixture's reset closes the last one.
class EntryPointTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        shown.clear();
    }
};

TEST_F(EntryPointTest, ARefusedStartIsShownAndTheGameMustNotStart) {
    const char* argv[] = {"maze", "--jump"};
    EXPECT_FALSE(BeginSession(2, argv, Show));
    const Box refusal{
        "Unknown option: --jump\n"
        "The options are --record FILE, --playdemo FILE or --timedemo FILE, --pace N, --fps N and --mouse-rate N.",
        "ERROR"};
    EXPECT_EQ(shown, std::vector<Box>{refusal});
}

TEST_F(EntryPointTest, WithoutADemoTheGamesOwnCodeEndsItAndNothingIsShown) {
    const char* argv[] = {"maze"};
    EXPECT_TRUE(BeginSession(1, argv, Show));
    EXPECT_EQ(EndSession(7, Show), 7);
    EXPECT_TRUE(shown.empty());
}

// The session's code wins over the game's, and the player is told why, with
// the folder; the state line still reaches standard output.
TEST_F(EntryPointTest, AResultThatCannotBeWrittenIsShownAndEndsWithTwo) {
    ScratchFolder folder(false);
    std::ofstream("short.script") << "frames 1\n";
    std::filesystem::create_directory("demo-result.txt");
    const char* argv[] = {"maze", "--playdemo", "short.script"};
    ASSERT_TRUE(BeginSession(3, argv, Show));
    if (kStreamsCaptured) {
        testing::internal::CaptureStdout();
    }
    EXPECT_EQ(EndSession(0, Show), 2);
    if (kStreamsCaptured) {
        EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("frame=0 ", 0), 0u);
    }
    ASSERT_EQ(shown.size(), 1u);
    const std::string start =
        "Cannot write \"demo-result.txt\" in " + std::filesystem::current_path().u8string() + ": ";
    EXPECT_EQ(shown[0].first.rfind(start, 0), 0u) << shown[0].first;
}

// A demo of another game step fails its `expect` as any other, with a hint.
TEST_F(EntryPointTest, AFailedExpectOfAnotherGameStepIsToldWithAHint) {
    ScratchFolder folder(false);
    std::ofstream("old.script") << "# maze 2.0.0, game step 9\nframes 1\nexpect frame=2\n";
    const char* argv[] = {"maze", "--playdemo", "old.script", "--pace", "0"};
    ASSERT_TRUE(BeginSession(5, argv, Show));
    RunTurns(3);
    if (!kStreamsCaptured) {
        EXPECT_EQ(EndSession(0, Show), 1);
        return;
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(EndSession(0, Show), 1);
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("old.script: line 3: expect: frame is 1, expected 2"), std::string::npos) << told;
    EXPECT_NE(told.find("\n  hint: recorded by maze 2.0.0 (game step 9); this is maze "), std::string::npos) << told;
}

// Until the game runs, an existing file keeps its bytes and a new one is not
// made, nor is the file it is written to until the end left behind; a name
// outside any code page is the file made, in place of what a game killed
// earlier left beside it.
TEST_F(EntryPointTest, ARecordingTouchesItsFileOnlyOnceTheGameRuns) {
    ScratchFolder folder(false);
    std::ofstream("best.script") << "frames 7\n";
    const char* argv[] = {"maze", "--record", "best.script"};
    ASSERT_TRUE(BeginSession(3, argv, Show));
    ResetProgram();
    std::ifstream kept("best.script");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "frames 7\n");
    EXPECT_FALSE(std::filesystem::exists("best.script.part"));

    const std::filesystem::path name = std::filesystem::u8path(u8"\u0434\u0435\u043c\u043e.script");
    const std::filesystem::path part = std::filesystem::path(name) += ".part";
    std::ofstream(part) << "frames 9\n";
    const std::string utf8 = name.u8string();
    const char* again[] = {"maze", "--record", utf8.c_str(), "--pace", "0"};
    ASSERT_TRUE(BeginSession(5, again, Show));
    EXPECT_FALSE(std::filesystem::exists(name));
    RunTurns(2);
    EXPECT_EQ(EndSession(0, Show), 0);
    EXPECT_FALSE(std::filesystem::exists(part));
    std::ifstream recording(name);
    const std::string text(std::istreambuf_iterator<char>(recording), {});
    EXPECT_EQ(text.rfind("# maze ", 0), 0u) << text;
    EXPECT_NE(text.find("\nexpect frame=2 "), std::string::npos) << text;
    EXPECT_TRUE(shown.empty());
}

TEST_F(EntryPointTest, ARecordingThatCannotBeMadeIsRefusedAndLeavesNothing) {
    ScratchFolder folder(false);
    const char* argv[] = {"maze", "--record", "missing/best.script"};
    EXPECT_FALSE(BeginSession(3, argv, Show));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first.rfind("Cannot write \"missing/best.script\": ", 0), 0u) << shown[0].first;
}

// The page's "Play again" after a timed demo: the new game is a plain one,
// and its end writes nothing of the demo.
TEST_F(EntryPointTest, ANewGameAfterADemoEndsAsAPlainGame) {
    ScratchFolder folder(false);
    std::ofstream("short.script") << "frames 1\n";
    const char* argv[] = {"maze", "--timedemo", "short.script", "--pace", "50"};
    ASSERT_TRUE(BeginSession(5, argv, Show));
    ResetProgram();
    EXPECT_EQ(EndSession(3, Show), 3);
    EXPECT_FALSE(std::filesystem::exists("demo-result.txt"));
    EXPECT_FALSE(std::filesystem::exists("timedemo.txt"));
    EXPECT_EQ(Pace(), kDefaultPace);
    EXPECT_TRUE(shown.empty());
}

// The page's Record over a recorded game: the first recording, closed at
// its end, is not closed again by the reset, and the second is whole.
TEST_F(EntryPointTest, ARecordingAfterARecordingIsWhole) {
    ScratchFolder folder(false);
    const char* first[] = {"maze", "--record", "first.script"};
    ASSERT_TRUE(BeginSession(3, first, Show));
    EXPECT_EQ(EndSession(0, Show), 0);
    ResetProgram();
    const char* second[] = {"maze", "--record", "second.script"};
    ASSERT_TRUE(BeginSession(3, second, Show));
    EXPECT_EQ(EndSession(0, Show), 0);
    std::ifstream recording("second.script");
    const std::string text((std::istreambuf_iterator<char>(recording)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("expect frame=0 "), std::string::npos) << text;
    EXPECT_TRUE(shown.empty());
}

}  // namespace
