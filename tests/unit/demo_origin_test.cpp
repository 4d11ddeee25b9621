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

TEST(DemoOriginTest, ADemoOfAnotherGameStepGetsAHintOneWithoutAHeaderNone) {
    const std::string ours = ReadOrigin(Header(0)).version;
    DemoOrigin origin = ReadOrigin("frames 3\n# maze 1.1.0, game step 2\r\nexpect frame=3\n");
    EXPECT_EQ(OriginHint(origin), "  hint: recorded by maze 1.1.0 (game step 2); this is maze " + ours +
                                      " (game step 1), whose step differs\n");

    EXPECT_EQ(OriginHint(ReadOrigin("# a comment\nframes 3\n")), "");
    // Line by line, as maze-sim streams: other comments leave what was read.
    origin = DemoOrigin{};
    for (const char* line : {"# maze 0.9.0, game step 3", "# maze, game step x", "# build web"}) {
        ReadOriginLine(line, origin);
    }
    EXPECT_EQ(origin.version, "0.9.0");
    EXPECT_EQ(origin.gameStep, 3);
}

}  // namespace
