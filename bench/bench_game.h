// Shared by the benchmarks: a game set up as the menus would, and the keys
// that keep its pibs turning and firing.
#pragma once

// Loads world 1 to 3 for that many players and goes straight to play, with
// no fade running.
void StartBenchGame(int world, int players);

// Presses and releases fire and turn keys on a fixed schedule by tick number:
// every pib fires now and then and wanders the board instead of running into
// one wall for ever.
void DriveBenchKeys(long tick);

// Runs ticks of play until shots are in flight.
void WarmUpBenchGame(int ticks);
