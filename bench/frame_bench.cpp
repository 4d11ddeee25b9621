// frame_bench.cpp -- maze-bench: what the game step costs by itself, what a
// real 640 x 480 frame costs, and how close that frame comes to the bare
// replay of its own GL calls, the most any change to the game could save.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/common/game_window.h"
#include "app/common/gl_setup.h"
#include "app/common/shell_state.h"
#include "app/demo/demo_session.h"
#include "app/null/sys_null.h"
#include "bench/gl_skin.h"
#include "bench/real_gl.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/view.h"

namespace {

// Frames timed for real and replayed, standing and again walking; fewer when
// a loaded machine makes them slow, so that the run stays within 40 seconds.
constexpr int kPairs = 120;
constexpr double kPairsBudgetMs = 12000;

// The game as CreateGLWindow leaves it, without the window.
void StartGame() {
    ResetProgram();
    sysnull::Reset();
    SetClientCentre(kWindowWidth, kWindowHeight);
}

void BM_StepStanding(benchmark::State& state) {
    StartGame();
    benchgl::SetMode(benchgl::Mode::Nothing);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawGLScene());
    }
}
BENCHMARK(BM_StepStanding)->Unit(benchmark::kMicrosecond);

// 'W' held: the probe runs too, and the walls are met and slid along.
void BM_StepWalking(benchmark::State& state) {
    StartGame();
    benchgl::SetMode(benchgl::Mode::Nothing);
    KeyDown(kVkW);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawGLScene());
    }
}
BENCHMARK(BM_StepWalking)->Unit(benchmark::kMicrosecond);

// A step the loop runs but does not show, walking: all of the game, no GL.
// The cost of keeping the pace where frames are slow.
void BM_StepUndrawn(benchmark::State& state) {
    StartGame();
    benchgl::SetMode(benchgl::Mode::Nothing);
    KeyDown(kVkW);
    for (auto _ : state) {
        StepWithoutDrawing();
    }
}
BENCHMARK(BM_StepUndrawn)->Unit(benchmark::kMicrosecond);

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// One real frame then one replay, kPairs times, so that both see the same
// load on a shared machine. Returns the median real frame over the median replay.
double Interleave(const benchgl::Stream& stream, const char* what) {
    std::vector<double> real, replay;
    double spentMs = 0;
    for (int i = 0; i < kPairs && spentMs < kPairsBudgetMs; ++i) {
        const Clock::time_point start = Clock::now();
        DrawGLScene();
        benchgl::real.Finish();
        const Clock::time_point framed = Clock::now();
        stream.Replay();
        benchgl::real.Finish();
        const Clock::time_point replayed = Clock::now();
        real.push_back(Ms(framed - start));
        replay.push_back(Ms(replayed - framed));
        spentMs += Ms(replayed - start);
    }
    const double ratio = Median(real) / Median(replay);
    std::printf("%-8s real frame %.3f ms, bare replay %.3f ms, ratio %.3f (medians of %zu; %zu calls, %zu bytes)\n",
                what, Median(real), Median(replay), ratio, real.size(), stream.Calls(), stream.Bytes());
    return ratio;
}

benchgl::Stream RecordFrame() {
    benchgl::Stream stream;
    benchgl::SetMode(benchgl::Mode::Record, &stream);
    DrawGLScene();
    benchgl::SetMode(benchgl::Mode::Real);
    return stream;
}

// A replay that drew something else would make the ratio meaningless: standing
// still, it must leave the very picture of the real frame.
bool ReplayDrawsTheFrame(const benchgl::Stream& stream) {
    const std::size_t bytes = std::size_t(kWindowWidth) * kWindowHeight * 4;
    DrawGLScene();
    benchgl::real.Finish();
    const std::vector<unsigned char> frame(benchgl::OffscreenPixels(), benchgl::OffscreenPixels() + bytes);
    std::memset(benchgl::OffscreenPixels(), 0, bytes);
    stream.Replay();
    benchgl::real.Finish();
    long lit = 0;
    for (std::size_t i = 0; i < bytes; i += 4) {
        lit += (frame[i] | frame[i + 1] | frame[i + 2]) != 0;
    }
    const bool same = std::memcmp(frame.data(), benchgl::OffscreenPixels(), bytes) == 0;
    std::printf("replay check: %s picture, %ld of %d pixels lit\n", same ? "the same" : "a DIFFERENT", lit,
                kWindowWidth * kWindowHeight);
    return same && lit > 0;
}

int RealFrames() {
    if (!benchgl::MakeOffscreenContext(kWindowWidth, kWindowHeight)) {
        return 1;
    }
    std::printf("off-screen %d x %d: %s, OpenGL %s\n", kWindowWidth, kWindowHeight,
                reinterpret_cast<const char*>(benchgl::real.GetString(GL_RENDERER)),
                reinterpret_cast<const char*>(benchgl::real.GetString(GL_VERSION)));
    StartGame();
    benchgl::SetMode(benchgl::Mode::Real);
    ReSizeGLScene(kWindowWidth, kWindowHeight);
    if (!InitGL()) {
        std::fprintf(stderr, "maze-bench: no textures: run it where Data/ is (the build folder)\n");
        return 1;
    }
    DrawGLScene();  // the first frame
    benchgl::real.Finish();

    const benchgl::Stream standing = RecordFrame();
    if (!ReplayDrawsTheFrame(standing)) {
        return 1;
    }
    const double standingRatio = Interleave(standing, "standing");
    KeyDown(kVkW);
    const double walkingRatio = Interleave(RecordFrame(), "walking");
    // Standing and walking frames differ in cost: the worse of the two ratios,
    // not one over medians of both kinds mixed.
    std::printf("frame/replay ratio: %.3f\n", std::max(standingRatio, walkingRatio));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    return RealFrames();
}
