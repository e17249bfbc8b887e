// The particle effects in steady state: a burning Bunny's three emitters, and
// the sparks of four walking pibs seen in all four views. The clock is driven
// in 16 ms frames so the steady state does not depend on the machine.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "core/frame.h"
#include "core/game_screen.h"
#include "core/play.h"
#include "core/screen_layout.h"
#include "effects/emitter.h"
#include "effects/spark_emitter.h"
#include "players/camera.h"
#include "players/pib.h"
#include "players/pib_record.h"
#include "support/clock.h"
#include "support/helpers.h"

namespace {
const int kFrameMs = 16;
int benchNow = 0;
int ReadBenchClock() { return benchNow; }

// Where a Bunny keeps its three emitters, with their spreads.
const float kBunnyEmitters[3][4] = {
    {0, 0.4f, -0.15f, 0.16f}, {0, -0.07f, -0.15f, 0.2f}, {0, -0.52f, -0.15f, 0.24f}};

struct BurningBunny {
    Emitter* emitters[3];
    BurningBunny() {
        SetClockSource(ReadBenchClock);
        SeedRandomWith(99);
        for (int i = 0; i < 3; ++i) {
            const float* at = kBunnyEmitters[i];
            emitters[i] = CreateEmitter(at[0], at[1], at[2], at[3]);
            SetEmitterActive(emitters[i], 1);
        }
        for (int t = 0; t < 2000; t += kFrameMs) Update();  // past the longest fire life
    }
    ~BurningBunny() {
        for (Emitter* e : emitters) DeleteEmitter(e);
        SetClockSource(nullptr);
    }
    void Update() {
        benchNow += kFrameMs;
        for (Emitter* e : emitters) UpdateEmitter(e);
    }
    int Count() const {
        return EmitterCount(emitters[0]) + EmitterCount(emitters[1]) + EmitterCount(emitters[2]);
    }
};

void BM_BurningBunnyUpdate(benchmark::State& state) {
    BurningBunny bunny;
    for (auto _ : state) bunny.Update();
    state.counters["particles"] = bunny.Count();
}
BENCHMARK(BM_BurningBunnyUpdate)->Unit(benchmark::kMicrosecond);

// Drawn as a Bunny is in a scene: a perspective view a few units back.
void BM_BurningBunnyDraw(benchmark::State& state) {
    LoadParticleTextures();
    BurningBunny bunny;
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, double(windowWidth) / windowHeight, 0.1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(1, 0.5, 3, 0, 0, 0, 0, 1, 0);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    for (auto _ : state) {
        for (Emitter* e : bunny.emitters) DrawEmitter(e);
        glFinish();
    }
    state.counters["particles"] = bunny.Count();
}
BENCHMARK(BM_BurningBunnyDraw)->Unit(benchmark::kMicrosecond);

// Four pibs walking on world 1, their sparks updated once per 16 ms frame.
struct WalkingPibs {
    long tick = 0;
    WalkingPibs() {
        benchNow = 0;
        SetClockSource(ReadBenchClock);
        StartBenchGame(1, 4);
        for (PibCamera& c : pibCameras) {
            c.distX = c.distY = kCameraNearDist;
            c.height = kCameraNearHeight;
        }
        for (int t = 0; t < 8000; t += kFrameMs) {
            Walk();
            UpdatePibSparks();
        }
    }
    ~WalkingPibs() { SetClockSource(nullptr); }
    void Walk() {
        long due = long((benchNow + kFrameMs) * kTicksPerMs) - long(benchNow * kTicksPerMs);
        for (long i = 0; i < due; ++i) {
            DriveBenchKeys(tick++);
            PlayTick();
        }
        benchNow += kFrameMs;
    }
    int Count() const {
        int n = 0;
        for (int p = 0; p < 4; ++p)
            n += SparkEmitterCount(GetPibSparksA(p)) + SparkEmitterCount(GetPibSparksB(p));
        return n;
    }
};

void BM_WalkingPibSparksUpdate(benchmark::State& state) {
    WalkingPibs pibs;
    for (auto _ : state) {
        state.PauseTiming();
        pibs.Walk();
        state.ResumeTiming();
        UpdatePibSparks();
    }
    state.counters["sparks"] = pibs.Count();
}
BENCHMARK(BM_WalkingPibSparksUpdate)->Unit(benchmark::kMicrosecond);

// Every pib's sparks in each of the four views, as the game screen draws
// them after the world: each emitter's puffs and then its sparks in every
// view in turn.
void EnterWalkingView(int v) {
    double scaleX, scaleY;
    ViewScale(4, windowWidth, windowHeight, &scaleX, &scaleY);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ScreenRect view = PlayerView(4, v, windowWidth, windowHeight);
    glViewport(view.x, view.y, view.width, view.height);
    SetupCameraView(scaleX, scaleY, v);
}

void BM_WalkingPibSparksDraw(benchmark::State& state) {
    WalkingPibs pibs;
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    SparkEmitter* sparks[8];
    for (int p = 0; p < 4; ++p) {
        sparks[2 * p] = GetPibSparksA(p);
        sparks[2 * p + 1] = GetPibSparksB(p);
    }
    for (auto _ : state) {
        DrawSparkEmittersInViews(sparks, 8, {4, EnterWalkingView});
        glFinish();
    }
    state.counters["sparks"] = pibs.Count();
}
BENCHMARK(BM_WalkingPibSparksDraw)->Unit(benchmark::kMicrosecond);

// The whole four-player frame of walking pibs, with their sparks or with
// empty, inactive emitters in their place: the difference is what sparks
// cost a frame, to set beside a bare frame.
void BM_WalkingFourPlayerFrame(benchmark::State& state) {
    WalkingPibs pibs;
    SparkEmitter* kept[4][2];
    bool sparks = state.range(0) != 0;
    for (int p = 0; p < 4 && !sparks; ++p) {
        Pib* pib = FindPib(p);
        kept[p][0] = pib->sparksA;
        kept[p][1] = pib->sparksB;
        pib->sparksA = CreateSparkEmitter(0, 0, 0, 0, 0, p);
        pib->sparksB = CreateSparkEmitter(0, 0, 0, 0, 0, p);
        SetSparkEmitterActive(pib->sparksA, 0);
        SetSparkEmitterActive(pib->sparksB, 0);
    }
    for (auto _ : state) {
        state.PauseTiming();
        pibs.Walk();
        state.ResumeTiming();
        Display();
        glFinish();
    }
    state.counters["sparks"] = pibs.Count();
    for (int p = 0; p < 4 && !sparks; ++p) {
        Pib* pib = FindPib(p);
        DeleteSparkEmitter(pib->sparksA);
        DeleteSparkEmitter(pib->sparksB);
        pib->sparksA = kept[p][0];
        pib->sparksB = kept[p][1];
    }
}
BENCHMARK(BM_WalkingFourPlayerFrame)
    ->ArgName("sparks")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
}  // namespace
