// Every pib in play trails sparks from both feet, through the real pib update
// and game screen.
#include <GL/glut.h>

#include <cmath>

#include "core/fade.h"
#include "core/frame.h"
#include "core/game_screen.h"
#include "core/play.h"
#include "effects/spark_emitter.h"
#include "game_test_support.h"
#include "players/camera.h"
#include "players/pib.h"
#include "test_support.h"

namespace {
TEST(PibSparks, FourWalkingPibsTrailSparksFromBothFeet) {
    ASSERT_TRUE(StartFromGlDefaults());
    int savedW = windowWidth, savedH = windowHeight;
    windowWidth = 600;
    windowHeight = 450;
    LoadGameAt(1, 4, 1000);
    gameState = kStatePlay;
    fadeMode = kFadeNone;
    for (PibCamera& c : pibCameras) {  // close behind, as after the fly-in
        c.distX = c.distY = kCameraNearDist;
        c.height = kCameraNearHeight;
    }
    for (int now = 1016; now <= 3000; now += 16) {
        UseFakeClock(now);
        IdlePlay();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawGameScreen();
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    SavePng(ReadBackBuffer(0, 0, 600, 450), ScratchDir("pib_sparks") + "/four_pibs.png");
    for (int p = 0; p < 4; ++p) {
        for (SparkEmitter* e : {GetPibSparksA(p), GetPibSparksB(p)}) {
            ASSERT_GT(SparkEmitterCount(e), 100) << "pib " << p;
            // The sparks born last are still at the pib's feet.
            const SparkParticle* s = SparkEmitterParticle(e, SparkEmitterCount(e) - 1);
            EXPECT_LT(std::hypot(s->x - GetPibX(p), s->y - GetPibY(p)), 0.5) << "pib " << p;
        }
    }
    windowWidth = savedW;
    windowHeight = savedH;
    UseRealClock();
}
}  // namespace
