// The Bunny drawn alone under the virtual display, read back: its fur, its
// clothes, its outfits' textures, its gun. The pictures are kept in the
// test output for a look.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_draw_parts.h"
#include "figures/bunny_record.h"
#include "test_support.h"

namespace {
const int kSize = 400;  // the picture is kSize square
// Figure coordinates shown: x from -1 to 1, y from -0.8 to 1.2 (200 pixels a unit).
const float kLeft = -1, kBottom = -0.8f, kSpan = 2;
const float kBackground[3] = {0.15f, 0.15f, 0.2f};
// Light: a quarter all round and the rest from the viewer.
const float kAmbient = 0.25f, kDiffuse = 0.75f;

struct Rgb {
    double r, g, b;
};

struct Picture {
    std::vector<unsigned char> pixels = std::vector<unsigned char>(size_t(kSize) * kSize * 3);
    // Mean over a square of half-size h pixels around figure point (x, y).
    Rgb MeanAt(float x, float y, int h = 3) const {
        int cx = int((x - kLeft) / kSpan * kSize), cy = int((y - kBottom) / kSpan * kSize);
        Rgb sum = {0, 0, 0};
        int n = 0;
        for (int py = cy - h; py <= cy + h; ++py)
            for (int px = cx - h; px <= cx + h; ++px) {
                const unsigned char* p = &pixels[(size_t(py) * kSize + px) * 3];
                sum.r += p[0] / 255.0, sum.g += p[1] / 255.0, sum.b += p[2] / 255.0;
                ++n;
            }
        return {sum.r / n, sum.g / n, sum.b / n};
    }
    int CountDifferent(const Picture& other) const {
        int n = 0;
        for (size_t k = 0; k < pixels.size(); k += 3)
            if (pixels[k] != other.pixels[k] || pixels[k + 1] != other.pixels[k + 1] ||
                pixels[k + 2] != other.pixels[k + 2])
                ++n;
        return n;
    }
    void Save(const std::string& path) const {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = image.height = kSize;
        image.format = PNG_FORMAT_RGB;
        // GL's rows run from the bottom: a negative stride writes them flipped.
        EXPECT_TRUE(png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), -kSize * 3, nullptr))
            << path;
    }
};

double Distance(Rgb a, Rgb b) { return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b)); }
Rgb Lit(const float* colour, double facing) {
    double light = kAmbient + kDiffuse * facing;
    return {colour[0] * light, colour[1] * light, colour[2] * light};
}

// Where things are in the rest pose, in figure coordinates.
const float kHeadY = -0.22f + 0.4875f;
// A cheek, clear of eyes, whiskers and ears, and how squarely it faces the viewer.
const float kCheekX = 0.17f, kCheekY = kHeadY - 0.02f;
const double kCheekFacing = std::sqrt(0.25 * 0.25 - 0.17 * 0.17 - 0.02 * 0.02) / 0.25;
// The chest, on the suit's front face, whose normal leans 18.4 degrees down.
const float kChestY = -0.22f + 0.05f;
const double kChestFacing = 0.13125 / std::sqrt(0.04375 * 0.04375 + 0.13125 * 0.13125);

enum View { kFront, kSide };

class BunnyDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        if (!EnsureGlContext()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        LoadBunnyTextures();
        SetBunnyPartLists(1);
    }
    void TearDown() override {
        for (Bunny* b : made) DeleteBunny(b);
        SetBunnyPartLists(1);
    }
    Bunny* Make(int outfit, int shoes = 0) {
        made.push_back(NewBunny(outfit, shoes));
        return made.back();
    }
    // The owner's part: view, light, then the figure.
    Picture Draw(Bunny* b, View view = kFront) {
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(kLeft, kLeft + kSpan, kBottom, kBottom + kSpan, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float light[4] = {0, 0, 1, 0}, ambient[4] = {kAmbient, kAmbient, kAmbient, 1},
                    diffuse[4] = {kDiffuse, kDiffuse, kDiffuse, 1}, none[4] = {0, 0, 0, 1};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        glLightfv(GL_LIGHT0, GL_AMBIENT, none);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glClearColor(kBackground[0], kBackground[1], kBackground[2], 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        if (view == kSide) glRotatef(90, 0, 1, 0);
        DrawBunny(b);
        DrawBunnyEmitters(b);
        glPopMatrix();
        Picture shot;
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, shot.pixels.data());
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        return shot;
    }
    std::vector<Bunny*> made;
};

// Every outfit: fur on the head; on the body the clothing colour, flat for
// outfits 4 and 5 and modulating the suit texture for the others.
TEST_F(BunnyDrawing, FurOnTheHeadClothingOnTheBodyEveryOutfit) {
    std::string dir = ScratchDir("bunny_draw");
    for (int outfit = 0; outfit < 8; ++outfit) {
        Bunny* b = Make(outfit);
        Picture shot = Draw(b);
        shot.Save(dir + "/outfit" + std::to_string(outfit) + ".png");
        Rgb cheek = shot.MeanAt(kCheekX, kCheekY);
        EXPECT_LT(Distance(cheek, Lit(&b->field[kFurR], kCheekFacing)), 0.06) << "outfit " << outfit;
        Rgb chest = shot.MeanAt(0, kChestY);
        double fromFlat = Distance(chest, Lit(&b->field[kClothingR], kChestFacing));
        bool textured = outfit != 4 && outfit != 5;
        if (textured) EXPECT_GT(fromFlat, 0.1) << "outfit " << outfit << " should show its suit";
        else EXPECT_LT(fromFlat, 0.02) << "outfit " << outfit << " should be flat";
    }
}

