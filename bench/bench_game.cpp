#include "bench_game.h"

#include <GL/glut.h>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "support/helpers.h"

namespace {
struct TurnKeys {
    int left, right;
};
const TurnKeys kTurnKeys[4] = {{kKeyLeft, kKeyRight}, {'z', 'c'}, {',', '/'}, {'7', '9'}};
const unsigned char kFireKeys[3] = {'x', '.', '8'};

const long kSteerPeriod = 331;  // ticks between two turns of one pib
const long kTurnHold = 40;
const long kFirePeriod = 60;

void SetSlot(int slot, bool down) {
    if (slot == kKeyLeft) {
        if (down) SpecialDown(GLUT_KEY_LEFT, 0, 0);
        else SpecialUp(GLUT_KEY_LEFT, 0, 0);
    } else if (slot == kKeyRight) {
        if (down) SpecialDown(GLUT_KEY_RIGHT, 0, 0);
        else SpecialUp(GLUT_KEY_RIGHT, 0, 0);
    } else if (down) {
        KeyboardDown((unsigned char)slot, 0, 0);
    } else {
        KeyboardUp((unsigned char)slot, 0, 0);
    }
}
}  // namespace

void StartBenchGame(int world, int players) {
    ClearKeyStates();
    ResetToTitle();
    worldChoice = world;
    playerChoice = players;
    LoadWorld();
    SeedRandomWith(1234);  // after the load: every new Robot seeds the generator from the clock
    gameState = kStatePlay;
    fadeMode = kFadeNone;
    fadeValue = 0;
}

void DriveBenchKeys(long tick) {
    // A shot needs the fire key let go between two presses.
    long firePhase = tick % kFirePeriod;
    if (firePhase == 0 || firePhase == kFirePeriod / 2) {
        bool down = firePhase == 0;
        SetSlot(kKeyUp, down);
        for (unsigned char key : kFireKeys) SetSlot(key, down);
    }
    long phase = tick % kSteerPeriod;
    if (phase != 0 && phase != kTurnHold) return;
    int p = int(tick / kSteerPeriod % 4);
    // Alternate left and right turns so no pib circles one block for ever.
    int slot = (tick / (kSteerPeriod * 4)) % 2 ? kTurnKeys[p].left : kTurnKeys[p].right;
    SetSlot(slot, phase == 0);
}

void WarmUpBenchGame(int ticks) {
    for (long t = 0; t < ticks; ++t) {
        DriveBenchKeys(t);
        PlayTick();
    }
}
