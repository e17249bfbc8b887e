// Every pib in play trails sparks from both feet, through the real pib update
// and game screen.
#include <GL/glut.h>

#include <cmath>
#include <cstdio>
#include <vector>

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
void SaveScreenPpm(const std::string& path, int w, int h) {
    std::vector<unsigned char> rgb(size_t(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (int y = h - 1; y >= 0; --y) std::fwrite(&rgb[size_t(y) * w * 3], 1, size_t(w) * 3, f);
    std::fclose(f);
}

TEST(PibSparks, FourWalkingPibsTrailSparksFromBothFeet) {
    ASSERT_TRUE(EnsureGlContext());
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
    glFinish();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    SaveScreenPpm(ScratchDir("pib_sparks") + "/four_pibs.ppm", 600, 450);
    for (int p = 0; p < 4; ++p) {
        for (SparkEmitter* e : {GetPibSparksA(p), GetPibSparksB(p)}) {
            ASSERT_GT(SparkEmitterCount(e), 100) << "pib " << p;
            // The sparks born last are still at the pib's feet.
            const SparkParticle* s = SparkEmitterParticle(e, SparkEmitterCount(e) - 1);
            EXPECT_LT(std::hypot(s->x - GetPibX(p), s->y - GetPibY(p)), 0.5) << "pib " << p;
            EXPECT_EQ(s->emitter, e);
        }
    }
    windowWidth = savedW;
    windowHeight = savedH;
    UseRealClock();
}
}  // namespace
