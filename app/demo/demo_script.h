// demo_script.h -- the script language of maze-sim and of the games' demos, read and written but not run.
#pragma once

#include <cstddef>
#include <string>

enum class DemoOp { Key, Async, Mouse, Frames, Set, State, Cell, Counts, Gl, Calls, Expect };

// As many codes as the game's key table has entries.
constexpr int kKeyCodes = 256;

// One command of a script, checked: every number is in range, every name
// known. Only the fields of its kind are set; the others keep these values.
struct DemoCommand {
    DemoOp op = DemoOp::State;
    long long line = 0;                  // its line in the script, for messages
    int code = 0;                        // key, async: the virtual-key code, below kKeyCodes
    bool down = false;                   // key, async
    unsigned x = 0, y = 0;               // mouse: client coordinates, as the message's 16-bit words
    long count = 0;                      // frames: the steps to run
    int level = 0, row = 0, column = 0;  // cell: within the grid
    std::string name;                    // set: the variable; calls: the call's name, empty for all
    std::string value;                   // set: its value; expect: the state line, words one space apart
};

// A line longer than this, its newline aside, is refused: a recorded line is
// under 300 bytes, and no reader need hold more than this of one.
constexpr size_t kMaxLineBytes = 4096;

enum class LineKind { Command, Blank, Bad, CutShort };

// Reads line `number` of a script (a UTF-8 byte-order mark before line 1 and a
// CR before the newline are dropped); `terminated` tells whether a newline
// ended it. Blank lines and comments give Blank; a line that is not a command
// gives Bad and, in `error`, "line N: WHAT: LINE" (unknown command,
// malformed, a NUL byte, a CR within it, too long), the line shown safely.
// An unterminated line, whatever it reads as, is a recording cut off as it
// was written: CutShort, and in `error` where the script ends. maze-sim calls
// it line by line and runs each command before reading the next.
LineKind ParseScriptLine(std::string line, long long number, bool terminated, DemoCommand& command, std::string& error);

// The line, without its newline, that ParseScriptLine reads back as
// `command` (its line number aside): how a recording is written.
std::string ScriptLine(const DemoCommand& command);

// A comment line holding `text`, for whoever reads the file; readers skip it.
std::string CommentLine(const std::string& text);

// The word a command's line starts with ("key", "expect", ...).
const char* CommandName(DemoOp op);

// "line N: WHAT: DETAIL", the form of every message about a line of a script.
std::string LineMessage(long long number, const std::string& what, const std::string& detail);

// A line as a message may echo it: bytes outside printable ASCII as \xNN,
// and cut with "..." after 80 characters, so a box is neither cut short by a
// NUL nor flooded.
std::string ShownLine(const std::string& line);