// The clothing colour modulates the suit: pure red clothes leave no green or blue.
TEST_F(BunnyDrawing, ClothingColourTintsTheSuit) {
    Bunny* b = Make(0);
    const float red[4] = {1, 0, 0, 1};
    for (int c = 0; c < 4; ++c) b->field[kClothingR + c] = red[c];
    Rgb chest = Draw(b).MeanAt(0, kChestY);
    EXPECT_GT(chest.r, 0.25);
    EXPECT_LT(chest.g, 0.01);
    EXPECT_LT(chest.b, 0.01);
}

// Scale 0 draws exactly what no gun draws; scale 1 a gun of a good size in
// the gun's own colours.
TEST_F(BunnyDrawing, GunShowsAtScaleOneNotAtZero) {
    std::string dir = ScratchDir("bunny_gun");
    Bunny* b = Make(1);
    for (View view : {kFront, kSide}) {
        b->gunFlag[0] = b->gunFlag[1] = 0;
        Picture none = Draw(b, view);
        b->gunFlag[0] = b->gunFlag[1] = 1;
        Picture zero = Draw(b, view);
        EXPECT_EQ(zero.CountDifferent(none), 0) << view;
        b->field[kGunScale] = b->field[kGunScale + 1] = 1;
        Picture one = Draw(b, view);
        one.Save(dir + (view == kFront ? "/front.png" : "/side.png"));
        EXPECT_GT(one.CountDifferent(none), 1500) << view;
        b->field[kGunScale] = b->field[kGunScale + 1] = 0;
    }
}

// The display lists hold the same pieces as immediate mode: the same picture
// with every piece in it.
TEST_F(BunnyDrawing, DisplayListsDrawWhatImmediateModeDraws) {
    std::string dir = ScratchDir("bunny_dressed");
    Bunny* b = Make(2, 1);
    SetBunnyGlasses(b, 1);
    SetBunnyFaceMark(b, 1);
    b->field[kGunScale] = b->field[kGunScale + 1] = 1;
    for (View view : {kFront, kSide}) {
        SetBunnyPartLists(1);
        Picture listed = Draw(b, view);
        listed.Save(dir + (view == kFront ? "/front.png" : "/side.png"));
        SetBunnyPartLists(0);
        EXPECT_EQ(Draw(b, view).CountDifferent(listed), 0) << view;
    }
}

// Trembling moves body and head by under 0.01 along each axis, x and z
// alike; without it the last shake stays.
TEST_F(BunnyDrawing, TremblingJittersWithinAHundredth) {
    Bunny* b = Make(0);
    Picture still = Draw(b);
    EXPECT_EQ(b->trembleJitterY, 0);
    EXPECT_EQ(b->trembleJitterXZ, 0);
    SetBunnyTrembling(b, 1);
    bool moved = false;
    for (int k = 0; k < 20; ++k) {
        Picture shaken = Draw(b);
        EXPECT_LE(std::fabs(b->trembleJitterY), 0.01f);
        EXPECT_LE(std::fabs(b->trembleJitterXZ), 0.01f);
        moved = moved || shaken.CountDifferent(still) > 0;
    }
    EXPECT_TRUE(moved);
    SetBunnyTrembling(b, 0);
    float y = b->trembleJitterY, xz = b->trembleJitterXZ;
    Picture a = Draw(b), again = Draw(b);
    EXPECT_EQ(again.CountDifferent(a), 0);
    EXPECT_EQ(b->trembleJitterY, y);
    EXPECT_EQ(b->trembleJitterXZ, xz);
}

// The caller's matrix comes back moved 0.25 forward for the emitters.
TEST_F(BunnyDrawing, LeavesTheCallersFrameShiftedForward) {
    Bunny* b = Make(0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    DrawBunny(b);
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glPopMatrix();
    const float shifted[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0.25f, 1};
    for (int k = 0; k < 16; ++k) EXPECT_FLOAT_EQ(m[k], shifted[k]) << k;
}
// A figure wholly outside the view is not sent, yet leaves the caller's
// frame shifted as one in sight does.
TEST_F(BunnyDrawing, AFigureOutOfSightStillShiftsTheFrame) {
    Bunny* b = Make(0);
    b->field[kBodyPosX] = 50;
    Draw(b, kFront);  // sets the view up; nothing may be drawn
    glPushMatrix();
    glLoadIdentity();
    DrawBunny(b);
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    glPopMatrix();
    EXPECT_FLOAT_EQ(m[14], 0.25f);
}
}  // namespace
