// script.cpp -- parsing and running the simulator's commands.
#include "tools/sim/script.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/common/game_window.h"
#include "app/common/gl_setup.h"
#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/view.h"
#include "app/common/state_line.h"
#include "world/level_grid.h"

namespace {

struct Sim {
    long frame = 0;
    std::ostream& out;
};

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

using Args = std::vector<std::string>;

bool CmdKey(Sim&, const Args& a) {
    long code;
    bool down;
    if (a.size() != 3 || !ToLong(a[1], 0, 255, code) || !ToUpDown(a[2], down)) {
        return false;
    }
    down ? KeyDown(static_cast<unsigned>(code)) : KeyUp(static_cast<unsigned>(code));
    return true;
}

bool CmdAsync(Sim&, const Args& a) {
    long code;
    bool down;
    if (a.size() != 3 || !ToLong(a[1], 0, 255, code) || !ToUpDown(a[2], down)) {
        return false;
    }
    sysnull::SetKeyDown(static_cast<int>(code), down);
    return true;
}

bool CmdMouse(Sim&, const Args& a) {
    long x, y;
    // Client coordinates travel as two 16-bit words of the message.
    if (a.size() != 3 || !ToLong(a[1], -32768, 65535, x) || !ToLong(a[2], -32768, 65535, y)) {
        return false;
    }
    MouseLook(static_cast<unsigned>(x) & 0xFFFFu, static_cast<unsigned>(y) & 0xFFFFu);
    return true;
}

bool CmdFrames(Sim& sim, const Args& a) {
    long n;
    if (a.size() != 2 || !ToLong(a[1], 0, 100000000L, n)) {
        return false;
    }
    // Only the last frame keeps its calls, for `calls`: the others just count.
    for (long i = 0; i < n; ++i) {
        glrec::SetDetail(i == n - 1 ? glrec::Detail::Calls : glrec::Detail::Counts);
        glrec::Clear();
        DrawGLScene();
        ++sim.frame;
    }
    glrec::SetDetail(glrec::Detail::Counts);
    return true;
}

bool CmdSet(Sim&, const Args& a) {
    return a.size() == 3 && SetStateVariable(a[1], a[2]);
}

bool CmdState(Sim& sim, const Args& a) {
    if (a.size() != 1) {
        return false;
    }
    sim.out << StateLine(sim.frame, sysnull::Pauses()) << '\n';
    return true;
}

bool CmdCell(Sim& sim, const Args& a) {
    long level, row, column;
    if (a.size() != 4 || !ToLong(a[1], 0, kLevels - 1, level) || !ToLong(a[2], 0, kRows - 1, row) ||
        !ToLong(a[3], 0, kColumns - 1, column)) {
        return false;
    }
    sim.out << CellAt(int(level), int(row), int(column)) << '\n';
    return true;
}

bool CmdCounts(Sim& sim, const Args& a) {
    if (a.size() != 1) {
        return false;
    }
    const BoxCounts& c = lastFrameCounts;
    sim.out << "walls=" << c.wallCount << " open=" << c.openCount << " stairs=" << c.stairCount
            << " crates=" << c.crateCount << " doors=" << c.doorCount << '\n';
    return true;
}

bool CmdGl(Sim& sim, const Args& a) {
    if (a.size() != 1) {
        return false;
    }
    sim.out << "pairs=" << glrec::Get().pairs << " vertices=" << glrec::Get().vertices << '\n';
    return true;
}

// One call a line, arguments as %.9g: exact for every float argument.
void PrintCall(std::ostream& out, const glrec::Call& call) {
    out << call.name;
    char number[32];
    for (double arg : call.args) {
        std::snprintf(number, sizeof number, " %.9g", arg);
        out << number;
    }
    out << '\n';
}

bool CmdCalls(Sim& sim, const Args& a) {
    if (a.size() > 2) {
        return false;
    }
    for (const glrec::Call& call : glrec::Get().calls) {
        if (a.size() == 1 || call.name == a[1]) {
            PrintCall(sim.out, call);
        }
    }
    return true;
}

struct Command {
    const char* name;
    bool (*run)(Sim&, const Args&);
};

const Command kCommands[] = {
    {"key", CmdKey},     {"async", CmdAsync}, {"mouse", CmdMouse},   {"frames", CmdFrames}, {"set", CmdSet},
    {"state", CmdState}, {"cell", CmdCell},   {"counts", CmdCounts}, {"gl", CmdGl},         {"calls", CmdCalls},
};

Args Split(const std::string& line) {
    std::istringstream words(line);
    Args args;
    for (std::string w; words >> w;) {
        args.push_back(w);
    }
    return args;
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    // The game as CreateGLWindow leaves it, in a recorded context: the
    // projection, then the textures from Data/ in the working folder, if any,
    // and the fixed state. `calls` before the first frame prints these.
    StartHeadless(glrec::Detail::Calls);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    InitGL();
    glrec::SetDetail(glrec::Detail::Counts);

    Sim sim{0, out};
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const Args args = Split(line);
        if (args.empty() || args[0][0] == '#') {
            continue;
        }
        const Command* found = nullptr;
        for (const Command& c : kCommands) {
            if (args[0] == c.name) {
                found = &c;
            }
        }
        if (found == nullptr || !found->run(sim, args)) {
            out.flush();
            err << "maze-sim: line " << number << ": " << (found == nullptr ? "unknown command" : "malformed") << ": "
                << line << '\n';
            return 2;
        }
    }
    return 0;
}
