// A Bunny's foot positions and its emitter bursts: plain arithmetic and
// counting, no window needed.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "game_test_support.h"

namespace {
// The rest pose, without the GL parts NewBunny makes.
struct BareBunny {
    Bunny b{};
    BareBunny() {
        const float* rest = BunnyLayout().rest;
        for (int f = 0; f < kBunnyPoseFieldCount; ++f) b.field[f] = rest[f];
    }
    void Feet(float* left, float* right) {
        GetBunnyLeftFootPos(&b, left);
        GetBunnyRightFootPos(&b, right);
    }
};

const double kDeg = 3.14 / 180;  // the figure's own degree, as its feet are worked out
const double kLegDrop = 0.08625 + 0.089775 + 0.07182;

TEST(BunnyFeet, RestPoseStandsBelowTheHipsHalfAFootBack) {
    BareBunny bare;
    bare.b.field[kBodyPosZ] = 0.3f;
    float left[3], right[3];
    bare.Feet(left, right);
    for (const float* foot : {left, right}) {
        EXPECT_NEAR(foot[1], 0.3 + 0.075 - 0.1, 1e-6);
        EXPECT_NEAR(foot[2], -0.22 - kLegDrop, 1e-6);
    }
    EXPECT_NEAR(left[0], -0.0595, 1e-6);
    EXPECT_NEAR(right[0], 0.0595, 1e-6);
}

// Leaning by bz swings both legs, thigh and shin, the same way sideways; the
// hips' height follows the lean and a lean to the left lifts them by 0.02.
TEST(BunnyFeet, LeaningBodySwingsBothFeetAlike) {
    for (float bz : {20.0f, -20.0f, 45.0f}) {
        BareBunny bare;
        bare.b.field[kBodyAngleZ] = bz;
        float left[3], right[3];
        bare.Feet(left, right);
        double c = std::cos(bz * kDeg), s = std::sin(bz * kDeg);
        double swing = -(0.089775 + 0.07182) * s;
        EXPECT_NEAR(left[0], -0.0595 * c + swing, 1e-6) << bz;
        EXPECT_NEAR(right[0], 0.0595 * c + swing, 1e-6) << bz;
        double height = -0.22 - 0.08625 * c + (bz > 0 ? 0.02 : 0) - (0.089775 + 0.07182) * (1 + c) / 2;
        EXPECT_NEAR(left[2], height, 1e-6) << bz;
        EXPECT_NEAR(right[2], height, 1e-6) << bz;
        EXPECT_NEAR(left[1], 0.075 - 0.1, 1e-6) << bz;
    }
}

// The same bent knee and turned foot on both legs: the feet come as far
// forward and up, and the turn moves both the same way sideways.
TEST(BunnyFeet, BentLegsMoveBothFeetAlike) {
    BareBunny bare;
    for (int side = 0; side < 2; ++side) {
        BunnySideValue(&bare.b, side, kUpperlegX) = -30;
        BunnySideValue(&bare.b, side, kLowerlegX) = 50;
        BunnySideValue(&bare.b, side, kFootY) = 15;
    }
    float left[3], right[3];
    bare.Feet(left, right);
    double turn = 0.09625 * std::sin(15 * kDeg);
    EXPECT_NEAR(left[0], -0.0595 + turn, 1e-6);
    EXPECT_NEAR(right[0], 0.0595 + turn, 1e-6);
    EXPECT_NEAR(right[1], left[1], 1e-6);
    EXPECT_NEAR(right[2], left[2], 1e-6);
    double forward = 0.075 - 0.089775 * std::sin(-30 * kDeg) - 0.07182 * std::sin(20 * kDeg) +
                     (0.09625 * std::cos(20 * kDeg) - 0.09625 * std::cos(15 * kDeg) - 0.2) / 2;
    EXPECT_NEAR(left[1], forward, 1e-6);
}

// The duck leans' stance moves only the right foot: out and up while the body
// leans right (bz below 0), else further in.
TEST(BunnyFeet, StanceMovesOnlyTheRightFoot) {
    struct Case {
        float bz;
        float dx, dz;
    };
    for (const Case& c : {Case{-15, 0.1f, 0.1f}, Case{15, -0.1f, 0}, Case{0, -0.1f, 0}}) {
        BareBunny plain, wide;
        plain.b.field[kBodyAngleZ] = wide.b.field[kBodyAngleZ] = c.bz;
        wide.b.stance = 1;
        float l0[3], r0[3], l1[3], r1[3];
        plain.Feet(l0, r0);
        wide.Feet(l1, r1);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(l1[k], l0[k]) << c.bz;
        EXPECT_NEAR(r1[0] - r0[0], c.dx, 1e-6) << c.bz;
        EXPECT_EQ(r1[1], r0[1]) << c.bz;
        EXPECT_NEAR(r1[2] - r0[2], c.dz, 1e-6) << c.bz;
    }
}

// Bursts on real emitters, 1 ms of the driven clock per update: fire makes a
// particle or two every millisecond and none dies younger than 30 ms, so the
// count grows exactly while the emitter is on.
class BunnyBursts : public ::testing::Test {
protected:
    void SetUp() override {
        UseFakeClock(50000);
        for (BunnyEmitterSlot& s : bare.b.emitters) s = {CreateEmitter(0, 0, 0, 0.1f), 1, 0};
    }
    void TearDown() override {
        for (BunnyEmitterSlot& s : bare.b.emitters) DeleteEmitter(s.emitter);
        UseRealClock();
    }
    // Runs updates; returns how many of them made particles in emitter slot.
    int UpdatesEmitting(int slot, int updates) {
        int emitting = 0;
        for (int k = 0; k < updates; ++k) {
            int before = EmitterCount(bare.b.emitters[slot].emitter);
            ++fakeNow;
            UpdateBunnyEmitters(&bare.b);
            if (EmitterCount(bare.b.emitters[slot].emitter) > before) ++emitting;
        }
        return emitting;
    }
    BareBunny bare;
};

TEST_F(BunnyBursts, OnForExactlyTheBurstsUpdates) {
    void (*const starts[3])(Bunny*, int) = {StartBunnyEmitter0, StartBunnyEmitter1, StartBunnyEmitter2};
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(UpdatesEmitting(slot, 3), 0) << "a new figure's emitters are off";
        starts[slot](&bare.b, 25);
        EXPECT_EQ(UpdatesEmitting(slot, 25), 25) << slot;
        EXPECT_EQ(UpdatesEmitting(slot, 5), 0) << slot;
    }
}

TEST_F(BunnyBursts, LengthZeroNeverEndsByCounting) {
    StartBunnyEmitter1(&bare.b, 0);
    EXPECT_EQ(UpdatesEmitting(1, 25), 25);
    // Near the top of the count it holds there instead of wrapping round.
    bare.b.emitters[1].stepCount = INT_MAX - 1;
    EXPECT_EQ(UpdatesEmitting(1, 3), 3);
    EXPECT_EQ(bare.b.emitters[1].stepCount, INT_MAX);
}

// A burst started again restarts its count.
TEST_F(BunnyBursts, RestartedBurstCountsAfresh) {
    StartBunnyEmitter2(&bare.b, 10);
    EXPECT_EQ(UpdatesEmitting(2, 6), 6);
    StartBunnyEmitter2(&bare.b, 10);
    EXPECT_EQ(UpdatesEmitting(2, 12), 10);
}
}  // namespace
