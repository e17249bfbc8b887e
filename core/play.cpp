#include "core/play.h"

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "effects/spark_emitter.h"
#include "players/camera.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "sound/sound.h"
#include "support/clock.h"
#include "support/helpers.h"
#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"

int lastTickTime = 0;
int worldLoadTime = 0;
int paused = 0;
int pauseKeyLast = 0;
int gameOver = 0;

namespace {

struct StartPlace {
    double x, y;
    int dir;
};

// Where the four pibs start in each world.
const StartPlace kStartTable[3][4] = {
    {{0.5, 0.5, 0}, {0.5, 9.5, 1}, {8.5, 7.5, 2}, {9.5, 0.5, 0}},
    {{3.5, 5.5, 0}, {3.5, 8.5, 1}, {9.5, 8.5, 2}, {9.5, 4.5, 3}},
    {{3.5, 4.5, 3}, {4.5, 6.5, 0}, {6.5, 5.5, 1}, {5.5, 3.5, 2}},
};

struct PibKeys {
    int left, right, fire;
};
const PibKeys kPibKeys[4] = {
    {kKeyLeft, kKeyRight, kKeyUp}, {'z', 'c', 'x'}, {',', '/', '.'}, {'7', '9', '8'}};

const char* const kCreatureFiles[3] = {"creatures.data", "creatures2.data",
                                       "creatures3.data"};
const char* const kWorldFiles[3] = {"world.data", "world2.data", "world3.data"};

const double kPibStartZ = 0.5;

// Whole ticks already run past lastTickTime. Every 33 ticks (exactly 100 ms)
// are folded into lastTickTime, so the account stays exact in whole
// milliseconds and the part of a tick left at one idle call counts at the next.
int ticksPastLastTime = 0;

// Ticks due at time now since lastTickTime, including those past the cap.
int AllTicksDue(int now) {
    int due = int((now - lastTickTime) * kTicksPerMs) - ticksPastLastTime;
    return due > 0 ? due : 0;
}

// Runs tick() while fewer ticks have run in this call than are due, reading
// the clock again after each one. Leaves the last reading in now.
template <typename Tick>
void RunDueTicks(int& now, Tick tick) {
    for (int run = 0; run < TicksDue(now); ++run) {
        tick();
        now = ElapsedMs();
    }
}

// Ends an idle call's account of time. The ticks that ran use up the time
// they stand for; time past the cap, or in which no tick could run (paused),
// is dropped rather than caught up later.
void CloseTickAccount(int now, bool ticking) {
    int due = AllTicksDue(now);
    if (!ticking || due > kMaxTicksPerIdle) {
        lastTickTime = now;
        ticksPastLastTime = 0;
        return;
    }
    ticksPastLastTime += due;
    lastTickTime += ticksPastLastTime / kTicksPer100Ms * 100;
    ticksPastLastTime %= kTicksPer100Ms;
}

int GetReadyTick(int sinceLoad, int arrived) {
    for (int p = 0; p < GetPlayerCount(); ++p) {
        if (sinceLoad > kFlyInDelayMs) arrived = StepCameraFlyIn(p);
        HandleCameraKeys(p);
    }
    UpdateShots();
    UpdateCreatures();
    if (arrived && gameState != kStatePlay) {
        StopIntroTechno();
        LoopTechno();
        gameState = kStatePlay;
    }
    UpdateTexturingKey();
    return arrived;
}

int FlyOutTick() {
    int flown = 0;
    for (int p = 0; p < GetPlayerCount(); ++p) {
        flown = StepCameraFlyOut(p);
        HandleCameraKeys(p);
    }
    return flown;
}

void StartGameOverFlight() {
    StartFadeOut(0.5);
    for (int p = 0; p < GetPlayerCount(); ++p) SetCameraGameOver(p);
}

}  // namespace

int TicksDue(int now) {
    int due = AllTicksDue(now);
    return due < kMaxTicksPerIdle ? due : kMaxTicksPerIdle;
}

void PlayTick() {
    for (int p = 0; p < GetPlayerCount(); ++p) {
        UpdatePib(p);
        HandleCameraKeys(p);
        UpdateBands();  // once per active player per tick, as the bands expect
    }
    UpdateShots();
    UpdateCreatures();
    UpdateTexturingKey();
}

void AimPibSparks() {
    for (int p = 0; p < GetPlayerCount(); ++p) {
        float c = float(GetPibDirCos(p));
        float s = float(GetPibDirSin(p));
        SetSparkEmitterAim(GetPibSparksA(p), -c, -s);
        SetSparkEmitterAim(GetPibSparksB(p), -c, -s);
    }
}

void IdleGetReady() {
    int now = ElapsedMs();
    AimPibSparks();
    // Read once per call: the fly-in starts with the first call past the wait.
    int sinceLoad = ElapsedMs() - worldLoadTime;
    int arrived = 0;
    RunDueTicks(now, [&] { arrived = GetReadyTick(sinceLoad, arrived); });
    if (arrived) gameState = kStatePlay;
    ticksPerIdle = TicksDue(now);
    CloseTickAccount(now, true);
}

void IdlePlay() {
    int now = ElapsedMs();
    if (KeyPressed('p', &pauseKeyLast)) paused = !paused;
    if (paused) AimPibSparks();
    if (!paused && !gameOver) RunDueTicks(now, PlayTick);
    if (gameOver && fadeMode == kFadeNone) StartGameOverFlight();
    int flown = 0;
    if (gameOver) RunDueTicks(now, [&] { flown = FlyOutTick(); });
    ticksPerIdle = TicksDue(now);  // the fade still moves while paused
    // Paused time is dropped: no tick runs, and it is not caught up later.
    CloseTickAccount(now, !paused || gameOver);
    if (flown) ResetToTitle();
}

const char* GetWorldFile(int world) { return kWorldFiles[ClampInt(world, 1, 3) - 1]; }

void GetPibStart(int world, int p, double* x, double* y, int* dir) {
    const StartPlace& start = kStartTable[ClampInt(world, 1, 3) - 1][ClampInt(p, 0, 3)];
    *x = start.x;
    *y = start.y;
    *dir = start.dir;
}

void LoadWorld() {
    // The menus only offer these ranges; anything else falls back to the
    // nearest choice rather than loading nothing.
    int players = ClampInt(playerChoice, 1, 4);
    int world = ClampInt(worldChoice, 1, 3) - 1;
    ticksPastLastTime = 0;  // the menus start the clock afresh from the load
    SetPlayerCount(players);
    LoadCreatures(kCreatureFiles[world]);
    ReadWorldFile(kWorldFiles[world]);
    CheckCreaturePlaces();
    ClearShots();
    for (int p = 0; p < 4; ++p) {
        const StartPlace& start = kStartTable[world][p];
        InitPib(p, kPibKeys[p].left, kPibKeys[p].right, kPibKeys[p].fire, start.x, start.y,
                kPibStartZ, start.dir);
    }
    for (int p = 0; p < players; ++p) InitCamera(p);
    fadeValue = 2000;
    StartFadeIn(1.0);
    for (int p = 0; p < players; ++p) SetCameraFar(p);
    gameState = kStateGetReady;
    LoopIntroTechno();
}
