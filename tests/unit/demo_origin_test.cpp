// demo_origin_test.cpp -- a recording's first lines read back, and the hint a demo of another game step gets.
#include <string>
#include <vector>

#include "app/demo/demo_origin.h"
#include "app/demo/demo_script.h"
#include "gtest/gtest.h"

namespace {

#ifdef _WIN32
constexpr const char* kBuildLine = "# build windows";
#elif defined(__EMSCRIPTEN__)
constexpr const char* kBuildLine = "# build web";
#else
constexpr const char* kBuildLine = "# build linux";
#endif

std::string Header(std::time_t now) {
    std::string header;
    for (const std::string& note : OriginNotes(now)) {
        header += CommentLine(note) + '\n';
    }
    return header;
}

// Written as the recorder writes them, read as a demo is read: this game's
// own step, and nothing to hint at.
TEST(DemoOriginTest, TheHeaderNamesThisGameItsBuildAndTheTimeInUtc) {
    const std::string header = Header(1796682665);  // 2026-12-07 22:31:05 UTC
    const DemoOrigin origin = ReadOrigin(header + "frames 1\n");
    EXPECT_EQ(header,
              "# maze " + origin.version + ", game step 1\n" + kBuildLine + "\n# recorded 2026-12-07 22:31:05 UTC\n");
    EXPECT_EQ(origin.gameStep, kGameStep);
    EXPECT_FALSE(origin.version.empty());
    EXPECT_EQ(OriginHint(origin), "");
}

// Only the first line names the game that made a demo, its game step in
// digits from 1 to 999999999, its version shown as a message shows a line.
TEST(DemoOriginTest, ADemoOfAnotherGameStepGetsAHintOneWithoutAHeaderNone) {
    struct Case {
        const char* script;
        const char* version;
        int step;
    };
    const Case cases[] = {
        {"# maze 1.1.0, game step 2\r\nexpect frame=3\n", "1.1.0", 2},
        {"\xEF\xBB\xBF# maze 0.9.0, game step 999999999", "0.9.0", 999999999},
        {"# maze 1.\x1b[2J, game step 3\n", "1.\\x1b[2J", 3},
        {"frames 3\n# maze 1.1.0, game step 2\n", "", 0},
        {"# maze 1.1.0, game step 2147483648\n", "", 0},
        {"# maze 1.1.0, game step 99999999999\n", "", 0},
        {"# maze 1.1.0, game step -2\n", "", 0},
        {"# maze , game step 2\n", "", 0},
        {"# a comment\nframes 3\n", "", 0},
    };
    for (const Case& c : cases) {
        const DemoOrigin origin = ReadOrigin(c.script);
        EXPECT_EQ(origin.version, c.version) << c.script;
        EXPECT_EQ(origin.gameStep, c.step) << c.script;
    }
    const std::string ours = ReadOrigin(Header(0)).version;
    EXPECT_EQ(OriginHint(ReadOrigin(cases[0].script)), "  hint: recorded by maze 1.1.0 (game step 2); this is maze " +
                                                           ours + " (game step 1), whose step differs\n");
    EXPECT_EQ(OriginHint(ReadOrigin(cases[3].script)), "");
}

}  // namespace
