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

void Step(Bunny* b, int n) {
    for (int i = 0; i < std::max(n, 1); ++i) TickBunnyAnimation(b);
}

// Every field of a copy moves and aims as its original does, except the
// fields the copy is allowed to change.
void ExpectSameExcept(const PoseRow& copy, const PoseRow& original, std::vector<int> allowed) {
    ResolvedPose c = Resolve(copy), o = Resolve(original);
    for (int f = 0; f < kBunnyFieldCount; ++f) {
        if (std::find(allowed.begin(), allowed.end(), f) != allowed.end()) continue;
        EXPECT_EQ(c.moves[f], o.moves[f]) << "field " << f;
        EXPECT_NEAR(c.target[f], o.target[f], kEps) << "field " << f;
    }
    EXPECT_EQ(copy.kind, original.kind);
    EXPECT_EQ(copy.flags, original.flags);
}

class BunnyScenePoseTest : public ::testing::Test {
protected:
    void SetUp() override { UseFakeClock(100000), b = RestingBunny(); }
    void TearDown() override { DeleteBunny(b), UseRealClock(); }
    Bunny* b = nullptr;
};

// The two shudders are mirror images: sides swapped, head angles negated.
TEST(BunnyScenePoses, ShuddersMirrorEachOther) {
    ResolvedPose a = Resolve(kRowShudderA), bb = Resolve(kRowShudderB);
    for (int f = 0; f < kBunnyPoseFieldCount; ++f) {
        int g = f >= kHeadAngleX ? f : (f + kBunnySideFieldCount) % (2 * kBunnySideFieldCount);
        float sign = (f >= kHeadAngleX && f <= kHeadAngleZ) ? -1 : 1;
        EXPECT_EQ(bb.moves[f], a.moves[g]) << f;
        EXPECT_NEAR(bb.target[f], sign * a.target[g], kEps) << f;
    }
    EXPECT_EQ(kRowShudderB.flags, 0u);  // B leaves the trembling as A set it
}

// The opening's burning copies do at once what their originals do, standing
// 0.57 lower and 3.96 further back; the palace copies change only the body's
// place and turn and the few fields their rows name.
TEST(BunnyScenePoses, CopiesDifferOnlyWhereTheyStand) {
    const std::pair<const PoseRow&, const PoseRow&> opening[] = {
        {kRowFlinchOpening, kRowFlinch},           {kRowEyesWideOpening, kRowEyesWide},
        {kRowEarsForwardOpening, kRowEarsForward}, {kRowShudderOpeningA, kRowShudderA},
        {kRowShudderOpeningB, kRowShudderB},       {kRowBurnTiltOpening, kRowBurnTilt},
        {kRowBurnSpin1Opening, kRowBurnSpin1},     {kRowBurnSpin2Opening, kRowBurnSpin2},
        {kRowBurnSpin3Opening, kRowBurnSpin3},     {kRowBurnSpin4Opening, kRowBurnSpin4},
        {kRowBurnStaggerOpening, kRowBurnStagger}, {kRowBurnSwayOpening, kRowBurnSway},
        {kRowBurnCollapseOpening, kRowBurnCollapse}};
    for (size_t i = 0; i < std::size(opening); ++i) {
        SCOPED_TRACE(i);
        ResolvedPose c = Resolve(opening[i].first), o = Resolve(opening[i].second);
        ExpectSameExcept(opening[i].first, opening[i].second, {kBodyPosY, kBodyPosZ});
        if (!o.moves[kBodyPosY]) continue;
        EXPECT_NEAR(c.target[kBodyPosY], o.target[kBodyPosY] - 0.57f, kEps);
        EXPECT_NEAR(c.target[kBodyPosZ], o.target[kBodyPosZ] - 3.96f, kEps);
    }
    const int right = kBunnySideFieldCount;
    const std::vector<int> ears{kEarBend, kEarRotate, kEarBend + right, kEarRotate + right};
    const struct {
        const PoseRow& copy;
        const PoseRow& original;
        std::vector<int> more;
    } palace[] = {{kRowShudderPalaceA, kRowShudderA, {}},
                  {kRowShudderPalaceB, kRowShudderB, {}},
                  {kRowBurnTiltPalace, kRowBurnTilt, {}},
                  {kRowBurnSpin1Palace, kRowBurnSpin1, ears},
                  {kRowBurnStaggerPalace, kRowBurnStagger,
                   {kEarRotate, kEarBend + right, kBackarmZ + right}},
                  {kRowBurnSwayPalace, kRowBurnSway, {kFootX}},
                  {kRowBurnCollapsePalace, kRowBurnCollapse, {}}};
    for (const auto& p : palace) {
        std::vector<int> allowed = p.more;
        for (int f = kBodyAngleX; f <= kBodyPosZ; ++f) allowed.push_back(f);
        ExpectSameExcept(p.copy, p.original, allowed);
    }
    ResolvedPose spin = Resolve(kRowBurnSpin1Palace);  // brings the ears to rest
    for (int f : ears) EXPECT_TRUE(spin.moves[f] && spin.target[f] == BunnyLayout().rest[f]);
}

