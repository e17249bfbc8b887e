// The fixed tick of get ready and play, and the world load.
#pragma once

extern int lastTickTime;
extern int worldLoadTime;
extern int paused;
extern int pauseKeyLast;
extern int gameOver;

// 330 ticks per second of elapsed time.
const double kTicksPerMs = 0.33;
// The cameras start to fly in this long after the world load.
const int kFlyInDelayMs = 5000;

void LoadWorld();
void IdleGetReady();
void IdlePlay();

// Ticks due at time now since lastTickTime (a part of a tick is dropped).
int TicksDue(int now);

// One tick of play: every active pib, camera keys and bands, then the shots,
// the creatures and the texturing key. IdlePlay runs it as often as the clock
// asks; the benchmarks and the soak test drive it directly.
void PlayTick();

// Aims every active pib's sparks backward from its heading.
void AimPibSparks();
