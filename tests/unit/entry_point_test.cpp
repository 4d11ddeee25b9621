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

void Show(const char* text, const char* caption) {
    shown.emplace_back(text, caption);
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
        "The options are --record FILE, --playdemo FILE or --timedemo FILE, and --pace N.",
        "ERROR"};
    EXPECT_EQ(shown, std::vector<Box>{refusal});
}

TEST_F(EntryPointTest, WithoutADemoTheGamesOwnCodeEndsItAndNothingIsShown) {
    const char* argv[] = {"maze"};
    EXPECT_TRUE(BeginSession(1, argv, Show));
    EXPECT_EQ(EndSession(7, Show), 7);
    EXPECT_TRUE(shown.empty());
}

// The session's code wins over the game's, and the player is told why.
TEST_F(EntryPointTest, AResultThatCannotBeWrittenIsShownAndEndsWithTwo) {
    ScratchFolder folder(false);
    std::ofstream("short.script") << "frames 1\n";
    std::filesystem::create_directory("demo-result.txt");
    const char* argv[] = {"maze", "--playdemo", "short.script"};
    ASSERT_TRUE(BeginSession(3, argv, Show));
    EXPECT_EQ(EndSession(0, Show), 2);
    EXPECT_EQ(shown, (std::vector<Box>{{"Cannot write \"demo-result.txt\".", "ERROR"}}));
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
