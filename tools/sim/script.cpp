// script.cpp -- running the simulator's commands against the game step.
#include "tools/sim/script.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <string>

#include "app/common/game_window.h"
#include "app/common/gl_setup.h"
#include "app/demo/apply_command.h"
#include "app/demo/demo_script.h"
#include "app/demo/state_line.h"
#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"
#include "game/frame.h"
#include "world/level_grid.h"

namespace {

// The simulator's side of each command: the scripted platform's physical
// keys, steps drawn (or not) on the recording GL, and the printing.
class Sim final : public CommandHost {
public:
    Sim(long drawEvery, std::ostream& out) : drawEvery_(drawEvery), out_(out) {}

    void SetPhysicalKey(int code, bool down) override { sysnull::SetKeyDown(code, down); }
    void Frames(long count) override;
    std::string CurrentState() override { return StateLine(step_, sysnull::Pauses()); }

    void PrintState() override { out_ << CurrentState() << '\n'; }
    void PrintCell(int level, int row, int column) override { out_ << CellAt(level, row, column) << '\n'; }
    void PrintCounts() override;
    void PrintGl() override;
    void PrintCalls(const std::string& name) override;

private:
    long step_ = 0;
    long drawEvery_;
    std::ostream& out_;
};

void Sim::Frames(long count) {
    // Only the last step keeps its calls, for `calls`: the others just count.
    // Drawing every few steps only, as the games do between two shown
    // frames, must come to the very same game.
    long i = 0;
    const auto drawn = [&] {
        ++step_;
        if (step_ % drawEvery_ != 0) {
            return false;
        }
        glrec::SetDetail(i == count - 1 ? glrec::Detail::Calls : glrec::Detail::Counts);
        glrec::Clear();
        return true;
    };
    RunSteps([&] { return i < count; }, drawn, [&] { ++i; });
    glrec::SetDetail(glrec::Detail::Counts);
}

void Sim::PrintCounts() {
    const BoxCounts& c = lastFrameCounts;
    out_ << "walls=" << c.wallCount << " open=" << c.openCount << " stairs=" << c.stairCount
         << " crates=" << c.crateCount << " doors=" << c.doorCount << '\n';
}

void Sim::PrintGl() {
    out_ << "pairs=" << glrec::Get().pairs << " vertices=" << glrec::Get().vertices << '\n';
}

// One call a line, arguments as %.9g: exact for every float argument.
void Sim::PrintCalls(const std::string& name) {
    char number[32];
    for (const glrec::Call& call : glrec::Get().calls) {
        if (!name.empty() && call.name != name) {
            continue;
        }
        out_ << call.name;
        for (double arg : call.args) {
            std::snprintf(number, sizeof number, " %.9g", arg);
            out_ << number;
        }
        out_ << '\n';
    }
}

// The next line of `in`, without its newline, into `line`; false at the end.
// No more than one byte past the longest line a script may have is held:
// what a longer one holds then is enough for the reader to refuse it.
bool NextLine(std::istream& in, std::string& line, bool& terminated) {
    char buffer[kMaxLineBytes + 2];
    in.getline(buffer, sizeof buffer);
    const std::streamsize count = in.gcount();
    terminated = !in.eof() && !in.fail();
    if (count == 0 && !in) {
        return false;
    }
    line.assign(buffer, static_cast<size_t>(count) - (terminated ? 1 : 0));
    return true;
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, long drawEvery) {
    // The game as CreateGLWindow leaves it, in a recorded context: the
    // projection, then the textures from Data/ in the working folder, if any,
    // and the fixed state. `calls` before the first step prints these.
    StartHeadless(glrec::Detail::Calls);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    InitGL();
    glrec::SetDetail(glrec::Detail::Counts);

    Sim sim(drawEvery, out);
    std::string line, error;
    DemoOrigin origin;
    bool terminated = true;
    for (long long number = 1; NextLine(in, line, terminated); ++number) {
        DemoCommand command;
        const LineKind kind = ParseScriptLine(line, number, terminated, command, error);
        if (kind == LineKind::Bad || kind == LineKind::CutShort) {
            out.flush();
            err << "maze-sim: " << error << '\n';
            return kind == LineKind::Bad ? 2 : 0;
        }
        if (number == 1) {
            origin = ReadOrigin(line);
        }
        // An `expect` that does not hold: what it says comes after all the output before it.
        const std::string failed = kind == LineKind::Command ? ApplyCommand(command, sim) : "";
        if (!failed.empty()) {
            out.flush();
            err << "maze-sim: " << failed << OriginHint(origin);
            return 1;
        }
    }
    return 0;
}
