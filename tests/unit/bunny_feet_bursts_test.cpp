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
    void Feet(float* left, float* right) { GetBunnyLeftFootPos(&b, left), GetBunnyRightFootPos(&b, right); }
};

const double kDeg = 3.14 / 180;  // the figure's own degree, as its feet are worked out
const double kThigh = 0.08625, kShin = 0.089775 + 0.07182;

// Leaning by bz swings both legs the same way sideways; the hips' height
// follows the lean and a lean to the left lifts them by 0.02. At rest the feet
// stand below the hips, half a foot back.
TEST(BunnyFeet, LeaningBodySwingsBothFeetAlike) {
    for (float bz : {0.0f, 20.0f, -20.0f, 45.0f}) {
        BareBunny bare;
        bare.b.field[kBodyAngleZ] = bz;
        bare.b.field[kBodyPosZ] = 0.3f;
        float left[3], right[3];
        bare.Feet(left, right);
        double c = std::cos(bz * kDeg), s = std::sin(bz * kDeg);
        double height = -0.22 - kThigh * c + (bz > 0 ? 0.02 : 0) - kShin * (1 + c) / 2;
        const double want[2][3] = {{-0.0595 * c - kShin * s, 0.3 + 0.075 - 0.1, height},
                                   {0.0595 * c - kShin * s, 0.3 + 0.075 - 0.1, height}};
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(left[k], want[0][k], 1e-6) << bz << " axis " << k;
            EXPECT_NEAR(right[k], want[1][k], 1e-6) << bz << " axis " << k;
        }
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
    double forward = 0.075 - 0.089775 * std::sin(-30 * kDeg) - 0.07182 * std::sin(20 * kDeg) +
                     (0.09625 * std::cos(20 * kDeg) - 0.09625 * std::cos(15 * kDeg) - 0.2) / 2;
    EXPECT_NEAR(left[0], -0.0595 + turn, 1e-6);
    EXPECT_NEAR(right[0], 0.0595 + turn, 1e-6);
    EXPECT_NEAR(left[1], forward, 1e-6);
    EXPECT_NEAR(right[1], forward, 1e-6);
    EXPECT_NEAR(right[2], left[2], 1e-6);
}

// The duck leans' stance moves only the right foot: out and up while the body
// leans right (bz below 0), else further in.
TEST(BunnyFeet, StanceMovesOnlyTheRightFoot) {
    struct Case { float bz, dx, dz; };
    for (const Case& c : {Case{-15, 0.1f, 0.1f}, Case{15, -0.1f, 0}, Case{0, -0.1f, 0}}) {
        BareBunny plain, wide;
        plain.b.field[kBodyAngleZ] = wide.b.field[kBodyAngleZ] = c.bz;
        wide.b.stance = 1;
        float l0[3], r0[3], l1[3], r1[3];
        plain.Feet(l0, r0);
        wide.Feet(l1, r1);
        const float moved[3] = {c.dx, 0, c.dz};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(l1[k], l0[k]) << c.bz;
            EXPECT_NEAR(r1[k] - r0[k], moved[k], 1e-6) << c.bz << " axis " << k;
        }
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

// Length 0 never ends by counting: near the top the count holds instead of
// wrapping round. A burst started again restarts its count.
TEST_F(BunnyBursts, EndlessAndRestartedBursts) {
    StartBunnyEmitter1(&bare.b, 0);
    bare.b.emitters[1].stepCount = INT_MAX - 1;
    EXPECT_EQ(UpdatesEmitting(1, 3), 3);
    EXPECT_EQ(bare.b.emitters[1].stepCount, INT_MAX);
    StartBunnyEmitter2(&bare.b, 10);
    EXPECT_EQ(UpdatesEmitting(2, 6), 6);
    StartBunnyEmitter2(&bare.b, 10);
    EXPECT_EQ(UpdatesEmitting(2, 12), 10);
}
}  // namespace
