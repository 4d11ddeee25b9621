// demo_script_test.cpp -- the script's lines refused, written and read back; its header line; state lines compared.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
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

// Each kind of bad line, after three lines that are not commands and one
// that is (with a CR, as a Windows editor leaves it): its message names line 5.
// The lines and their reasons are in bad_lines.script beside this file.
TEST(DemoScriptTest, EachBadLineIsRefusedWithItsNumber) {
    std::ifstream table(MAZE_TESTS_DIR "/unit/bad_lines.script");
    ASSERT_TRUE(table) << "cannot read " MAZE_TESTS_DIR "/unit/bad_lines.script";
    std::string why, line;
    int rows = 0;
    while (std::getline(table, line)) {
        if (line.rfind("## ", 0) == 0) {
            why = line.substr(3);
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ++rows;
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
    EXPECT_EQ(rows, 58) << "the table read whole";
}

// Every word as the writer spells it: read, then written, it is the same
// line. Mouse words come back as the 16-bit words the game is given.
TEST(DemoScriptTest, EveryWordWrittenAsItIsRead) {
    const struct {
        const char* read;
        const char* written;
    } lines[] = {
        {"key 0 down", "key 0 down"},
        {"key 255 up", "key 255 up"},
        {"async 16 down", "async 16 down"},
        {"mouse 65535 0", "mouse 65535 0"},
        {"mouse -1 -32768", "mouse 65535 32768"},
        {"  mouse   312 \t 210 ", "mouse 312 210"},
        {"frames 0", "frames 0"},
        {"frames 100000000", "frames 100000000"},
        {"set centerz -7.5", "set centerz -7.5"},
        {"set DoorUpMax 1", "set DoorUpMax 1"},
        {"state", "state"},
        {"cell 2 9 19", "cell 2 9 19"},
        {"cell 0 1 2", "cell 0 1 2"},
        {"counts", "counts"},
        {"gl", "gl"},
        {"calls", "calls"},
        {"calls glVertex3f", "calls glVertex3f"},
        {"expect frame=3   lvl=1 pauses=0", "expect frame=3 lvl=1 pauses=0"},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.read);
        DemoCommand command, again;
        std::string error;
        ASSERT_EQ(ParseScriptLine(l.read, 1, true, command, error), LineKind::Command) << error;
        EXPECT_EQ(ScriptLine(command), l.written);
        ASSERT_EQ(ParseScriptLine(ScriptLine(command), 1, true, again, error), LineKind::Command) << error;
        EXPECT_EQ(Fields(again), Fields(command));
    }
}

// What the recorder writes, the reader reads back as the very inputs it was
// given, in order; the comment is skipped.
TEST(DemoScriptTest, ARecordingReadsBackAsItsInputs) {
    struct Input {
        DemoOp op;
        int code;
        bool down;
        unsigned x, y;
        long frames;
    };
    const Input inputs[] = {
        {DemoOp::Mouse, 0, false, 500, 300, 0}, {DemoOp::Frames, 0, false, 0, 0, 1},
        {DemoOp::Key, 87, true, 0, 0, 0},       {DemoOp::Async, 16, true, 0, 0, 0},
        {DemoOp::Frames, 0, false, 0, 0, 3},    {DemoOp::Mouse, 0, false, 65535, 0, 0},
        {DemoOp::Key, 255, false, 0, 0, 0},     {DemoOp::Async, 0, true, 0, 0, 0},
        {DemoOp::Key, 0, true, 0, 0, 0},        {DemoOp::Frames, 0, false, 0, 0, 2},
        {DemoOp::Async, 16, false, 0, 0, 0},    {DemoOp::Mouse, 0, false, 0, 65535, 0},
        {DemoOp::Frames, 0, false, 0, 0, 1},    {DemoOp::Key, 27, true, 0, 0, 0},
    };
    std::string text;
    DemoRecorder recorder([&text](const std::string& lines) { text += lines; }, [] { return 0LL; });
    for (const Input& in : inputs) {
        switch (in.op) {
            case DemoOp::Key:
                recorder.Key(static_cast<unsigned>(in.code), in.down);
                break;
            case DemoOp::Async:
                recorder.Async(in.code, in.down);
                break;
            case DemoOp::Mouse:
                recorder.Mouse(in.x, in.y);
                break;
            default:
                for (long i = 0; i < in.frames; ++i) {
                    recorder.Frame();
                }
        }
    }
    recorder.Note("7 steps in 0.007 s at --pace 1000, 7 of them drawn");
    const std::string state = StateLine(7, 0);
    recorder.Finish(state);

    std::vector<DemoCommand> commands;
    std::string error;
    ASSERT_TRUE(ReadAll(text, commands, error)) << error << "\n" << text;
    ASSERT_EQ(commands.size(), std::size(inputs) + 1) << text;
    for (size_t i = 0; i < std::size(inputs); ++i) {
        const Input& in = inputs[i];
        const DemoCommand& c = commands[i];
        SCOPED_TRACE(ScriptLine(c));
        EXPECT_EQ(c.op, in.op);
        EXPECT_EQ(std::make_tuple(c.code, c.down, c.x, c.y, c.count),
                  std::make_tuple(in.code, in.down, in.x, in.y, in.frames));
    }
    EXPECT_EQ(commands.back().op, DemoOp::Expect);
    EXPECT_EQ(commands.back().value, state);
}

// What a message echoes of a line: printable, and short.
TEST(DemoScriptTest, RefusedLinesAreShownSafely) {
    DemoCommand command;
    std::string error;
    EXPECT_EQ(ParseScriptLine(std::string("key 87\0junk down", 16), 3, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 3: a NUL byte: key 87\\x00junk down");
    EXPECT_EQ(ParseScriptLine("jump \x7f\xff\x01\t3", 4, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 4: unknown command: jump \\x7f\\xff\\x01\\x093");
    EXPECT_EQ(ParseScriptLine("jump " + std::string(100, 'x'), 5, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 5: unknown command: jump " + std::string(75, 'x') + "...");
    EXPECT_EQ(ParseScriptLine("# " + std::string(kMaxLineBytes - 2, 'x'), 6, true, command, error), LineKind::Blank);
    EXPECT_EQ(ParseScriptLine("# " + std::string(kMaxLineBytes - 1, 'x'), 6, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 6: longer than 4096 bytes: # " + std::string(78, 'x') + "...");
    // Line numbers do not wrap in the 32-bit builds.
    EXPECT_EQ(ParseScriptLine("jump", 4294967298LL, true, command, error), LineKind::Bad);
    EXPECT_EQ(error, "line 4294967298: unknown command: jump");
}

// Only the first line may start with a byte-order mark; only the last,
// unterminated, is cut short, whatever it reads as: a word begun, a word
// unknown, or a whole line that may be a longer one cut. A CR ends a line
// only before its newline.
TEST(DemoScriptTest, AMarkFirstAndACutLast) {
    const std::string mark = "\xEF\xBB\xBF";
    std::vector<DemoCommand> commands;
    std::string error;
    EXPECT_TRUE(ReadAll(mark + "frames 1\n", commands, error)) << error;
    EXPECT_FALSE(ReadAll("frames 1\n" + mark + "frames 1\n", commands, error));
    EXPECT_EQ(error.substr(0, 24), "line 2: unknown command:");

    for (const char* cut :
         {"mous", "expect frame=12 cen", "frames", "k", "key 87 do", "jump", "mouse 312 2", "state"}) {
        SCOPED_TRACE(cut);
        DemoText demo;
        ASSERT_TRUE(demo.Check(std::string("frames 2\n\nkey 87 down\n") + cut, error)) << error;
        EXPECT_EQ(demo.CutShortNotice(), "line 4: cut short; the script ends at line 3");
        DemoCommand command;
        EXPECT_TRUE(demo.Next(command));
        EXPECT_TRUE(demo.Next(command));
        EXPECT_EQ(command.line, 3);
        EXPECT_FALSE(demo.Next(command));
    }
    DemoText demo;
    EXPECT_FALSE(demo.Check("frames 2\nmous\n", error));
    EXPECT_EQ(error, "line 2: unknown command: mous");
    ASSERT_TRUE(demo.Check("frames 2\r\nstate\r\n", error));
    EXPECT_EQ(demo.CutShortNotice(), "");
    EXPECT_FALSE(demo.Check("frames 5\rexpect frame=999\r", error));
    EXPECT_EQ(error, "line 1: a carriage return within the line: frames 5\\x0dexpect frame=999\\x0d");
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
    // Read as a demo is, from its checked text, and as maze-sim reads its first line.
    for (const Case& c : cases) {
        DemoText demo;
        std::string error;
        ASSERT_TRUE(demo.Check(c.script, error)) << error;
        EXPECT_EQ(demo.Origin().version, c.version) << c.script;
        EXPECT_EQ(demo.Origin().gameStep, c.step) << c.script;
        EXPECT_EQ(ReadOrigin(std::string(c.script).substr(0, std::string(c.script).find('\n'))).gameStep, c.step);
    }
    const std::string ours = ReadOrigin(Header(0)).version;
    EXPECT_EQ(OriginHint(ReadOrigin(cases[0].script)), "  hint: recorded by maze 1.1.0 (game step 2); this is maze " +
                                                           ours + " (game step 1), whose step differs\n");
    EXPECT_EQ(OriginHint(ReadOrigin(cases[3].script)), "");
}

TEST(StateCompareTest, NamesTheFirstFieldThatDiffers) {
    const struct {
        const char* expected;
        const char* actual;
        const char* first;  // the first line of what is said; empty when they agree
    } cases[] = {
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=0 pauses=0", ""},
        {"frame=2  yrot=0\tpauses=0", "frame=2 yrot=0 pauses=0", ""},
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=3 pauses=0", "yrot is 3, expected 0"},
        {"frame=2 yrot=0 pauses=0", "frame=9 yrot=3 pauses=1", "frame is 9, expected 2"},
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=0", "pauses is (none), expected 0"},
        {"frame=2 yrot=0", "frame=2 yrot=0 pauses=1", "pauses is 1, expected (none)"},
        {"frame=2", "", "frame is (none), expected 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.expected) + " / " + c.actual);
        const std::string said = CompareStateLines(c.expected, c.actual);
        if (*c.first == '\0') {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_EQ(said, std::string(c.first) + "\n  expected: " + c.expected + "\n  actual:   " + c.actual + "\n");
        }
    }
    // A field missing from the middle is where the lines part, named from the expected one.
    EXPECT_EQ(CompareStateLines("frame=2 lvl=0 yrot=0", "frame=2 yrot=0").rfind("lvl is ", 0), 0u);
}

}  // namespace
