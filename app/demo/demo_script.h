// demo_script.h -- the script of maze-sim and of the games' demos: its lines, a demo's text and file, the header line.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

#include "app/common/named.h"

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

// The words of `line`, split at spaces, tabs and the other blanks of the C
// locale: as a script's line is read, and as two state lines are compared.
std::vector<std::string> Words(const std::string& line);

// "line N: WHAT: DETAIL", the form of every message about a line of a script.
std::string LineMessage(long long number, const std::string& what, const std::string& detail);

// A line as a message may echo it: bytes outside printable ASCII as \xNN,
// and cut with "..." after 80 characters, so a box is neither cut short by a
// NUL nor flooded.
std::string ShownLine(const std::string& line);

// How many of the digits 0 to 9 start `text` at `at`: for the numbers read
// by hand, so that every build reads them the same, whatever its C library takes.
std::size_t Digits(const std::string& text, std::size_t at);

// Raised whenever a change to the game step makes older recordings play
// differently: a recording's `expect` holds only in a game of its own step.
constexpr int kGameStep = 1;

// What a script's first comments say made it; a game step of 0 where none says.
struct DemoOrigin {
    std::string version;
    int gameStep = 0;
};

// The comments a recording starts with, for the recorder's Note: this
// program and its version with the game step, the build (windows, linux,
// web) and `now` in UTC.
std::vector<std::string> OriginNotes(std::time_t now);

// A game step in a header is a whole number from 1 to 999999999, in at most
// this many digits; a version, at most this many bytes before its comma.
constexpr std::size_t kMaxGameStepDigits = 9;
constexpr std::size_t kMaxVersionBytes = 31;

// What the first line of `script` (a whole script, or its first line alone,
// as maze-sim reads it) says made it, where it is the header line OriginNotes
// writes first; otherwise no game step. A comment further down
// names nothing: a header is what a recording starts with. A game step
// beyond the range names none either. The version is kept as a message
// shows a line (ShownLine): no escape byte of it reaches a terminal.
DemoOrigin ReadOrigin(const std::string& script);

// Told after an `expect` that did not hold: where `origin` names a game step
// other than this game's, a line saying so (a hint, not a cause for
// refusal); otherwise empty.
std::string OriginHint(const DemoOrigin& origin);

// A demo keeps its text, no more: the commands are read again as they play,
// so a long demo costs its file's size, and a line that does nothing costs
// nothing further.
class DemoText {
public:
    // The one way from a demo's bytes to its commands, the games' and any
    // other reader's that plays them as the games do. Reads every line as
    // maze-sim reads it; true, and ready for Next from the first command, when
    // each is a command, blank or a comment, the last one possibly cut short
    // (the commands then end before it, and CutShortNotice says so). False,
    // with "line N: WHAT: LINE" in `error`, at the first that is not.
    bool Check(std::string text, std::string& error);

    // The next command, in order, into `command`; false once none is left.
    bool Next(DemoCommand& command);

    // "line N: cut short; the script ends at line N-1" for a text whose last
    // line was cut off as it was written; empty otherwise.
    const std::string& CutShortNotice() const { return cutShort_; }

    // What its first line says made it (ReadOrigin), read as Check reads it.
    const DemoOrigin& Origin() const { return origin_; }

private:
    LineKind ReadLine(DemoCommand& command, std::string& error);

    std::string text_;
    std::size_t end_ = 0;  // where the commands end: at a line cut short, or the text's end
    std::size_t at_ = 0;
    long long line_ = 0;  // of the line read last
    std::string cutShort_;
    DemoOrigin origin_;
};

// The most a demo file may hold: a 13-minute game records about 1 MB.
constexpr std::size_t kMaxDemoBytes = std::size_t{16} << 20;

// Reads the file at `path` into `content`, reading no more than one byte past
// kMaxDemoBytes, so that a file that never ends (/dev/zero) is refused too.
// Empty, or what to tell the player: it cannot be read, or it is too large.
std::string ReadDemoFile(const std::string& path, std::string& content);
