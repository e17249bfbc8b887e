// The Bunny's scene poses held to the relations between them (mirrors,
// copies at another place, a second hop nearer), the colour fades, and the
// opening story's moves as the scenes rely on them.
#include <algorithm>
#include <cmath>

#include "bunny_scene_test_support.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "game_test_support.h"
#include "test_support.h"

namespace {

const float kEps = 1e-5f;

ResolvedPose Resolve(const PoseRow& row) { return ResolvePose(BunnyLayout(), row); }

bool IsSided(int f) { return f < kHeadAngleX; }
int OtherSide(int f) {
    return f < kBunnySideFieldCount ? f + kBunnySideFieldCount : f - kBunnySideFieldCount;
}

// Every field of a copy moves and aims as its original does, except the
// fields the copy is allowed to change.
void ExpectSameExcept(const PoseRow& copy, const PoseRow& original, std::vector<int> allowed,
                      const char* name) {
    ResolvedPose c = Resolve(copy), o = Resolve(original);
    for (int f = 0; f < kBunnyFieldCount; ++f) {
        if (std::find(allowed.begin(), allowed.end(), f) != allowed.end()) continue;
        EXPECT_EQ(c.moves[f], o.moves[f]) << name << " field " << f;
        EXPECT_NEAR(c.target[f], o.target[f], kEps) << name << " field " << f;
    }
    EXPECT_EQ(copy.kind, original.kind) << name;
}

class BunnyScenePoseTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFakeClock(100000);
        b = RestingBunny();
    }
    void TearDown() override {
        DeleteBunny(b);
        UseRealClock();
    }
    void Step(int n) {
        for (int i = 0; i < n; ++i) TickBunnyAnimation(b);
    }
    Bunny* b = nullptr;
};

// The two shudders are mirror images: sides swapped, head angles negated.
TEST(BunnyScenePoses, ShuddersMirrorEachOther) {
    ResolvedPose a = Resolve(kRowShudderA), bb = Resolve(kRowShudderB);
    for (int f = 0; f < kBunnyPoseFieldCount; ++f) {
        int g = IsSided(f) ? OtherSide(f) : f;
        float sign = (f >= kHeadAngleX && f <= kHeadAngleZ) ? -1 : 1;
        EXPECT_EQ(bb.moves[f], a.moves[g]) << f;
        EXPECT_NEAR(bb.target[f], sign * a.target[g], kEps) << f;
    }
    EXPECT_EQ(kRowShudderA.flags, unsigned(kSetTrembling1));
    EXPECT_EQ(kRowShudderB.flags, 0u);  // B leaves the trembling as A set it
}

// The opening's burning copies stand 0.57 lower and 3.96 further back, and
// do at once what their originals do.
TEST(BunnyScenePoses, OpeningBurnCopiesStandAtTheOpeningPlace) {
    const struct {
        const PoseRow& copy;
        const PoseRow& original;
        const char* name;
    } pairs[] = {
        {kRowFlinchOpening, kRowFlinch, "flinch"},
        {kRowEyesWideOpening, kRowEyesWide, "eyes wide"},
        {kRowEarsForwardOpening, kRowEarsForward, "ears forward"},
        {kRowShudderOpeningA, kRowShudderA, "shudder A"},
        {kRowShudderOpeningB, kRowShudderB, "shudder B"},
        {kRowBurnTiltOpening, kRowBurnTilt, "tilt"},
        {kRowBurnSpin1Opening, kRowBurnSpin1, "spin 1"},
        {kRowBurnSpin2Opening, kRowBurnSpin2, "spin 2"},
        {kRowBurnSpin3Opening, kRowBurnSpin3, "spin 3"},
        {kRowBurnSpin4Opening, kRowBurnSpin4, "spin 4"},
        {kRowBurnStaggerOpening, kRowBurnStagger, "stagger"},
        {kRowBurnSwayOpening, kRowBurnSway, "sway"},
        {kRowBurnCollapseOpening, kRowBurnCollapse, "collapse"},
    };
    for (const auto& p : pairs) {
        ResolvedPose c = Resolve(p.copy), o = Resolve(p.original);
        bool movesBody = o.moves[kBodyPosY];
        std::vector<int> body;
        if (movesBody) body = {kBodyPosY, kBodyPosZ};
        ExpectSameExcept(p.copy, p.original, body, p.name);
        if (movesBody) {
            EXPECT_NEAR(c.target[kBodyPosY], o.target[kBodyPosY] - 0.57f, kEps) << p.name;
            EXPECT_NEAR(c.target[kBodyPosZ], o.target[kBodyPosZ] - 3.96f, kEps) << p.name;
        }
        EXPECT_EQ(p.copy.flags, p.original.flags) << p.name;
    }
}

