// The burning death script: its timing at several speeds, the fire climbing
// the figure, the smoke, and the ash-grey figure it leaves.
#include <array>
#include <cmath>
#include <set>

#include "bunny_scene_test_support.h"
#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "game_test_support.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

class BunnyDeathTest : public ::testing::Test {
protected:
    // The particles' places and sizes come from the seeded random numbers.
    void SetUp() override { UseFakeClock(100000), SeedRandomWith(9), b = RestingBunny(); }
    void TearDown() override { DeleteBunny(b), UseRealClock(); }
    Bunny* b = nullptr;
};

// Frames and delay of a few cues (numbered from 1) at the game's speed and at
// speed 1, and the whole script's length.
TEST_F(BunnyDeathTest, ScriptTimesScaleWithSpeed) {
    ASSERT_EQ(kDeathScriptLength, 45);
    const int cases[][5] = {
        {2, 1610, 100, 322, 20}, {7, 925, 835, 185, 167}, {45, 25, 3805, 5, 761}};
    for (const auto& c : cases) {
        const DeathCue& cue = kDeathScript[c[0] - 1];
        EXPECT_EQ((std::array<int, 4>{DeathCueFrames(cue, 5.0f), DeathCueDelay(cue, 5.0f),
                                      DeathCueFrames(cue, 1.0f), DeathCueDelay(cue, 1.0f)}),
                  (std::array<int, 4>{c[1], c[2], c[3], c[4]}))
            << "cue " << c[0];
    }
    EXPECT_EQ(PlayBunnyDeathSequence(b, 5.0f), 3830);
    EXPECT_EQ(CountAnimActions(b->anim), 44);  // the first runs during the call
    ClearBunnyAnimation(b);
    EXPECT_EQ(PlayBunnyDeathSequence(b, 1.0f), 766);
}

// The spin and sway alternate back to back until the last sway, rocking the
// figure without turning it further.
TEST_F(BunnyDeathTest, SwaysFollowSpinsBackToBack) {
    for (float speed : {1.0f, 5.0f, 0.37f})
        for (int i = 36; i < 40; ++i) {  // cues 37 to 40
            const DeathCue& prev = kDeathScript[i - 1];
            EXPECT_NE(kDeathScript[i].action, prev.action);
            EXPECT_EQ(DeathCueDelay(kDeathScript[i], speed),
                      DeathCueDelay(prev, speed) + DeathCueFrames(prev, speed))
                << "cue " << i + 1 << " at speed " << speed;
        }
    EXPECT_NEAR(ResolvePose(BunnyLayout(), kRowBurnSway).target[kBodyAngleY],
                ResolvePose(BunnyLayout(), kRowBurnSpin4).target[kBodyAngleY], 4.01);
}

// Stepping the whole script, no field ever has two running tweens.
TEST_F(BunnyDeathTest, NoTwoPosesMoveOneFieldAtOnce) {
    for (float speed : {0.2f, 1.0f, 5.0f, 2.7f}) {
        Bunny* f = RestingBunny();
        int length = PlayBunnyDeathSequence(f, speed), clashes = 0;
        for (int step = 1; step <= length + 1 && clashes < 3; ++step) {
            TickBunnyAnimation(f);
            std::set<float*> moving;
            for (AnimTween* t = f->anim.tweens.next; t; t = t->next)
                if (!moving.insert(t->field).second && ++clashes)
                    ADD_FAILURE() << "field " << (t->field - f->field) << " twice at step " << step
                                  << ", speed " << speed;
        }
        DeleteBunny(f);
    }
}

