// The fixed tick of get ready and play, and the world load.
#pragma once

extern int lastTickTime;
extern int worldLoadTime;
extern int paused;
extern int pauseKeyLast;
extern int gameOver;

// 330 ticks per second of elapsed time: 33 in exactly 100 ms.
constexpr int kTicksPer100Ms = 33;
constexpr double kTicksPerMs = kTicksPer100Ms / 100.0;
// One idle call runs at most a quarter of a second's ticks; after a longer
// stall (window minimised, machine busy) the rest is dropped, not raced through.
constexpr int kMaxTicksPerIdle = int(250 * kTicksPerMs);
// The cameras start to fly in this long after the world load.
const int kFlyInDelayMs = 5000;

void LoadWorld();
// The file of world w (1 to 3) and where pib p (0 to 3) starts in it: a cell
// centre and a heading. Choices out of range fall back to the nearest, as in
// the world load.
const char* GetWorldFile(int world);
void GetPibStart(int world, int p, double* x, double* y, int* dir);
void IdleGetReady();
void IdlePlay();

// Ticks due in this idle call at time now, at most kMaxTicksPerIdle. The
// part of a tick not yet due carries over to the next call.
int TicksDue(int now);

// One tick of play: every active pib, camera keys and bands, then the shots,
// the creatures and the texturing key. IdlePlay runs it as often as the clock
// asks; the benchmarks and the soak test drive it directly.
void PlayTick();

// Aims every active pib's sparks backward from its heading.
void AimPibSparks();
