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

// Runs tick() while fewer ticks have run in this call than are due since
// lastTickTime, reading the clock again after each one. Leaves the last
// reading in now and returns the last number due.
template <typename Tick>
int RunDueTicks(int& now, Tick tick) {
    int due = TicksDue(now);
    for (int run = 0; run < due; ++run) {
        tick();
        now = ElapsedMs();
        due = TicksDue(now);
    }
    return due;
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

int TicksDue(int now) { return int((now - lastTickTime) * kTicksPerMs); }

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
    int due = RunDueTicks(now, [&] { arrived = GetReadyTick(sinceLoad, arrived); });
    if (arrived) gameState = kStatePlay;
    lastTickTime = now;
    ticksPerIdle = due;
}

void IdlePlay() {
    int now = ElapsedMs();
    if (KeyPressed('p', &pauseKeyLast)) paused = !paused;
    if (paused) AimPibSparks();
    // Paused time is dropped: no tick runs, and lastTickTime moves on below.
    if (!paused && !gameOver) RunDueTicks(now, PlayTick);
    int due = TicksDue(now);
    if (gameOver && fadeMode == kFadeNone) StartGameOverFlight();
    int flown = 0;
    if (gameOver) due = RunDueTicks(now, [&] { flown = FlyOutTick(); });
    lastTickTime = now;
    ticksPerIdle = due;
    if (flown) ResetToTitle();
}

void LoadWorld() {
    // The menus only offer these ranges; anything else falls back to the
    // nearest choice rather than loading nothing.
    int players = ClampInt(playerChoice, 1, 4);
    int world = ClampInt(worldChoice, 1, 3) - 1;
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
