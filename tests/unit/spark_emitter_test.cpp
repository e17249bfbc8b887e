// Sparks on a driven clock and a seeded random, against the fixture board.
#include <cmath>
#include <limits>

#include "effects/spark_emitter.h"
#include "game_test_support.h"
#include "particle_test_support.h"
#include "support/helpers.h"
#include "world_test_support.h"

namespace {
const int kStart = 50000;

class SparkTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadFixtureWorld();  // 6 by 4
        UseFakeClock(kStart);
        SeedRandomWith(5);
        e = CreateSparkEmitter(2.5f, 1.5f, 0.3f, -1, 0, 0);
    }
    void TearDown() override {
        DeleteSparkEmitter(e);
        UseRealClock();
    }
    void UpdateAt(int now) {
        fakeNow = now;
        UpdateSparkEmitter(e);
    }
    SparkEmitter* e = nullptr;
};

TEST_F(SparkTest, FillsToItsBoundAfterAMinutesGap) {
    UpdateAt(kStart + 60000);
    EXPECT_EQ(SparkEmitterCount(e), 2500);
    double lag = fakeNow - SparkEmitterLastTime(e);
    EXPECT_TRUE(lag >= 0 && lag < 10) << lag;
}

// Under one period nothing is made and lastTime stays, so the next update
// moves the sparks over that time again; under one ms nothing moves, but the
// fade still applies.
TEST_F(SparkTest, ShortUpdatesFadeAndMoveOverTheLeftoverAgain) {
    UpdateAt(kStart + 10);
    ASSERT_EQ(SparkEmitterCount(e), 1);
    SparkParticle born = *SparkEmitterParticle(e, 0);
    UpdateSparkEmitter(e);  // dt well under a millisecond
    const SparkParticle* s = SparkEmitterParticle(e, 0);
    EXPECT_TRUE(s->x == born.x && s->z == born.z && s->life == born.life);
    EXPECT_FLOAT_EQ(s->colour[2], born.fade[2]);
    UpdateAt(kStart + 15);
    EXPECT_TRUE(SparkEmitterCount(e) == 1 && SparkEmitterParticle(e, 0)->life == 5000 - 5);
    UpdateAt(kStart + 20);
    EXPECT_TRUE(SparkEmitterCount(e) == 2 && SparkEmitterParticle(e, 0)->life == 5000 - 5 - 10);
    EXPECT_FLOAT_EQ(SparkEmitterParticle(e, 0)->colour[2], born.fade[2] * born.fade[2] * born.fade[2]);
}

// The board test for every floor type, on both sides of each bound. Cell
// (2, 1) of the fixture board takes each type in turn.
TEST_F(SparkTest, StrikeTableForEveryFloorType) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { int type; float x, y, z; int strikes; } cases[] = {
        {kFloor, 2.5f, 1.5f, 0.001f, 0}, {kFloor, 2.5f, 1.5f, 0, 1}, {kHole, 2.5f, 1.5f, 0.5f, 0},
        {kHole, 2.5f, 1.5f, 0, 1}, {kRampUp0, 2.5f, 1.5f, 0.49f, 1}, {kRampUp0, 2.5f, 1.5f, 0.51f, 0},
        {kRampUp1, 2.25f, 1.5f, 0.24f, 1}, {kRampUp1, 2.25f, 1.5f, 0.26f, 0},
        {kRampUp2, 2.5f, 1.25f, 0.74f, 1}, {kRampUp2, 2.5f, 1.25f, 0.76f, 0},
        {kRampUp3, 2.25f, 1.5f, 0.74f, 1}, {kRampUp3, 2.25f, 1.5f, 0.76f, 0},
        {kRaisedBlock, 2.5f, 1.5f, 0.99f, 1}, {kRaisedBlock, 2.5f, 1.5f, 1, 0},
        {kCrate, 2.5f, 1.5f, 0.99f, 1}, {kCrate, 2.5f, 1.5f, 1.01f, 0},
        {kBridgeAlongX, 2.5f, 1.5f, 0.95f, 1}, {kBridgeAlongX, 2.5f, 1.5f, 0.9f, 0},
        {kBridgeAlongY, 2.5f, 1.5f, 0.95f, 1}, {kBridgeAlongY, 2.5f, 1.5f, 1, 0},
        {kBridgeAlongY, 2.5f, 1.5f, 0.5f, 0}, {kSolidHidden, 2.5f, 1.5f, 5, 1},
        {11, 2.5f, 1.5f, 0.5f, 0}, {-7, 2.5f, 1.5f, 0.5f, 0},
        // Off the board strikes at any height; no read outside the grid.
        {kFloor, -0.01f, 1.5f, 5, 1}, {kFloor, 2.5f, -0.01f, 5, 1}, {kFloor, 6, 1.5f, 5, 1},
        {kFloor, 2.5f, 4, 5, 1},      {kFloor, 5.99f, 3.99f, 5, 0}, {kFloor, 1e30f, 1.5f, 0.5f, 1},
        {kFloor, 2.5f, 3e9f, 0.5f, 1}, {kFloor, nan, 1.5f, 0.5f, 1}, {kFloor, 2.5f, 1.5f, nan, 1},
    };
    for (const auto& c : cases) {
        board[2][1] = c.type;
        EXPECT_EQ(SparkHitsBoard(c.x, c.y, c.z), c.strikes)
            << "type " << c.type << " at " << c.x << "," << c.y << "," << c.z;
    }
}

