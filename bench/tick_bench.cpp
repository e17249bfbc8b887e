// One tick of play with four players: every pib, creature, band and shot of
// the world, and nothing drawn.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "core/play.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"

namespace {
template <typename T>
int CountList(T* head) {
    int n = 0;
    for (; head; head = head->next) ++n;
    return n;
}

void BM_PlayTick(benchmark::State& state) {
    int world = int(state.range(0));
    StartBenchGame(world, 4);
    WarmUpBenchGame(3000);
    long tick = 3000;
    long shots = 0;
    long samples = 0;
    for (auto _ : state) {
        DriveBenchKeys(tick++);
        PlayTick();
        // Sampled now and then: walking the lists would be timed too.
        if ((tick & 1023) == 0) {
            shots += CountList(GetShots());
            ++samples;
        }
    }
    state.counters["creatures"] = CountList(GetCreatures());
    state.counters["shots"] = samples ? double(shots) / double(samples) : 0.0;
}
BENCHMARK(BM_PlayTick)->ArgName("world")->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Besides the driven turns and shots, every pib somersaults once every 300
// ticks, staggered, as it would at a blocked edge: four figures animating.
const long kFlipPeriod = 300;

void StartSomersaults(long tick) {
    long phase = tick % kFlipPeriod;
    if (phase % (kFlipPeriod / 4) != 0) return;
    Bunny* b = GetPibModel(int(phase / (kFlipPeriod / 4)));
    ScheduleBunnyAction(PoseJump, b, 50, 1);
    ScheduleBunnyAction(PoseHalfFlip, b, 50, 50);
    ScheduleBunnyAction(PoseFullFlip, b, 50, 100);
    ScheduleBunnyAction(PoseStandUp, b, 50, 150);
}

void BM_PlayTickPibsAnimating(benchmark::State& state) {
    StartBenchGame(int(state.range(0)), 4);
    long tick = 0;
    for (; tick < 3000; ++tick) {
        DriveBenchKeys(tick);
        StartSomersaults(tick);
        PlayTick();
    }
    long tweens = 0, samples = 0;
    for (auto _ : state) {
        DriveBenchKeys(tick);
        StartSomersaults(tick++);
        PlayTick();
        if ((tick & 255) == 0) {
            for (int p = 0; p < 4; ++p) tweens += CountAnimTweens(GetPibModel(p)->anim);
            ++samples;
        }
    }
    state.counters["tweens"] = samples ? double(tweens) / double(samples) : 0.0;
}
BENCHMARK(BM_PlayTickPibsAnimating)->ArgName("world")->DenseRange(1, 3)
    ->Unit(benchmark::kMicrosecond);
}  // namespace
