// demo_options_test.cpp -- the games' command line: what it takes, and what it refuses with which message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/common/main_loop.h"
#include "app/common/texts.h"
#include "app/demo/demo_options.h"

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
            EXPECT_EQ(options.pace, c.pace);
        }
    }
}

}  // namespace
