// One frame of the opening at the height of the Bunny's fire, when all three
// of its emitters burn: it must draw well inside the scene's 20 ms period, or
// the scene stretches.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "core/frame.h"
#include "scenes/opening.h"
#include "scenes/opening_state.h"
#include "support/clock.h"

namespace {

// Moved on by hand a whole period per frame, as the scene's pacing would.
int benchNow = 0;
int ReadBenchClock() { return benchNow; }

// The three emitters burn together from frame 1420 + 804 to 1420 + 999.
const int kFireFrame = 2330;
const int kFramesTimed = 60;

void NextFrame(int width, int height) {
    benchNow += 20;
    RunOpeningScript();
    DrawOpeningFrame(width, height);
}

void BM_OpeningFrameOnFire(benchmark::State& state) {
    SetClockSource(ReadBenchClock);
    StartOpeningScene();
    while (GetOpeningScene().frame < kFireFrame) NextFrame(0, 0);
    for (auto _ : state) {
        NextFrame(windowWidth, windowHeight);
        glutSwapBuffers();
        glFinish();
    }
    SetClockSource(nullptr);
}
BENCHMARK(BM_OpeningFrameOnFire)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(kFramesTimed)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