// The fire climbs from the feet at the steps of the script; smoke rises at
// 1810 and is cut short by its restart at 1860.
TEST_F(BunnyDeathTest, EmittersStartAtTheScriptsSteps) {
    using Burst = std::array<int, 4>;  // step, slot, burst length, step count
    const std::vector<Burst> expected = {{100, 2, 1610, 0}, {835, 1, 925, 0}, {1235, 0, 575, 0},
                                         {1810, 1, 500, 1}, {1860, 1, 50, 1}};
    int length = PlayBunnyDeathSequence(b, 5.0f);
    std::vector<Burst> seen;
    for (int step = 1; step <= length; ++step) {
        BunnyEmitterSlot before[3] = {b->emitters[0], b->emitters[1], b->emitters[2]};
        TickBunnyAnimation(b);
        for (int s = 0; s < 3; ++s) {
            const BunnyEmitterSlot& e = b->emitters[s];
            if (e.burstLength != before[s].burstLength || e.stepCount != before[s].stepCount)
                seen.push_back({step, s, e.burstLength, e.stepCount});
        }
    }
    EXPECT_EQ(seen, expected);
}

// After the script the figure is ash grey in outfit 4, still, turned twice
// about itself, and its middle emitter is back to fire at the chest.
TEST_F(BunnyDeathTest, LeavesAnAshGreyFigureInOutfit4) {
    int length = PlayBunnyDeathSequence(b, 1.0f);
    for (int step = 0; step < length; ++step) TickBunnyAnimation(b);
    EXPECT_EQ(b->outfit, 4);
    EXPECT_NEAR(b->field[kClothingR], 0.2f, 1e-4);  // the fade itself is held in its own test
    EXPECT_EQ(b->trembling, 0);
    EXPECT_NEAR(b->field[kBodyAngleY], -720, 0.05);
    EXPECT_EQ(CountAnimTweens(b->anim) + CountAnimActions(b->anim), 0);
    EmitterBirth middle = NewestBirth(b->emitters[1].emitter);
    EXPECT_FLOAT_EQ(middle.y, -0.4f);
    EXPECT_FALSE(middle.smoke);
}

// Too slow a speed would give poses of no steps and bursts that never end;
// it plays at the slowest sound speed, and says so.
TEST_F(BunnyDeathTest, SpeedBelowTheSlowestPlaysAtIt) {
    int slowest = PlayBunnyDeathSequence(b, 0.2f);
    for (const DeathCue& cue : kDeathScript) EXPECT_GE(DeathCueFrames(cue, 0.2f), 1);
    for (float speed : {0.1f, 0.0f, -3.0f, NAN}) {
        ClearBunnyAnimation(b);
        testing::internal::CaptureStderr();
        EXPECT_EQ(PlayBunnyDeathSequence(b, speed), slowest) << speed;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("out of range"), std::string::npos);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(DeathScriptSpeed(1e30f), 10000.0f);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("1e+30"), std::string::npos);
}

// The middle emitter's smoke and fire places, and the scenes' shifts, which
// add up.
TEST_F(BunnyDeathTest, EmitterActionsPlaceTheMiddleEmitter) {
    StartBunnyEmitter1Smoke(b, 100);
    EmitterBirth smoke = NewestBirth(b->emitters[1].emitter);
    EXPECT_TRUE(smoke.smoke);
    EXPECT_FLOAT_EQ(smoke.y, 0.4f);
    StartBunnyEmitter1SmokeOpening(b, 1);  // a burst counted from 1 must still end
    EXPECT_EQ(b->emitters[1].burstLength, 2);
    EmitterBirth opening = NewestBirth(b->emitters[1].emitter);
    EXPECT_FLOAT_EQ(opening.y, -0.17f);
    EXPECT_NEAR(opening.z, -3.96f, 0.2f);
    RestoreBunnyEmitter1FireB(b, 7);
    EXPECT_EQ(b->emitters[1].burstLength, 2);  // untouched
    EXPECT_FALSE(NewestBirth(b->emitters[1].emitter).smoke);
    float before = NewestBirth(b->emitters[2].emitter).y;
    PosePalaceLoungeStand(b, 10);
    PosePalaceLoungeStand(b, 10);
    ShiftBunnyEmittersOpening(b);
    EXPECT_NEAR(NewestBirth(b->emitters[2].emitter).y, before - 0.2f - 0.57f, 1e-5);
}

}  // namespace
