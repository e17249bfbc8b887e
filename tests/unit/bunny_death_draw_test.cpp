// A Bunny burning to death, drawn under the virtual display at a few steps of
// the game's script and read back: fire at the feet first, then a dark
// figure. The pictures are kept in the test output for a look.
#include <GL/glut.h>
#include <unistd.h>

#include <map>
#include <string>
#include <utility>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "game_test_support.h"
#include "test_support.h"

namespace {

const int kSize = 300;  // shows figure x and y from -1 to 1

int Pixel(float v) { return int((v + 1) / 2 * kSize); }

// Fire pixels in the band of figure heights [y0, y1): bright orange to
// yellow, red and green well above blue (the pink fur is not).
int FireIn(const ReadBack& shot, float y0, float y1) {
    int n = 0;
    for (int y = Pixel(y0); y < Pixel(y1); ++y)
        for (int x = 0; x < kSize; ++x) {
            const unsigned char* p = shot.At(x, y);
            if (p[0] > 150 && p[1] > 100 && p[0] > p[2] + 100 && p[1] > p[2] + 60) ++n;
        }
    return n;
}

// Mean brightness (0 to 1) over a small square around a figure point.
double BrightnessAt(const ReadBack& shot, float fx, float fy) {
    double sum = 0;
    for (int y = Pixel(fy) - 3; y <= Pixel(fy) + 3; ++y)
        for (int x = Pixel(fx) - 3; x <= Pixel(fx) + 3; ++x) {
            const unsigned char* p = shot.At(x, y);
            sum += (p[0] + p[1] + p[2]) / (3 * 255.0);
        }
    return sum / 49;
}

// The names GL would give the next texture and display list: a death that
// makes none gets the same names again, or the next ones.
std::pair<GLuint, GLuint> NextGlNames() {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glDeleteTextures(1, &texture);
    GLuint list = glGenLists(1);
    glDeleteLists(list, 1);
    return {texture, list};
}

// The figure lit from the viewer, then its emitters in its frame, as a pib
// draws them.
ReadBack Draw(Bunny* b) {
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float towardViewer[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, towardViewer);
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST, GL_TEXTURE_2D}) glEnable(cap);
    glClearColor(0.1f, 0.12f, 0.25f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawBunny(b);
    DrawBunnyEmitters(b);
    ReadBack shot = ReadBackBuffer(0, 0, kSize, kSize);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    return shot;
}

// Before the fire no flame shows; early on it burns at the feet and not yet
// at the head; once the fades are done the figure is dark where it was
// brightly dressed. A whole death makes no texture and no display list.
TEST(BunnyDeathDrawing, FireAtTheFeetFirstThenADarkFigure) {
    if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
    ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
    UseFakeClock(100000);
    LoadBunnyTextures();
    Bunny* b = NewBunny(0, 1);
    const std::string dir = ScratchDir("bunny_death");
    std::map<int, ReadBack> shots = {{0, Draw(b)}};
    auto names = NextGlNames();
    EXPECT_EQ(PlayBunnyDeathSequence(b, 5.0f), 3830);
    // 400: the legs alone have burnt 300 steps; 1400: all alight, colours
    // fading; 2100: fire out, ash grey, the smoke thinning; 3830: collapsed.
    int step = 0;
    for (int at : {400, 1400, 2100, 3830}) {
        for (; step < at; ++step) {
            fakeNow += 10;
            TickBunnyAnimation(b);
            UpdateBunnyEmitters(b);
        }
        shots[at] = Draw(b);
    }
    EXPECT_EQ(b->outfit, 4) << "ash grey";
    for (const auto& [at, shot] : shots) EXPECT_TRUE(SavePng(shot, dir + "/step" + std::to_string(at) + ".png"));

    const float kFeet[2] = {-0.8f, -0.3f}, kHead[2] = {0.15f, 0.6f}, kChestY = -0.17f;
    EXPECT_LT(FireIn(shots[0], kFeet[0], kFeet[1]), 10);
    // Over 5000 seeds: feet 93 to 347 fire pixels, head at most 59; a head
    // lit with the legs showed 177 or more, legs never lit none at the feet.
    int feet = FireIn(shots[400], kFeet[0], kFeet[1]);
    EXPECT_GT(feet, 50);
    EXPECT_LT(FireIn(shots[400], kHead[0], kHead[1]), 100);
    EXPECT_LT(FireIn(shots[2100], -1, 1), 10);
    EXPECT_LT(BrightnessAt(shots[2100], 0, kChestY), BrightnessAt(shots[0], 0, kChestY) / 2);
    auto after = NextGlNames();
    EXPECT_LE(after.first, names.first + 1);
    EXPECT_LE(after.second, names.second + 1);
    DeleteBunny(b);
    UseRealClock();
}

}  // namespace
