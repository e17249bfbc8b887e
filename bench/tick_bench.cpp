// One tick of play with four players: every pib, creature, band and shot of
// the world, and nothing drawn.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "core/play.h"
#include "players/creatures.h"
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
}  // namespace
