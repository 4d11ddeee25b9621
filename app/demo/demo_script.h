// demo_script.h -- the script language of maze-sim and of the games' demos, read and written but not run.
#pragma once

#include <string>
#include <vector>

enum class DemoOp { Key, Async, Mouse, Frames, Set, State, Cell, Counts, Gl, Calls, Expect };

// As many codes as the game's key table has entries.
constexpr int kKeyCodes = 256;

// One command of a script, checked: every number is in range, every name
// known. Only the fields of its kind are set; the others keep these values.
struct DemoCommand {
    DemoOp op = DemoOp::State;
    long line = 0;                       // its line in the script, for messages
    int code = 0;                        // key, async: the virtual-key code, below kKeyCodes
    bool down = false;                   // key, async
    unsigned x = 0, y = 0;               // mouse: client coordinates, as the message's 16-bit words
    long count = 0;                      // frames
    int level = 0, row = 0, column = 0;  // cell: within the grid
    std::string name;                    // set: the variable; calls: the call's name, empty for all
    std::string value;                   // set: its value; expect: the state line, words one space apart
};

enum class LineKind { Command, Blank, Bad };

// Reads line `number` of a script (a trailing CR is dropped). Blank lines and
// comments give Blank; a line that is not a command gives Bad and, in `error`,
// "line N: unknown command: LINE" or "line N: malformed: LINE". maze-sim calls
// it line by line and runs each command before reading the next.
LineKind ParseScriptLine(std::string line, long number, DemoCommand& command, std::string& error);

// Reads a whole script, the text of its file, for the games, which refuse it
// before opening the window. False, with the first bad line's message in
// `error`, when any line is not a command.
bool ParseScript(const std::string& text, std::vector<DemoCommand>& commands, std::string& error);

// The line, without its newline, that ParseScriptLine reads back as
// `command` (its line number aside): how a recording is written.
std::string ScriptLine(const DemoCommand& command);

// A comment line holding `text`, for whoever reads the file; readers skip it.
std::string CommentLine(const std::string& text);

// The word a command's line starts with ("key", "expect", ...).
const char* CommandName(DemoOp op);

// "line N: WHAT: DETAIL", the form of every message about a line of a script.
std::string LineMessage(long number, const std::string& what, const std::string& detail);
