// demo_session_test.cpp -- the games' command line, and the boxes and exit codes of a game's start and end.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#ifdef __linux__
#include <sys/stat.h>
#endif

#include "app/common/main_loop.h"
#include "app/common/open_file.h"
#include "app/common/texts.h"
#include "app/demo/demo_script.h"
#include "app/demo/demo_session.h"
#include "fixture.h"
#include "scratch_folder.h"

namespace {

struct OptionsCase {
    std::vector<const char*> args;  // after the program's name
    std::string error;              // empty: taken, as the fields below say
    std::string record = "";
    std::string play = "";
    bool timed = false;
    int pace = kDefaultPace;
};

const std::string kUnknown = std::string(text::kUnknownOption) + "--demo\n" + text::kOptions;

const OptionsCase kCases[] = {
    {{}, ""},
    {{"--record", "r.script"}, "", "r.script"},
    {{"--playdemo", "p.script"}, "", "", "p.script"},
    {{"--timedemo", "t.script"}, "", "", "t.script", true},
    {{"--pace", "0"}, "", "", "", false, 0},
    {{"--pace", "100000"}, "", "", "", false, 100000},
    {{"--pace", "000250", "--timedemo", "t.script"}, "", "", "t.script", true, 250},
    {{"--timedemo", "t.script", "--pace", "7"}, "", "", "t.script", true, 7},
    {{"--pace", "0100000"}, "", "", "", false, 100000},
    {{"--pace", "0000000"}, "", "", "", false, 0},
    // An unknown option, and one without its file.
    {{"--demo", "x.script"}, kUnknown},
    {{"--record", "r.script", "--demo"}, kUnknown},
    {{"--record"}, std::string("--record") + text::kOptionNeedsFile},
    {{"--timedemo", ""}, std::string("--timedemo") + text::kOptionNeedsFile},
    // One file option at a time, and each once.
    {{"--record", "a", "--record", "b"}, text::kOneOption},
    {{"--playdemo", "a", "--timedemo", "b"}, text::kOneOption},
    {{"--record", "a", "--playdemo", "b"}, text::kOneOption},
    {{"--timedemo", "a", "--record", "b"}, text::kOneOption},
    // The pace: digits only, 0 to 100000, once.
    {{"--pace"}, text::kBadPace},
    {{"--pace", ""}, text::kBadPace},
    {{"--pace", "-1"}, text::kBadPace},
    {{"--pace", "1e3"}, text::kBadPace},
    {{"--pace", "100001"}, text::kBadPace},
    {{"--pace", "1000000"}, text::kBadPace},
    {{"--pace", "00100001"}, text::kBadPace},
    {{"--pace", "0x10"}, text::kBadPace},
    {{"--pace", " 5"}, text::kBadPace},
    {{"--pace", "5 "}, text::kBadPace},
    {{"--pace", "--record", "r.script"}, text::kBadPace},
    {{"--pace", "5", "--pace", "5"}, text::kPaceTwice},
};

TEST(DemoOptionsTest, TakesOrRefusesEachCommandLine) {
    for (const OptionsCase& c : kCases) {
        std::vector<const char*> argv{"maze"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string trace;
        for (const char* arg : c.args) {
            trace += std::string(" '") + arg + "'";
        }
        SCOPED_TRACE("maze" + trace);
        DemoOptions options;
        std::string error;
        const bool taken = ParseDemoOptions(static_cast<int>(argv.size()), argv.data(), options, error);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(taken, c.error.empty());
        if (taken) {
            EXPECT_EQ(options.record, c.record);
            EXPECT_EQ(options.play, c.play);
            EXPECT_EQ(options.timed, c.timed);
            EXPECT_EQ(options.loop.pace, c.pace);
        }
    }
}

using Box = std::pair<std::string, std::string>;  // text, caption

std::vector<Box> shown;

void Show(const char* text, const char* caption) {
    shown.emplace_back(text, caption);
}

// EndSession(0, Show) ending with `code`, and what it wrote to standard error
// (or output). Under node the standard streams are not descriptors gtest can
// redirect: there only the boxes and exit codes are checked, and `fits` is
// not asked.
template <typename Fits>
void ExpectEnd(int code, bool onError, [[maybe_unused]] Fits fits) {
#ifdef __EMSCRIPTEN__
    EXPECT_EQ(EndSession(0, Show), code);
#else
    onError ? testing::internal::CaptureStderr() : testing::internal::CaptureStdout();
    EXPECT_EQ(EndSession(0, Show), code);
    fits(onError ? testing::internal::GetCapturedStderr() : testing::internal::GetCapturedStdout());
#endif
}

// What a new session refuses with, or empty where the game may start.
std::string Refusal(int argc, const char* const* argv) {
    shown.clear();
    ResetProgram();
    return BeginSession(argc, argv, Show) ? "" : shown.at(0).first;
}

// At --pace 0, a step a turn, each through the session's turn.
void RunTurns(int count) {
    for (int i = 0; i < count && !ShellIdleTurn().done; ++i) {
    }
}

// Each test starts with no session, in a folder of its own; the session it
// leaves is closed before that folder goes.
class DemoSessionTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        shown.clear();
    }
    void TearDown() override { ResetProgram(); }

