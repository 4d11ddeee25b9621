// demo_script.cpp -- reading script lines into commands: names, counts and ranges.
#include "app/demo/demo_script.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "app/demo/state_line.h"
#include "world/level_grid.h"

namespace {

using Args = std::vector<std::string>;

bool ToLong(const std::string& text, long lo, long hi, long& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtol(begin, &end, 10);
    return end != begin && *end == '\0' && errno != ERANGE && value >= lo && value <= hi;
}

bool ToUpDown(const std::string& text, bool& down) {
    down = text == "down";
    return down || text == "up";
}

bool ReadKey(const Args& a, DemoCommand& c) {
    return a.size() == 3 && ToLong(a[1], 0, 255, c.a) && ToUpDown(a[2], c.down);
}

bool ReadMouse(const Args& a, DemoCommand& c) {
    // Client coordinates travel as two 16-bit words of the message.
    if (a.size() != 3 || !ToLong(a[1], -32768, 65535, c.a) || !ToLong(a[2], -32768, 65535, c.b)) {
        return false;
    }
    c.a = static_cast<long>(static_cast<unsigned long>(c.a) & 0xFFFFu);
    c.b = static_cast<long>(static_cast<unsigned long>(c.b) & 0xFFFFu);
    return true;
}

bool ReadFrames(const Args& a, DemoCommand& c) {
    return a.size() == 2 && ToLong(a[1], 0, 100000000L, c.a);
}

bool ReadSet(const Args& a, DemoCommand& c) {
    if (a.size() != 3 || !IsStateVariable(a[1], a[2])) {
        return false;
    }
    c.name = a[1];
    c.value = a[2];
    return true;
}

bool ReadBare(const Args& a, DemoCommand&) {
    return a.size() == 1;
}

bool ReadCell(const Args& a, DemoCommand& c) {
    return a.size() == 4 && ToLong(a[1], 0, kLevels - 1, c.a) && ToLong(a[2], 0, kRows - 1, c.b) &&
           ToLong(a[3], 0, kColumns - 1, c.c);
}

bool ReadCalls(const Args& a, DemoCommand& c) {
    if (a.size() == 2) {
        c.name = a[1];
    }
    return a.size() <= 2;
}

// The state line is compared as words, so spacing in the script does not matter.
bool ReadExpect(const Args& a, DemoCommand& c) {
    for (size_t i = 1; i < a.size(); ++i) {
        c.value += (i > 1 ? " " : "") + a[i];
    }
    return a.size() > 1;
}

struct Reader {
    const char* name;
    DemoOp op;
    bool (*read)(const Args&, DemoCommand&);
};

const Reader kReaders[] = {
    {"key", DemoOp::Key, ReadKey},          {"async", DemoOp::Async, ReadKey},      {"mouse", DemoOp::Mouse, ReadMouse},
    {"frames", DemoOp::Frames, ReadFrames}, {"set", DemoOp::Set, ReadSet},          {"state", DemoOp::State, ReadBare},
    {"cell", DemoOp::Cell, ReadCell},       {"counts", DemoOp::Counts, ReadBare},   {"gl", DemoOp::Gl, ReadBare},
    {"calls", DemoOp::Calls, ReadCalls},    {"expect", DemoOp::Expect, ReadExpect},
};

Args Split(const std::string& line) {
    std::istringstream words(line);
    Args args;
    for (std::string w; words >> w;) {
        args.push_back(w);
    }
    return args;
}

const Reader* Find(const std::string& name) {
    for (const Reader& r : kReaders) {
        if (name == r.name) {
            return &r;
        }
    }
    return nullptr;
}

}  // namespace

LineKind ParseScriptLine(std::string line, long number, DemoCommand& command, std::string& error) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const Args args = Split(line);
    if (args.empty() || args[0][0] == '#') {
        return LineKind::Blank;
    }
    const Reader* reader = Find(args[0]);
    command = DemoCommand{};
    command.line = number;
    if (reader != nullptr) {
        command.op = reader->op;
        if (reader->read(args, command)) {
            return LineKind::Command;
        }
    }
    error =
        "line " + std::to_string(number) + ": " + (reader == nullptr ? "unknown command" : "malformed") + ": " + line;
    return LineKind::Bad;
}

bool ParseScript(const std::string& text, std::vector<DemoCommand>& commands, std::string& error) {
    // Lines as getline gives them to maze-sim: the last one needs no newline.
    long number = 0;
    for (size_t begin = 0; begin < text.size();) {
        size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end;
        DemoCommand command;
        const LineKind kind = ParseScriptLine(text.substr(begin, end - begin), ++number, command, error);
        begin = end + 1;
        if (kind == LineKind::Bad) {
            return false;
        }
        if (kind == LineKind::Command) {
            commands.push_back(command);
        }
    }
    return true;
}
