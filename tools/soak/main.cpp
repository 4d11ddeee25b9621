// main.cpp -- maze-soak: the game step under random play, checked after every step.
//
//   maze-soak [FRAMES [SEED]]      (FRAMES: steps; defaults 100000 and a fixed seed)
//
// Built with the sanitizers by the test command, which runs it on every test
// run; the seed is printed so that a failure can be played again.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/common/game_window.h"
#include "app/common/gl_setup.h"
#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "game/frame.h"
#include "game/player.h"
#include "tools/soak/invariants.h"
#include "tools/soak/random_play.h"

namespace {

// Every fourth step drawn: the drawing is checked, and so are the steps the
// loop runs without it; the game comes out the same either way.
constexpr unsigned long kDrawEvery = 4;

constexpr unsigned long kDefaultSeed = 20261207;
// A new game now and then brings the crates back to be collected again.
constexpr long kStepsPerGame = 25000;

void NewGame(Invariants& invariants) {
    StartHeadless(glrec::Detail::Counts);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    InitGL();
    invariants.Remember();
}

bool ToNumber(const char* text, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text, &end, 10);
    return end != text && *end == '\0';
}

// What the random play has done so far, and what broke, if anything.
struct Soak {
    RandomPlay play;
    PlayTally tally;
    Invariants invariants;
    long collected = 0, climbs = 0, games = 0;
    unsigned visited = 0;
    unsigned long step = 0;
    std::string why;

    explicit Soak(unsigned long seed) : play(static_cast<std::uint32_t>(seed)) {}
    bool Run(unsigned long steps);
};

// False at the first step after which an invariant does not hold (`why`).
bool Soak::Run(unsigned long steps) {
    int levelBefore = 0;
    bool held = true;
    const auto next = [&] {
        if (!held || step == steps) {
            return false;
        }
        if (step % kStepsPerGame == 0) {
            NewGame(invariants);
            ++games;
        }
        play.BeforeFrame(tally);
        levelBefore = lvl;
        return true;
    };
    // As the games run it: a few steps unseen between two drawn ones.
    const auto drawn = [&] {
        if (step % kDrawEvery != 0) {
            return false;
        }
        glrec::Clear();
        return true;
    };
    const auto after = [&] {
        climbs += lvl != levelBefore;
        held = invariants.Hold(collected, why);
        if (held) {
            visited |= 1u << lvl;
            ++step;
        }
    };
    RunSteps(next, drawn, after);
    return held;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long steps = 100000, seed = kDefaultSeed;
    if (argc > 3 || (argc > 1 && !ToNumber(argv[1], steps)) || (argc > 2 && !ToNumber(argv[2], seed))) {
        std::fprintf(stderr, "usage: maze-soak [FRAMES [SEED]]\n");
        return 2;
    }
    std::printf("maze-soak: %lu frames, seed %lu\n", steps, seed);
    std::fflush(stdout);

    const auto start = std::chrono::steady_clock::now();
    Soak soak(seed);
    if (!soak.Run(steps)) {
        std::fprintf(stderr, "maze-soak: frame %lu (seed %lu): %s\n", soak.step, seed, soak.why.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "maze-soak: %lu frames in %.1f s, seed %lu, %ld games; levels visited:%s%s%s; %ld level changes on the "
        "stairs, %ld placements; %ld crates collected\n",
        steps, seconds, seed, soak.games, soak.visited & 1 ? " 0" : "", soak.visited & 2 ? " 1" : "",
        soak.visited & 4 ? " 2" : "", soak.climbs, soak.tally.placements, soak.collected);
    if (soak.visited != 7) {
        std::fprintf(stderr, "maze-soak: not every level was visited: too few frames for this seed\n");
        return 1;
    }
    return 0;
}