    ScratchFolder folder{false};
};

class DemoFileTest : public DemoSessionTest {};

TEST_F(DemoSessionTest, ARefusedStartIsShownAndTheGameMustNotStart) {
    const char* argv[] = {"maze", "--jump"};
    EXPECT_FALSE(BeginSession(2, argv, Show));
    const Box refusal{
        "Unknown option: --jump\n"
        "The options are --record FILE, --playdemo FILE or --timedemo FILE, --pace N, --fps N and --mouse-rate N.",
        "ERROR"};
    EXPECT_EQ(shown, std::vector<Box>{refusal});
}

TEST_F(DemoSessionTest, WithoutADemoTheGamesOwnCodeEndsItAndNothingIsShown) {
    const char* argv[] = {"maze"};
    EXPECT_TRUE(BeginSession(1, argv, Show));
    EXPECT_EQ(EndSession(7, Show), 7);
    EXPECT_TRUE(shown.empty());
}

// The session's code wins over the game's, and the player is told why, with
// the folder; the state line still reaches standard output.
TEST_F(DemoSessionTest, AResultThatCannotBeWrittenIsShownAndEndsWithTwo) {
    std::ofstream("short.script") << "frames 1\n";
    std::filesystem::create_directory("demo-result.txt");
    const char* argv[] = {"maze", "--playdemo", "short.script"};
    ASSERT_TRUE(BeginSession(3, argv, Show));
    ExpectEnd(2, false, [](const std::string& out) { EXPECT_EQ(out.rfind("frame=0 ", 0), 0u) << out; });
    ASSERT_EQ(shown.size(), 1u);
    const std::string start =
        "Cannot write \"demo-result.txt\" in " + std::filesystem::current_path().u8string() + ": ";
    EXPECT_EQ(shown[0].first.rfind(start, 0), 0u) << shown[0].first;
}

// A demo of another game step fails its `expect` as any other, with a hint.
TEST_F(DemoSessionTest, AFailedExpectOfAnotherGameStepIsToldWithAHint) {
    std::ofstream("old.script") << "# maze 2.0.0, game step 9\nframes 1\nexpect frame=2\n";
    const char* argv[] = {"maze", "--playdemo", "old.script", "--pace", "0"};
    ASSERT_TRUE(BeginSession(5, argv, Show));
    RunTurns(3);
    ExpectEnd(1, true, [](const std::string& told) {
        EXPECT_NE(told.find("old.script: line 3: expect: frame is 1, expected 2"), std::string::npos) << told;
        EXPECT_NE(told.find("\n  hint: recorded by maze 2.0.0 (game step 9); this is maze "), std::string::npos)
            << told;
    });
}

// Until the game runs, an existing file keeps its bytes and a new one is not
// made, nor is the file it is written to until the end left behind; a name
// outside any code page is the file made, in place of what a game killed
// earlier left beside it.
TEST_F(DemoSessionTest, ARecordingTouchesItsFileOnlyOnceTheGameRuns) {
    std::ofstream("best.script") << "frames 7\n";
    const char* argv[] = {"maze", "--record", "best.script"};
    ASSERT_TRUE(BeginSession(3, argv, Show));
    ResetProgram();
    EXPECT_EQ(FileText("best.script"), "frames 7\n");
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
    const std::string text = FileText(name);
    EXPECT_EQ(text.rfind("# maze ", 0), 0u) << text;
    EXPECT_NE(text.find("\nexpect frame=2 "), std::string::npos) << text;
    EXPECT_TRUE(shown.empty());
}

// A recording that cannot be put in place leaves the file of that name as it was.
TEST_F(DemoSessionTest, AReplaceThatFailsKeepsTheFileItWasToReplace) {
    std::ofstream("best.script") << "frames 7\n";
    std::FILE* f = OpenFile("other.txt", "wb");
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(CloseAndReplace(f, "gone.script.part", "best.script"));
    EXPECT_EQ(FileText("best.script"), "frames 7\n");
}