// The palace copies change only the body's place and turn, and the few
// fields their rows name; the first spin also brings the ears to rest.
TEST(BunnyScenePoses, PalaceCopiesDifferOnlyWhereTheyStand) {
    const std::vector<int> body{kBodyAngleX, kBodyAngleY, kBodyAngleZ,
                                kBodyPosX,   kBodyPosY,   kBodyPosZ};
    auto plus = [&](std::vector<int> more) {
        more.insert(more.end(), body.begin(), body.end());
        return more;
    };
    const int rightEar = kEarBend + kBunnySideFieldCount;
    const std::vector<int> ears{kEarBend, kEarRotate, rightEar, rightEar + 1};
    ExpectSameExcept(kRowShudderPalaceA, kRowShudderA, body, "shudder A");
    ExpectSameExcept(kRowShudderPalaceB, kRowShudderB, body, "shudder B");
    ExpectSameExcept(kRowBurnTiltPalace, kRowBurnTilt, body, "tilt");
    ExpectSameExcept(kRowBurnSpin1Palace, kRowBurnSpin1, plus(ears), "spin 1");
    ExpectSameExcept(kRowBurnStaggerPalace, kRowBurnStagger,
                     plus({kEarRotate, rightEar, kBackarmZ + kBunnySideFieldCount}), "stagger");
    ExpectSameExcept(kRowBurnSwayPalace, kRowBurnSway, plus({kFootX}), "sway");
    ExpectSameExcept(kRowBurnCollapsePalace, kRowBurnCollapse, body, "collapse");
    ResolvedPose spin = Resolve(kRowBurnSpin1Palace);
    for (int f : ears) {
        EXPECT_TRUE(spin.moves[f]);
        EXPECT_EQ(spin.target[f], BunnyLayout().rest[f]);
    }
    // Every palace burning pose but the spin stands where the actor stood up.
    for (const PoseRow* row : {&kRowShudderPalaceA, &kRowShudderPalaceB, &kRowBurnCollapsePalace}) {
        ResolvedPose p = Resolve(*row);
        EXPECT_NEAR(p.target[kBodyPosX], 0.09f, kEps);
        EXPECT_NEAR(p.target[kBodyPosY], -0.1f, kEps);
        EXPECT_NEAR(p.target[kBodyPosZ], 0.1f, kEps);
    }
}

// The second hop repeats the first nearer the viewer; the landings leave the
// depth alone.
TEST(BunnyScenePoses, SecondHopRepeatsTheFirstNearer) {
    const struct {
        const PoseRow& second;
        const PoseRow& first;
        float z1, z2;
    } hops[] = {{kRowHopGather2, kRowHopGather, -2.31f, -1.155f},
                {kRowHopPush2, kRowHopPush, -1.74f, -0.585f},
                {kRowHopFly2, kRowHopFly, -1.42125f, -0.26625f},
                {kRowHopReach2, kRowHopReach, -1.2325f, 0}};
    for (const auto& h : hops) {
        ExpectSameExcept(h.second, h.first, {kBodyPosZ}, "hop");
        EXPECT_NEAR(Resolve(h.first).target[kBodyPosZ], h.z1, kEps);
        EXPECT_NEAR(Resolve(h.second).target[kBodyPosZ], h.z2, kEps);
    }
    ExpectSameExcept(kRowHopLand2, kRowHopLand, {}, "land");
    EXPECT_FALSE(Resolve(kRowHopLand).moves[kBodyPosZ]);
    ExpectSameExcept(kRowHopCrouchStart, kRowHopLand, {kBodyPosZ}, "crouch start");
    EXPECT_NEAR(Resolve(kRowHopCrouchStart).target[kBodyPosZ], -2.31f, kEps);
}

