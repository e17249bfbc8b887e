// One frame of the game screen beside a bare frame (clear and swap only) on
// the same display, so the ratio between them is what counts.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "core/frame.h"

namespace {
void BM_BareFrame(benchmark::State& state) {
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
}
// Frames share the machine with the renderer's own threads: the median of a
// few runs is steadier than one mean.
const int kFrameRepetitions = 5;

BENCHMARK(BM_BareFrame)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5)
    ->Repetitions(kFrameRepetitions)
    ->ReportAggregatesOnly(true);

// World 3 holds the most creatures, each a Robot with two riders.
void BM_GameFrame(benchmark::State& state) {
    StartBenchGame(int(state.range(1)), int(state.range(0)));
    WarmUpBenchGame(2000);
    for (auto _ : state) {
        Display();
        glFinish();
    }
}
BENCHMARK(BM_GameFrame)
    ->ArgNames({"players", "world"})
    ->Args({1, 1})
    ->Args({4, 1})
    ->Args({4, 3})
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5)
    ->Repetitions(kFrameRepetitions)
    ->ReportAggregatesOnly(true);
}  // namespace
