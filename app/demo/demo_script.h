// demo_script.h -- the script language of maze-sim and of the games' demos, read but not run.
#pragma once

#include <string>
#include <vector>

enum class DemoOp { Key, Async, Mouse, Frames, Set, State, Cell, Counts, Gl, Calls, Expect };

// One command of a script, checked: every number is in range, every name known.
struct DemoCommand {
    DemoOp op = DemoOp::State;
    long line = 0;      // its line in the script, for messages
    long a = 0, b = 0;  // key/async: code; mouse: x y (16-bit words); frames: count; cell: level row
    long c = 0;         // cell: column
    bool down = false;  // key, async
    std::string name;   // set: variable; calls: the call's name, empty for all
    std::string value;  // set: its value; expect: the state line, words one space apart
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