// The second hop repeats the first nearer the viewer; the landings leave the
// depth alone.
TEST(BunnyScenePoses, SecondHopRepeatsTheFirstNearer) {
    const struct {
        const PoseRow& second;
        const PoseRow& first;
        float z;
    } hops[] = {{kRowHopGather2, kRowHopGather, -1.155f}, {kRowHopPush2, kRowHopPush, -0.585f},
                {kRowHopFly2, kRowHopFly, -0.26625f},     {kRowHopReach2, kRowHopReach, 0},
                {kRowHopLand2, kRowHopLand, NAN}};
    for (const auto& h : hops) {
        ExpectSameExcept(h.second, h.first, {kBodyPosZ});
        if (!std::isnan(h.z)) {
            EXPECT_NEAR(Resolve(h.second).target[kBodyPosZ], h.z, kEps);
        }
    }
    EXPECT_FALSE(Resolve(kRowHopLand).moves[kBodyPosZ] || Resolve(kRowHopLand2).moves[kBodyPosZ]);
    ExpectSameExcept(kRowHopCrouchStart, kRowHopLand, {kBodyPosZ});
}

// Black over n steps, then ash grey over m: every channel ends at 0.2 and
// alpha is untouched; fewer than 1 step counts as 1. Already grey, nothing is
// queued, yet the outfit changes. The fades carry kind 1, so cancelling kind 1
// stops them where they are.
TEST_F(BunnyScenePoseTest, FadesEndAtAshGreyInOutfit4) {
    const int cases[][2] = {{300, 200}, {1, 1}, {0, 0}, {-5, 7}};
    for (const auto& c : cases) {
        Bunny* f = RestingBunny();
        PoseFadeBlack(f, c[0]);
        Step(f, c[0]);
        EXPECT_NEAR(f->field[kEarBackR], 0.04f, 1e-4) << c[0];
        PoseFadeGreyOutfit4(f, c[1]);
        EXPECT_EQ(f->outfit, 4);  // at once
        Step(f, c[1]);
        for (int first : {kFurR, kEarBackR, kClothingR}) {
            for (int k = 0; k < 3; ++k) EXPECT_NEAR(f->field[first + k], 0.2f, 1e-4) << c[1];
            EXPECT_EQ(f->field[first + 3], 1.0f);
        }
        EXPECT_EQ(f->anim.tweens.next, nullptr) << c[0] << "/" << c[1];
        DeleteBunny(f);
    }
    PoseFadeGrey(b, 5);
    Step(b, 5);
    PoseFadeGreyOutfit4(b, 5);
    EXPECT_EQ(b->anim.tweens.next, nullptr);
    EXPECT_EQ(b->outfit, 4);
    PoseFadeBlack(b, 10);
    Step(b, 3);
    CancelBunnyKind(b, 1);
    Step(b, 3);
    EXPECT_NEAR(b->field[kFurR], 0.2f - 3 * 0.016f, 1e-4);
}

TEST_F(BunnyScenePoseTest, OpeningStoryMoves) {
    ScheduleBunnyAction(PosePeekHide, b, 1, 0);  // runs during the call
    Step(b, 1);
    EXPECT_NEAR(b->field[kBodyPosY], -2.2f, kEps);
    for (BunnyPose p : {PoseHopGather2, PoseHopPush2, PoseHopFly2, PoseHopReach2, PoseHopLand2})
        p(b, 4), Step(b, 4);
    EXPECT_NEAR(b->field[kBodyPosY], -0.86f, kEps);
    b->trembling = 1;
    PoseHopStandUp(b, 6);
    Step(b, 6);
    EXPECT_EQ(b->trembling, 0);
    const float standing[3] = {-3.96f, -0.79f, 0};
    for (int f = 0; f < kBunnyPoseFieldCount; ++f)
        EXPECT_NEAR(b->field[f], f >= kBodyPosX ? standing[f - kBodyPosX] : BunnyLayout().rest[f],
                    1e-4)
            << f;
    b->field[kHeadAngleZ] = 10;
    b->field[kHeadAngleX] = 5;
    PoseHeadStraight(b, 2);
    Step(b, 2);
    EXPECT_NEAR(b->field[kHeadAngleZ], 0, kEps);
    EXPECT_EQ(b->field[kHeadAngleX], 5);
}

}  // namespace
