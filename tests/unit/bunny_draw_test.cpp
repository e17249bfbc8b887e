// The Bunny drawn alone under the virtual display and read back; the
// pictures are kept in the test output for a look.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_draw_parts.h"
#include "figures/bunny_record.h"
#include "test_support.h"

namespace {
// kSize pixels square showing figure x from -1 to 1, y from -0.8 to 1.2.
const int kSize = 400;
const float kLeft = -1, kBottom = -0.8f, kSpan = 2;
// Light: a quarter all round and the rest from the viewer.
const float kAmbient = 0.25f, kDiffuse = 0.75f;

struct Rgb { double r, g, b; };

// Mean over a square of half-size h pixels around figure point (x, y).
Rgb MeanAt(const ReadBack& shot, float x, float y, int h = 3) {
    int cx = int((x - kLeft) / kSpan * kSize), cy = int((y - kBottom) / kSpan * kSize);
    Rgb sum = {0, 0, 0};
    for (int py = cy - h; py <= cy + h; ++py)
        for (int px = cx - h; px <= cx + h; ++px) {
            const unsigned char* p = shot.At(px, py);
            sum.r += p[0], sum.g += p[1], sum.b += p[2];
        }
    double n = 255.0 * (2 * h + 1) * (2 * h + 1);
    return {sum.r / n, sum.g / n, sum.b / n};
}
int CountDifferent(const ReadBack& a, const ReadBack& b) {
    int n = 0;
    for (size_t k = 0; k < a.rgb.size(); k += 3) n += std::memcmp(&a.rgb[k], &b.rgb[k], 3) != 0;
    return n;
}
double Distance(Rgb a, Rgb b) { return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b)); }
Rgb Lit(const float* colour, double facing) {
    double light = kAmbient + kDiffuse * facing;
    return {colour[0] * light, colour[1] * light, colour[2] * light};
}

// In the rest pose: a cheek, clear of eyes, whiskers and ears, and how
// squarely it faces the viewer.
const float kCheekX = 0.17f, kCheekY = -0.22f + 0.4875f - 0.02f;
const double kCheekFacing = std::sqrt(0.25 * 0.25 - 0.17 * 0.17 - 0.02 * 0.02) / 0.25;
// The chest, on the suit's front face, whose normal leans 18.4 degrees down.
const float kChestY = -0.22f + 0.05f;
const double kChestFacing = 0.13125 / std::sqrt(0.04375 * 0.04375 + 0.13125 * 0.13125);

enum View { kFront, kSide };

class BunnyDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
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
    // The owner's part (view, light), then the figure.
    ReadBack Draw(Bunny* b, View view = kFront) {
        const float lightFrom[3] = {0, 0, 1};
        LitSquareView(kSize, kLeft, kBottom, kSpan, lightFrom, kAmbient, kDiffuse);
        if (view == kSide) glRotatef(90, 0, 1, 0);
        DrawBunny(b);
        DrawBunnyEmitters(b);  // in the frame DrawBunny leaves
        ReadBack shot = ReadBackBuffer(0, 0, kSize, kSize);
        for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D}) glDisable(cap);
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
        ReadBack shot = Draw(b);
        EXPECT_TRUE(SavePng(shot, dir + "/outfit" + std::to_string(outfit) + ".png"));
        EXPECT_LT(Distance(MeanAt(shot, kCheekX, kCheekY), Lit(&b->field[kFurR], kCheekFacing)), 0.06) << outfit;
        double fromFlat = Distance(MeanAt(shot, 0, kChestY), Lit(&b->field[kClothingR], kChestFacing));
        if (outfit != 4 && outfit != 5) EXPECT_GT(fromFlat, 0.1) << outfit << " should show its suit";
        else EXPECT_LT(fromFlat, 0.02) << outfit << " should be flat";
    }
    // The clothing colour modulates the suit: pure red clothes leave no green or blue.
    Bunny* b = Make(0);
    b->field[kClothingR] = 1, b->field[kClothingR + 1] = b->field[kClothingR + 2] = 0;
    Rgb chest = MeanAt(Draw(b), 0, kChestY);
    EXPECT_GT(chest.r, 0.25);
    EXPECT_LT(chest.g + chest.b, 0.02);
}

// Scale 0 draws exactly what no gun draws; scale 1 a gun of a good size; the
// display lists draw the same picture as immediate mode, every piece in it.
TEST_F(BunnyDrawing, GunShowsAtScaleOneAndListsMatchImmediateMode) {
    std::string dir = ScratchDir("bunny_gun");
    Bunny* b = Make(2, 1);
    SetBunnyGlasses(b, 1);
    SetBunnyFaceMark(b, 1);
    for (View view : {kFront, kSide}) {
        b->gunFlag[0] = b->gunFlag[1] = 0;
        ReadBack none = Draw(b, view);
        b->gunFlag[0] = b->gunFlag[1] = 1;
        EXPECT_EQ(CountDifferent(Draw(b, view), none), 0) << view;
        b->field[kGunScale] = b->field[kGunScale + 1] = 1;
        ReadBack listed = Draw(b, view);
        EXPECT_TRUE(SavePng(listed, dir + (view == kFront ? "/front.png" : "/side.png")));
        EXPECT_GT(CountDifferent(listed, none), 1500) << view;
        SetBunnyPartLists(0);
        EXPECT_EQ(CountDifferent(Draw(b, view), listed), 0) << view;
        SetBunnyPartLists(1);
        b->field[kGunScale] = b->field[kGunScale + 1] = 0;
    }
}

// Trembling moves body and head by under 0.01 along each axis; without it the
// last shake stays.
TEST_F(BunnyDrawing, TremblingJittersWithinAHundredth) {
    Bunny* b = Make(0);
    ReadBack still = Draw(b);
    SetBunnyTrembling(b, 1);
    bool moved = false;
    for (int k = 0; k < 20; ++k) {
        moved = moved || CountDifferent(Draw(b), still) > 0;
        EXPECT_LE(std::max(std::fabs(b->trembleJitterY), std::fabs(b->trembleJitterXZ)), 0.01f);
    }
    EXPECT_TRUE(moved);
    SetBunnyTrembling(b, 0);
    EXPECT_EQ(CountDifferent(Draw(b), Draw(b)), 0);
}

// The caller's matrix comes back moved 0.25 forward for the emitters, also
// for a figure wholly outside the view, which is not sent.
TEST_F(BunnyDrawing, LeavesTheCallersFrameShiftedForward) {
    for (float x : {0.0f, 50.0f}) {
        Bunny* b = Make(0);
        b->field[kBodyPosX] = x;
        Draw(b);  // sets the view up
        glPushMatrix();
        glLoadIdentity();
        DrawBunny(b);
        float m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        glPopMatrix();
        const float shifted[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0.25f, 1};
        EXPECT_EQ(std::vector<float>(m, m + 16), std::vector<float>(shifted, shifted + 16)) << x;
    }
}
}  // namespace
