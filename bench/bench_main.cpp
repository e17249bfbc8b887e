// The benchmarks run in the data folder with the game's own window: the
// start-up is the game's, timed once before any benchmark runs.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "core/frame.h"
#include "core/keys.h"
#include "sound/sound.h"

extern double startUpSeconds;
extern double firstFrameSeconds;

namespace {
double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

void DrawGameOnRedisplay() { glutDisplayFunc(Display); }

int main(int argc, char** argv) {
    if (chdir(PIB_DATA_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the data folder %s\n", PIB_DATA_DIR);
        return 1;
    }
    StartSoundDevice();  // the game opens it before main, outside the start-up's time
    auto start = std::chrono::steady_clock::now();
    StartUp(argc, argv);
    startUpSeconds = SecondsSince(start);
    auto frameStart = std::chrono::steady_clock::now();
    glutMainLoopEvent();  // maps the window
    Display();
    glFinish();
    firstFrameSeconds = SecondsSince(frameStart);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
