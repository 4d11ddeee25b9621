// demo_text.h -- a demo's text, checked whole before the game starts, then read a command at a time as it plays.
#pragma once

#include <cstddef>
#include <string>

#include "app/demo/demo_script.h"

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

private:
    LineKind ReadLine(DemoCommand& command, std::string& error);

    std::string text_;
    std::size_t end_ = 0;  // where the commands end: at a line cut short, or the text's end
    std::size_t at_ = 0;
    long long line_ = 0;  // of the line read last
    std::string cutShort_;
};
