// One frame of the palace scene at its busiest (two Bunnies, the burning one
// at the height of its fire, the steam), one of the army scene at its busiest
// (forty Rodents, two speakers, the Robot, with the dodecahedron spinning or
// the Robot in view) and one of the spiral scene, through
// the display callback, on a clock that passes exactly one period per frame
// so no time is spent waiting.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "core/frame.h"
#include "scenes/army.h"
#include "scenes/palace.h"
#include "scenes/spiral.h"
#include "support/clock.h"
#include "support/helpers.h"

namespace {

int benchNow = 0;
// Every reading moves time on by 1 ms, so a frame's wait ends after its
// period's worth of readings and the emitters age at the scene's pace.
int ReadBenchClock() { return benchNow++; }

// A's fire burns from 1952; its three emitters are all alight until 2027.
const int kBurnFrom = 1960;
const int kBurnFrames = 60;

void BM_PalaceFrame(benchmark::State& state) {
    SetClockSource(ReadBenchClock);
    SeedRandomWith(3);
    StartPalaceScene();
    while (PalaceFrame() < kBurnFrom) DrawPalaceSceneFrame(1, 1);
    gameState = kStatePalace;
    for (auto _ : state) {
        Display();
        glFinish();
    }
    SetClockSource(nullptr);
    ResetToTitle();
}
BENCHMARK(BM_PalaceFrame)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kBurnFrames)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SpiralFrame(benchmark::State& state) {
    SetClockSource(ReadBenchClock);
    SeedRandomWith(3);
    StartSpiralScene();
    gameState = kStateSpiral;
    for (auto _ : state) {
        if (gameState != kStateSpiral) {  // the scene ended: play it again
            state.PauseTiming();
            StartSpiralScene();
            gameState = kStateSpiral;
            state.ResumeTiming();
        }
        Display();
        glFinish();
    }
    SetClockSource(nullptr);
    ResetToTitle();
}
BENCHMARK(BM_SpiralFrame)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From frame 1700 the army rolls and the dodecahedron spins with the Robot
// drawn off to the right; from 2100 the Robot stands in the middle of the
// view. Five repetitions of 50 frames stay inside either stretch.
void BM_ArmyFrame(benchmark::State& state) {
    SetClockSource(ReadBenchClock);
    int from = int(state.range(0));
    // A repetition goes on from where the last one stopped.
    static int startedFrom = -1;
    if (startedFrom != from || ArmyFrame() > from + 250) {
        SeedRandomWith(3);
        StartArmyScene();
        while (ArmyFrame() < from) DrawArmySceneFrame(1, 1);
        startedFrom = from;
    }
    gameState = kStateArmy;
    for (auto _ : state) {
        Display();
        glFinish();
    }
    SetClockSource(nullptr);
    ResetToTitle();
}
BENCHMARK(BM_ArmyFrame)
    ->ArgName("from")
    ->Arg(1700)
    ->Arg(2100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
