// A Bunny burning to death, drawn under the virtual display at a few steps of
// the game's script and read back: fire at the feet first, then a dark
// figure. The pictures are kept in the test output for a look.
#include <GL/glut.h>
#include <png.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "game_test_support.h"
#include "test_support.h"

namespace {

const int kSize = 300;
// Figure coordinates shown: x from -1 to 1, y from -1 to 1.
const float kSpan = 2;
const int kMsPerStep = 10;

struct Shot {
    std::vector<unsigned char> rgb = std::vector<unsigned char>(size_t(kSize) * kSize * 3);

    // Pixels in the band of figure heights [y0, y1) that are fire: bright
    // orange to yellow, red and green well above blue (the pink fur is not).
    int FireIn(float y0, float y1) const {
        int n = 0;
        for (int py = Row(y0); py < Row(y1); ++py)
            for (int px = 0; px < kSize; ++px) {
                const unsigned char* p = &rgb[(size_t(py) * kSize + px) * 3];
                if (p[0] > 150 && p[1] > 100 && p[0] > p[2] + 100 && p[1] > p[2] + 60) ++n;
            }
        return n;
    }
    // Mean brightness (0 to 1) over a small square around a figure point.
    double BrightnessAt(float x, float y) const {
        double sum = 0;
        int n = 0;
        for (int py = Row(y) - 3; py <= Row(y) + 3; ++py)
            for (int px = Row(x) - 3; px <= Row(x) + 3; ++px, ++n) {
                const unsigned char* p = &rgb[(size_t(py) * kSize + px) * 3];
                sum += (p[0] + p[1] + p[2]) / (3 * 255.0);
            }
        return sum / n;
    }
    static int Row(float v) { return int((v + 1) / kSpan * kSize); }

    void Save(const std::string& path) const {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = image.height = kSize;
        image.format = PNG_FORMAT_RGB;
        // GL's rows run from the bottom: a negative stride writes them flipped.
        EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), -kSize * 3, nullptr))
            << path;
    }
};

// The name GL would give the next texture and the next display list; taking
// and freeing them leaves nothing behind.
std::pair<GLuint, GLuint> NextGlNames() {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glDeleteTextures(1, &texture);
    GLuint list = glGenLists(1);
    glDeleteLists(list, 1);
    return {texture, list};
}

class BunnyDeathDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        if (!EnsureGlContext()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        UseFakeClock(100000);
        LoadBunnyTextures();
        b = NewBunny(0, 1);
    }
    void TearDown() override {
        DeleteBunny(b);
        UseRealClock();
    }
    // One game tick of a dying pib: its figure's animation and emitters.
    void RunTo(int step) {
        for (; now < step; ++now) {
            fakeNow += kMsPerStep;
            TickBunnyAnimation(b);
            UpdateBunnyEmitters(b);
        }
    }
    // The figure lit from the viewer, then its emitters in its frame, as a
    // pib draws them.
    Shot Draw() {
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1, 1, -1, 1, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float light[4] = {0, 0, 1, 0};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glClearColor(0.1f, 0.12f, 0.25f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        DrawBunny(b);
        DrawBunnyEmitters(b);
        glPopMatrix();
        Shot shot;
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, shot.rgb.data());
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        return shot;
    }
    Bunny* b = nullptr;
    int now = 0;
};

// Before the fire no flame shows; early on it burns at the feet and not yet
// at the head; once the fades are done the figure is dark where it was
// brightly dressed. Nothing on the way makes GL objects.
TEST_F(BunnyDeathDrawing, FireAtTheFeetFirstThenADarkFigure) {
    std::string dir = ScratchDir("bunny_death");
    const float kFeet[2] = {-0.8f, -0.3f}, kHead[2] = {0.15f, 0.6f};
    const float kChestY = -0.17f;
    Shot before = Draw();
    before.Save(dir + "/step0000.png");
    EXPECT_LT(before.FireIn(kFeet[0], kFeet[1]), 10);
    double dressed = before.BrightnessAt(0, kChestY);

    auto names = NextGlNames();
    ASSERT_EQ(PlayBunnyDeathSequence(b, 5.0f), 3830);
    RunTo(400);  // the legs' emitter alone has burnt for 300 steps
    Shot early = Draw();
    early.Save(dir + "/step0400.png");
    int feet = early.FireIn(kFeet[0], kFeet[1]);
    EXPECT_GT(feet, 100);
    EXPECT_LT(early.FireIn(kHead[0], kHead[1]), feet / 4);

    RunTo(1400);  // all three alight, the colours fading to black
    Draw().Save(dir + "/step1400.png");

    RunTo(2100);  // the fire out, ash grey in outfit 4, the smoke thinning
    Shot dark = Draw();
    dark.Save(dir + "/step2100.png");
    EXPECT_EQ(b->outfit, 4);
    EXPECT_LT(dark.FireIn(-1, 1), 10);
    double ash = dark.BrightnessAt(0, kChestY);
    EXPECT_LT(ash, 0.3);
    EXPECT_LT(ash, dressed / 2);

    RunTo(3830);  // staggered and collapsed
    Draw().Save(dir + "/step3830.png");
    // A whole death made no texture and no display list: GL hands out the
    // next names (or the same again, where it reuses them).
    auto after = NextGlNames();
    EXPECT_LE(after.first, names.first + 1);
    EXPECT_LE(after.second, names.second + 1);
}

}  // namespace
