// demo_script_test.cpp -- the script's lines refused, written and read back; its header line; state lines compared.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/demo/demo_recorder.h"
#include "app/demo/demo_script.h"
#include "app/demo/state_line.h"

namespace {

// Every field, for comparing whole commands.
auto Fields(const DemoCommand& c) {
    return std::make_tuple(c.op, c.line, c.code, c.down, c.x, c.y, c.count, c.level, c.row, c.column, c.name, c.value);
}

// The commands of a text, as the games check and then read them.
bool ReadAll(const std::string& text, std::vector<DemoCommand>& commands, std::string& error) {
    DemoText demo;
    if (!demo.Check(text, error)) {
        return false;
    }
    for (DemoCommand c; demo.Next(c);) {
        commands.push_back(c);
    }
    return true;
}

// The rows of a table beside this file, each with the "## " heading above it.
std::vector<std::pair<std::string, std::string>> Rows(const std::string& name) {
    std::ifstream table(MAZE_TESTS_DIR "/unit/" + name);
    EXPECT_TRUE(table) << "cannot read " MAZE_TESTS_DIR "/unit/" << name;
    std::vector<std::pair<std::string, std::string>> rows;
    std::string heading, line;
    while (std::getline(table, line)) {
        if (line.rfind("## ", 0) == 0) {
            heading = line.substr(3);
        } else if (!line.empty() && line[0] != '#') {
            rows.emplace_back(heading, line);
        }
    }
    return rows;
}

// Each kind of bad line, after three lines that are not commands and one
// that is (with a CR, as a Windows editor leaves it): its message names line 5.
// The lines and their reasons are in bad_lines.script.
TEST(DemoScriptTest, EachBadLineIsRefusedWithItsNumber) {
    const auto rows = Rows("bad_lines.script");
    EXPECT_EQ(rows.size(), 59u) << "the table read whole";
    for (const auto& [why, line] : rows) {
        SCOPED_TRACE(line);
        std::vector<DemoCommand> commands;
        std::string error;
        EXPECT_FALSE(ReadAll("# a demo\n\n   \nframes 1\r\n" + line + "\r\nstate\n", commands, error));
        EXPECT_EQ(error, "line 5: " + why + ": " + line);

        DemoCommand command;
        error.clear();
        EXPECT_EQ(ParseScriptLine(line + "\r", 9, true, command, error), LineKind::Bad);
        EXPECT_EQ(error, "line 9: " + why + ": " + line);
    }
}

// Every word as the writer spells it: read, then written, it is the same
// line, or the one good_lines.script gives; read again, the same command.
TEST(DemoScriptTest, EveryWordWrittenAsItIsRead) {
    const auto rows = Rows("good_lines.script");
    EXPECT_EQ(rows.size(), 18u) << "the table read whole";
    for (const auto& [heading, read] : rows) {
        SCOPED_TRACE(read);
        const std::string written = heading == "written as read" ? read : heading.substr(std::strlen("written as: "));
        DemoCommand command, again;
        std::string error;
        ASSERT_EQ(ParseScriptLine(read, 1, true, command, error), LineKind::Command) << error;
        EXPECT_EQ(ScriptLine(command), written);
        ASSERT_EQ(ParseScriptLine(ScriptLine(command), 1, true, again, error), LineKind::Command) << error;
        EXPECT_EQ(Fields(again), Fields(command));
    }
}

// The inputs of a script, given to the recorder as a game hears them, are
// written as that very script: the reader reads the recorder's lines as the
// inputs it was given, in order, and skips its comment.
TEST(DemoScriptTest, ARecordingReadsBackAsItsInputs) {
    const std::string inputs =
        "mouse 500 300\n"
        "frames 1\n"
        "key 87 down\n"
        "async 16 down\n"
        "frames 3\n"
        "mouse 65535 0\n"
        "key 255 up\n"
        "async 0 down\n"
        "key 0 down\n"
        "frames 2\n"
        "async 16 up\n"
        "mouse 0 65535\n"
        "frames 1\n"
        "key 27 down\n";
    std::vector<DemoCommand> commands;
    std::string error, text;
    ASSERT_TRUE(ReadAll(inputs, commands, error)) << error;
    DemoRecorder recorder([&text](const std::string& lines) { text += lines; }, [] { return 0LL; });
    for (const DemoCommand& c : commands) {
        switch (c.op) {
            case DemoOp::Key:
                recorder.Key(static_cast<unsigned>(c.code), c.down);
                break;
            case DemoOp::Async:
                recorder.Async(c.code, c.down);
                break;
            case DemoOp::Mouse:
                recorder.Mouse(c.x, c.y);
                break;
            default:
                for (long i = 0; i < c.count; ++i) {
                    recorder.Frame();
                }
        }
    }
    recorder.Note("7 steps in 0.007 s at --pace 1000, 7 of them drawn");
    recorder.Finish(StateLine(7, 0));
    EXPECT_EQ(text, inputs + "# 7 steps in 0.007 s at --pace 1000, 7 of them drawn\nexpect " + StateLine(7, 0) + "\n");
    commands.clear();
    ASSERT_TRUE(ReadAll(text, commands, error)) << error;
    EXPECT_EQ(commands.size(), 15u);
    EXPECT_EQ(commands.back().value, StateLine(7, 0));
}

// What a message echoes of a line stops at the limit's edge; the bytes it
// shows are in tests/sim/refused (control_bytes_shown, long_line_shown_cut).
TEST(DemoScriptTest, RefusedLinesAreShownSafely) {
    DemoCommand command;
    std::string error;
    EXPECT_EQ(ParseScriptLine("# " + std::string(kMaxLineBytes - 2, 'x'), 6, true, command, error), LineKind::Blank);
    EXPECT_EQ(ParseScriptLine("# " + std::string(kMaxLineBytes - 1, 'x'), 6, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 6: longer than 4096 bytes: # " + std::string(78, 'x') + "...");
    // Line numbers do not wrap in the 32-bit builds.
    EXPECT_EQ(ParseScriptLine("jump", 4294967298LL, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 4294967298: unknown command: jump");
}

// The first line may start with a byte-order mark (tests/sim/refused/mark_not_first:
// no other may). Only the last line, unterminated, is cut short, whatever it
// reads as (tests/sim/refused/cut_*), and the commands end before it. A CR
// ends a line only before its newline.
TEST(DemoScriptTest, AMarkFirstAndACutLast) {
    std::vector<DemoCommand> commands;
    std::string error;
    EXPECT_TRUE(
        ReadAll("\xEF\xBB\xBF"
                "frames 1\n",
                commands, error))
        << error;

    DemoText demo;
    ASSERT_TRUE(demo.Check("frames 2\n\nkey 87 down\nstate", error)) << error;
    EXPECT_EQ(demo.CutShortNotice(), "line 4: cut short; the script ends at line 3");
    DemoCommand command;
    EXPECT_TRUE(demo.Next(command));
    EXPECT_TRUE(demo.Next(command));
    EXPECT_EQ(command.line, 3);
    EXPECT_FALSE(demo.Next(command));
    ASSERT_TRUE(demo.Check("frames 2\r\nstate\r\n", error));
    EXPECT_EQ(demo.CutShortNotice(), "");
}

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

// Lines that agree, differ in a field, lack one or hold one more, as maze-sim
// shows them, are in tests/sim/refused/expect_*; here, what a script cannot hold.
TEST(StateCompareTest, NamesTheFirstFieldThatDiffers) {
    EXPECT_EQ(CompareStateLines("frame=2  yrot=0\tpauses=0", "frame=2 yrot=0 pauses=0"), "");
    EXPECT_EQ(CompareStateLines("frame=2", ""), "frame is (none), expected 2\n  expected: frame=2\n  actual:   \n");
    // A field missing from the middle is where the lines part, named from the expected one.
    EXPECT_EQ(CompareStateLines("frame=2 lvl=0 yrot=0", "frame=2 yrot=0").rfind("lvl is ", 0), 0u);
}

}  // namespace
