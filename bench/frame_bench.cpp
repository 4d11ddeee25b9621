// frame_bench.cpp -- what one game step costs, with the drawing calls counted
// by the recording stand-in instead of reaching a GPU.
#include <benchmark/benchmark.h>

#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "game/frame.h"
#include "game/input.h"
#include "world/cell_boxes.h"

namespace {

void Start() {
    StartHeadless(glrec::Detail::Counts);
}

// A whole frame standing still at the start: rebuild, every pass, end of frame.
void BM_FrameStanding(benchmark::State& state) {
    Start();
    for (auto _ : state) {
        glrec::Clear();
        benchmark::DoNotOptimize(DrawGLScene());
    }
    state.counters["vertices"] = double(glrec::Get().vertices);
}
BENCHMARK(BM_FrameStanding);

// Walking with 'W' held, so the probe runs every frame too.
void BM_FrameWalking(benchmark::State& state) {
    Start();
    KeyDown(kVkW);
    for (auto _ : state) {
        glrec::Clear();
        benchmark::DoNotOptimize(DrawGLScene());
    }
}
BENCHMARK(BM_FrameWalking);

// The grid turned into its five box lists, the first thing every frame does.
void BM_RebuildBoxes(benchmark::State& state) {
    Start();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RebuildBoxes());
    }
}
BENCHMARK(BM_RebuildBoxes);

}  // namespace

BENCHMARK_MAIN();