// Black over n steps, then ash grey over m: every channel ends at 0.2 and
// alpha is untouched; fewer than 1 step counts as 1.
TEST_F(BunnyScenePoseTest, FadesEndAtAshGreyInOutfit4) {
    const int cases[][2] = {{300, 200}, {60, 40}, {1, 1}, {0, 0}, {-5, 7}};
    for (const auto& c : cases) {
        Bunny* f = RestingBunny();
        PoseFadeBlack(f, c[0]);
        for (int i = 0; i < std::max(c[0], 1); ++i) TickBunnyAnimation(f);
        for (int first : {kFurR, kEarBackR, kClothingR})
            EXPECT_NEAR(f->field[first], 0.04f, 1e-4) << c[0];
        EXPECT_EQ(f->outfit, 0);
        PoseFadeGreyOutfit4(f, c[1]);
        EXPECT_EQ(f->outfit, 4);  // at once
        for (int i = 0; i < std::max(c[1], 1); ++i) TickBunnyAnimation(f);
        for (int first : {kFurR, kEarBackR, kClothingR}) {
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(f->field[first + k], 0.2f, 1e-4) << c[1];
            EXPECT_EQ(f->field[first + 3], 1.0f);
        }
        EXPECT_EQ(f->anim.tweens.next, nullptr) << c[0] << "/" << c[1];
        DeleteBunny(f);
    }
}

// Already grey: nothing is queued, yet the outfit changes; the fades carry
// kind 1, so cancelling kind 1 stops them where they are.
TEST_F(BunnyScenePoseTest, FadeGreyOutfit4ChangesTheOutfitEvenWithNothingToFade) {
    PoseFadeGrey(b, 5);
    Step(5);
    EXPECT_EQ(b->outfit, 0);
    PoseFadeGreyOutfit4(b, 5);
    EXPECT_EQ(b->anim.tweens.next, nullptr);
    EXPECT_EQ(b->outfit, 4);
    PoseFadeBlack(b, 10);
    Step(3);
    CancelBunnyKind(b, 1);
    Step(3);
    EXPECT_NEAR(b->field[kFurR], 0.2f - 3 * 0.016f, 1e-4);
}

// The opening story's moves as the scenes rely on them.
TEST_F(BunnyScenePoseTest, OpeningStoryMoves) {
    ScheduleBunnyAction(PosePeekHide, b, 1, 0);  // runs during the call
    Step(1);
    EXPECT_NEAR(b->field[kBodyPosY], -2.2f, kEps);
    EXPECT_NEAR(b->field[kBodyPosZ], 0.03f, kEps);

    for (BunnyPose p : {PoseHopGather2, PoseHopPush2, PoseHopFly2, PoseHopReach2, PoseHopLand2}) {
        p(b, 4);
        Step(4);
    }
    EXPECT_NEAR(b->field[kBodyPosZ], 0, kEps);
    EXPECT_NEAR(b->field[kBodyPosY], -0.86f, kEps);
    b->trembling = 1;
    PoseHopStandUp(b, 6);
    Step(6);
    EXPECT_EQ(b->trembling, 0);
    const float* rest = BunnyLayout().rest;
    const float standing[3] = {-3.96f, -0.79f, 0};
    for (int f = 0; f < kBunnyPoseFieldCount; ++f) {
        float want = f >= kBodyPosX ? standing[f - kBodyPosX] : rest[f];
        EXPECT_NEAR(b->field[f], want, 1e-4) << f;
    }

    b->field[kHeadAngleZ] = 10;
    b->field[kHeadAngleX] = 5;
    PoseHeadStraight(b, 2);
    Step(2);
    EXPECT_NEAR(b->field[kHeadAngleZ], 0, kEps);
    EXPECT_EQ(b->field[kHeadAngleX], 5);
}

}  // namespace