TEST_F(SparkTest, SparksFloatThenDropAndStrikeIntoAPuff) {
    UpdateAt(kStart + 10);
    SetSparkEmitterActive(e, 0);
    int t = kStart + 10;
    while (SparkEmitterParticle(e, 0)->life >= 3200) UpdateAt(t += 16);
    const SparkParticle* s = SparkEmitterParticle(e, 0);
    EXPECT_TRUE(!s->bounced && s->z > 0.1f);  // still up after 1800 ms of floating
    EXPECT_LT(s->x, 2.5f);                    // drifting along the aim
    for (int i = 0; i < 100 && !SparkEmitterParticle(e, 0)->bounced; ++i) UpdateAt(t += 16);
    SparkParticle puff = *SparkEmitterParticle(e, 0);
    ASSERT_EQ(puff.bounced, 1);
    EXPECT_EQ(puff.life, 320);
    EXPECT_GT(puff.vz, 0);
    // It rises, swells by 1.17 per update of 16 ms or more and is freed by
    // the first update after its 320 ms have run out.
    while (true) {
        UpdateAt(t += 16);
        if (SparkEmitterCount(e) == 0) break;
        s = SparkEmitterParticle(e, 0);
        EXPECT_GT(s->z, puff.z);
        EXPECT_FLOAT_EQ(s->size, puff.size * 1.17f);
        EXPECT_EQ(s->bounceX, puff.bounceX);
        puff = *s;
    }
    EXPECT_LE(puff.life, 0);
}

// However fast the frames come, a puff swells no more over its life than at
// 16 ms a frame, and an update under a millisecond does not swell it. The
// spark falls in the emitter's own 10 ms periods, so its strike leaves no time over.
TEST_F(SparkTest, PuffGrowthIsBoundedAtHighFrameRates) {
    SetSparkEmitterPosition(e, 2.5f, 1.5f, 0.001f);
    SetSparkEmitterAim(e, 0, 0);
    UpdateAt(kStart + 10);
    SetSparkEmitterActive(e, 0);
    int t = kStart + 10;
    while (!SparkEmitterParticle(e, 0)->bounced) UpdateAt(t += 10);
    float struck = SparkEmitterParticle(e, 0)->size;
    UpdateSparkEmitter(e);
    EXPECT_EQ(SparkEmitterParticle(e, 0)->size, struck);
    float largest = struck;
    while (SparkEmitterCount(e) > 0) {
        largest = SparkEmitterParticle(e, 0)->size;
        UpdateAt(t += 2);
    }
    EXPECT_GT(largest, struck * 10);
    EXPECT_LE(largest, struck * std::pow(1.17f, 20) * 1.001f);
}

// Drawing a mix of sparks and puffs from a turned camera.
TEST_F(SparkTest, DrawsSparksAndPuffsFacingTheCamera) {
    if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
    static bool loaded = false;  // once, as the game loads them: each load makes two more
    if (!loaded) LoadSparkTextures(), loaded = true;
    SetSparkEmitterPosition(e, 2.5f, 1.5f, -0.001f);  // every spark strikes at once
    for (int t = 10; t <= 200; t += 10) UpdateAt(kStart + t);
    int puffs = 0;
    for (int i = 0; i < SparkEmitterCount(e); ++i) puffs += SparkEmitterParticle(e, i)->bounced;
    ASSERT_TRUE(puffs > 0 && puffs < SparkEmitterCount(e)) << puffs;
    auto place = [] { glRotatef(-60, 1, 0, 0), glTranslatef(-2.48f, -1.5f, 0); };
    DrawEffectFrame(0.1, place, [&] { DrawSparkEmitter(e); });
    int lit = 0;
    for (unsigned char v : ReadBackBuffer(0, 0, 64, 64).rgb) lit += v > 40;
    EXPECT_GT(lit, 10);
}
}  // namespace
