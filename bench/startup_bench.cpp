// The start-up's parts: every picture read and uploaded, every sound read,
// and a world load; the whole start-up of the game, timed once by main.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <plib/sl.h>

#include "bench_game.h"
#include "core/frame.h"
#include "core/menus.h"
#include "core/play.h"
#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/robot.h"
#include "players/shots.h"
#include "scenes/army.h"
#include "scenes/opening.h"
#include "scenes/palace.h"
#include "sound/sound.h"
#include "world/board_draw.h"

double startUpSeconds = 0;
double firstFrameSeconds = 0;

namespace {
void ReportOnce(benchmark::State& state, double seconds) {
    for (auto _ : state) state.SetIterationTime(seconds);
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
    ReportOnce(state, startUpSeconds + firstFrameSeconds);
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FirstFrame(benchmark::State& state) { ReportOnce(state, firstFrameSeconds); }
BENCHMARK(BM_FirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Every texture the start-up loads, and the world's own (made at the first
// run only: later world loads keep them).
void BM_LoadAllTextures(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        glDeleteTextures(kScreenTextureCount, screenTextures);
        state.ResumeTiming();
        InitGraphics();
        LoadBunnyTextures();
        LoadOpeningTextures();
        LoadPalaceTextures();
        LoadArmySceneTexture();
        LoadSparkTextures();
        InitShots();
        LoadRobotTextures();
        LoadWorldTextures();
        glFinish();
    }
}
BENCHMARK(BM_LoadAllTextures)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadAllSounds(benchmark::State& state) {
    static slScheduler scheduler(8000);
    for (auto _ : state) {
        for (const SoundFile& file : kSoundFiles) {
            slSample* sample = new slSample(file.file, &scheduler);
            if (file.volume != 1.0f) sample->adjustVolume(file.volume);
            state.PauseTiming();
            delete sample;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_LoadAllSounds)->Unit(benchmark::kMillisecond)->Iterations(10);

// A world load after the first: the world's pictures are made by then.
void BM_LoadWorld(benchmark::State& state) {
    for (auto _ : state) {
        worldChoice = int(state.range(0));
        playerChoice = 4;
        LoadWorld();
        glFinish();
    }
    StopIntroTechno();
}
BENCHMARK(BM_LoadWorld)->ArgName("world")->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->Iterations(20);
}  // namespace