TEST_F(DemoSessionTest, ARecordingThatCannotBeMadeIsRefusedAndLeavesNothing) {
    const char* argv[] = {"maze", "--record", "missing/best.script"};
    const std::string refused = Refusal(3, argv);
    EXPECT_EQ(refused.rfind("Cannot write \"missing/best.script\": ", 0), 0u) << refused;
    EXPECT_EQ(shown.size(), 1u);
}

// The page's "Play again" after a timed demo: the new game is a plain one,
// and its end writes nothing of the demo.
TEST_F(DemoSessionTest, ANewGameAfterADemoEndsAsAPlainGame) {
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
TEST_F(DemoSessionTest, ARecordingAfterARecordingIsWhole) {
    const char* first[] = {"maze", "--record", "first.script"};
    ASSERT_TRUE(BeginSession(3, first, Show));
    EXPECT_EQ(EndSession(0, Show), 0);
    ResetProgram();
    const char* second[] = {"maze", "--record", "second.script"};
    ASSERT_TRUE(BeginSession(3, second, Show));
    EXPECT_EQ(EndSession(0, Show), 0);
    const std::string text = FileText("second.script");
    EXPECT_NE(text.find("expect frame=0 "), std::string::npos) << text;
    EXPECT_TRUE(shown.empty());
}

// A demo file is read up to its limit and no further: one byte more is
// refused, as the games refuse it, before the window opens.
TEST_F(DemoFileTest, NoMoreThanSixteenMebibytes) {
    std::string content(kMaxDemoBytes, '#');
    content[1] = '\n';
    std::ofstream("full.script", std::ios::binary) << content;
    std::ofstream("over.script", std::ios::binary) << content << '\n';
    content.clear();
    EXPECT_EQ(ReadDemoFile("full.script", content), "");
    EXPECT_EQ(content.size(), kMaxDemoBytes);
    content.clear();
    EXPECT_EQ(ReadDemoFile("over.script", content), "The demo \"over.script\" is larger than 16 MiB.");
    const char* argv[] = {"maze", "--playdemo", "over.script"};
    EXPECT_EQ(Refusal(3, argv), "The demo \"over.script\" is larger than 16 MiB.");
}

// The files the game writes are never a demo or a recording, by whatever
// name they are given; a file of its own is played.
TEST_F(DemoFileTest, NeverTheGamesOwnFiles) {
    std::filesystem::create_directory("sub");
    for (const char* name : {"demo-result.txt", "timedemo.txt", "other.script"}) {
        std::ofstream(name) << "frames 1\n";
    }
    struct Case {
        const char* option;
        const char* file;
        const char* own;  // what is refused, or null
    };
    const Case cases[] = {
        {"--playdemo", "demo-result.txt", "demo-result.txt"},
        {"--timedemo", "./timedemo.txt", "timedemo.txt"},
        {"--record", "sub/../lista.txt", "lista.txt"},
        {"--record", "sub/lista.txt", nullptr},
        {"--playdemo", "other.script", nullptr},
        {"--record", "demo-result.txt", "demo-result.txt"},
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)  // a hard link of the file
        {"--playdemo", "sub/linked.txt", "timedemo.txt"},
#endif
    };
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
    std::filesystem::create_hard_link("timedemo.txt", "sub/linked.txt");
#endif
    for (const Case& c : cases) {
        const char* argv[] = {"maze", c.option, c.file};
        const std::string refused = c.own ? "\"" + std::string(c.file) + "\" is \"" + c.own +
                                                "\", which the game writes itself: choose another file."
                                          : "";
        EXPECT_EQ(Refusal(3, argv), refused) << c.option << " " << c.file;
    }
}

#ifdef __linux__
// Nothing but a regular file is opened, for reading or writing: a device
// may never end and a pipe never begin, and neither may hang the game.
TEST_F(DemoFileTest, OnlyRegularFiles) {
    ASSERT_EQ(mkfifo("pipe.script", 0600), 0);
    const std::string why = "\": Not a regular file (a pipe, a device or a socket)";
    std::string content;
    for (const std::string path : {"/dev/zero", "pipe.script"}) {
        EXPECT_EQ(ReadDemoFile(path, content), "Cannot read the demo \"" + path + why);
        const char* argv[] = {"maze", "--record", path.c_str()};
        EXPECT_EQ(Refusal(3, argv), "Cannot write \"" + path + why);
    }
}
#endif

}  // namespace
