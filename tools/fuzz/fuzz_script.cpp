// fuzz_script.cpp -- libFuzzer target: arbitrary bytes as a demo, checked as
// the games check one, then played on the game step with no window.
//
// Built and run by tools/fuzz/run.sh; seeds are the replays in tests/sim and
// tools/fuzz/script_seeds/, words in tools/fuzz/script.dict.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
#include "game/player.h"
#include "world/level_grid.h"

namespace {

// All the steps one input may run, its `frames` lines together: enough to
// open a door or climb a flight of stairs, and some 10 ms in this build when
// few are drawn (a step takes some 20 us undrawn, twenty times that drawn),
// so that the fuzzer tries many demos rather than long ones.
constexpr long kMaxSteps = 500;

// Stops the run with what broke, for libFuzzer to report and keep the input.
[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz_script: %s: %s\n", what, detail.c_str());
    std::abort();
}

// Every number of the state line finite and the level within the grid: the
// game never has anything else, whatever a demo sets or presses.
void CheckGame(long steps) {
    const std::string line = StateLine(steps, sysnull::Pauses());
    if (lvl < 0 || lvl >= kLevels) {
        Fail("level outside the grid", line);
    }
    for (std::size_t at = line.find('='); at != std::string::npos; at = line.find('=', at + 1)) {
        if (!std::isfinite(std::strtod(line.c_str() + at + 1, nullptr))) {
            Fail("a value not finite", line);
        }
    }
}

// "line N: ..." with N a line of `text` (the one after a last newline counts).
bool IsLineMessage(const std::string& message, const std::string& text) {
    if (message.compare(0, 5, "line ") != 0) {
        return false;
    }
    char* end = nullptr;
    const long long number = std::strtoll(message.c_str() + 5, &end, 10);
    long long lines = 1;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return end != message.c_str() + 5 && end[0] == ':' && number >= 1 && number <= lines;
}

// The games' side of a demo with the scripted keys and the recording GL.
class Host final : public CommandHost {
public:
    void SetPhysicalKey(int code, bool down) override { sysnull::SetKeyDown(code, down); }
    void Frames(long count) override;
    std::string CurrentState() override { return StateLine(steps_, sysnull::Pauses()); }
    long Steps() const { return steps_; }

private:
    long steps_ = 0;
};

// As a game's turn runs the steps it has due: only the last one drawn, the
// last before the bound too.
void Host::Frames(long count) {
    const long run = std::min(count, kMaxSteps - steps_);
    long i = 0;
    const auto drawn = [&] {
        ++steps_;
        if (i != run - 1) {
            return false;
        }
        glrec::Clear();
        return true;
    };
    const auto after = [&] {
        CheckGame(steps_);
        ++i;
    };
    RunSteps([&] { return i < run; }, drawn, after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    DemoText demo;
    std::string error;
    if (!demo.Check(text, error)) {
        if (!IsLineMessage(error, text)) {
            Fail("a refusal without its line", error);
        }
        return 0;
    }

    // Every input from the program's start, as maze-sim starts it.
    StartHeadless(glrec::Detail::Counts);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    InitGL();
    Host host;
    for (DemoCommand command; demo.Next(command);) {
        const std::string failed = ApplyCommand(command, host);
        if (!failed.empty() && !IsLineMessage(failed, text)) {
            Fail("an expect's failure without its line", failed);
        }
        CheckGame(host.Steps());
    }
    return 0;
}
