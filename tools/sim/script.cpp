// script.cpp -- running the simulator's commands against the game step.
#include "tools/sim/script.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <string>

#include "app/common/game_window.h"
#include "app/common/gl_setup.h"
#include "app/demo/demo_script.h"
#include "app/demo/state_compare.h"
#include "app/demo/state_line.h"
#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/view.h"
#include "world/level_grid.h"

namespace {

struct Sim {
    long frame = 0;
    long drawEvery = 1;
    std::ostream& out;
    std::ostream& err;
};

void RunFrames(Sim& sim, long n) {
    // Only the last frame keeps its calls, for `calls`: the others just count.
    // Drawing every few steps only, as the games do between two shown
    // frames, must come to the very same game.
    for (long i = 0; i < n; ++i) {
        ++sim.frame;
        if (sim.frame % sim.drawEvery != 0) {
            StepWithoutDrawing();
            continue;
        }
        glrec::SetDetail(i == n - 1 ? glrec::Detail::Calls : glrec::Detail::Counts);
        glrec::Clear();
        DrawGLScene();
    }
    glrec::SetDetail(glrec::Detail::Counts);
}

void PrintCounts(std::ostream& out) {
    const BoxCounts& c = lastFrameCounts;
    out << "walls=" << c.wallCount << " open=" << c.openCount << " stairs=" << c.stairCount
        << " crates=" << c.crateCount << " doors=" << c.doorCount << '\n';
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

void PrintCalls(std::ostream& out, const std::string& name) {
    for (const glrec::Call& call : glrec::Get().calls) {
        if (name.empty() || call.name == name) {
            PrintCall(out, call);
        }
    }
}

// 1 when the state is not the one expected, after saying where it parts.
int Expect(Sim& sim, const DemoCommand& c) {
    const std::string difference = CompareStateLines(c.value, StateLine(sim.frame, sysnull::Pauses()));
    if (difference.empty()) {
        return 0;
    }
    sim.out.flush();
    sim.err << "maze-sim: line " << c.line << ": expect: " << difference;
    return 1;
}

// 0, or the exit status the script ends with.
int Run(Sim& sim, const DemoCommand& c) {
    switch (c.op) {
        case DemoOp::Key:
            c.down ? KeyDown(static_cast<unsigned>(c.a)) : KeyUp(static_cast<unsigned>(c.a));
            break;
        case DemoOp::Async:
            sysnull::SetKeyDown(static_cast<int>(c.a), c.down);
            break;
        case DemoOp::Mouse:
            MouseLook(static_cast<unsigned>(c.a), static_cast<unsigned>(c.b));
            break;
        case DemoOp::Frames:
            RunFrames(sim, c.a);
            break;
        case DemoOp::Set:
            SetStateVariable(c.name, c.value);  // the reader has checked both
            break;
        case DemoOp::State:
            sim.out << StateLine(sim.frame, sysnull::Pauses()) << '\n';
            break;
        case DemoOp::Cell:
            sim.out << CellAt(int(c.a), int(c.b), int(c.c)) << '\n';
            break;
        case DemoOp::Counts:
            PrintCounts(sim.out);
            break;
        case DemoOp::Gl:
            sim.out << "pairs=" << glrec::Get().pairs << " vertices=" << glrec::Get().vertices << '\n';
            break;
        case DemoOp::Calls:
            PrintCalls(sim.out, c.name);
            break;
        case DemoOp::Expect:
            return Expect(sim, c);
    }
    return 0;
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, long drawEvery) {
    // The game as CreateGLWindow leaves it, in a recorded context: the
    // projection, then the textures from Data/ in the working folder, if any,
    // and the fixed state. `calls` before the first frame prints these.
    StartHeadless(glrec::Detail::Calls);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    InitGL();
    glrec::SetDetail(glrec::Detail::Counts);

    Sim sim{0, drawEvery, out, err};
    std::string line, error;
    for (long number = 1; std::getline(in, line); ++number) {
        DemoCommand command;
        const LineKind kind = ParseScriptLine(line, number, command, error);
        if (kind == LineKind::Bad) {
            out.flush();
            err << "maze-sim: " << error << '\n';
            return 2;
        }
        const int status = kind == LineKind::Command ? Run(sim, command) : 0;
        if (status != 0) {
            return status;
        }
    }
    return 0;
}
