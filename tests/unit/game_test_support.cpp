#include "game_test_support.h"

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "support/clock.h"
#include "test_support.h"

int fakeNow = 0;
int clockStepPerRead = 0;

namespace {
int ReadFakeClock() {
    int now = fakeNow;
    fakeNow += clockStepPerRead;
    return now;
}
}  // namespace

void UseFakeClock(int now, int stepPerRead) {
    fakeNow = now;
    clockStepPerRead = stepPerRead;
    SetClockSource(ReadFakeClock);
}

void UseRealClock() { SetClockSource(nullptr); }

void LoadGameAt(int world, int players, int now) {
    EnsureGlContext();
    ClearKeyStates();
    ResetToTitle();
    UseFakeClock(now);
    worldChoice = world;
    playerChoice = players;
    LoadWorld();
    worldLoadTime = now;
    lastTickTime = now;
}
