// The Bunny's in-game poses and the opening variants: which fields each
// moves, where they go, what it sets at once, its kind; and the relations
// between twins and variants.
#include <cmath>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "test_support.h"

namespace {

constexpr unsigned kEars = kGroupEars, kEyes = kGroupEyeballs, kEyePos = kGroupEyePositions,
                   kBrows = kGroupEyebrows, kBody = kGroupBody, kHead = kGroupHead,
                   kLegs = kGroupLegs, kArmsAngles = kGroupBothArmAngles;
constexpr unsigned kFaceTrunk = kEars | kEyes | kBrows | kBody | kHead | kLegs;
constexpr unsigned kLean = kEars | kEyePos | kBody | kHead | kLegs;
constexpr unsigned kRamp = kEyes | kBody | kHead | kLegs;

// No rest value or target lies within 0.01 of it, so every field of a pose's
// groups moves off it.
constexpr float kSentinel = 5.5f;
constexpr int kUnset = 7;  // stance and trembling before the pose

struct PoseCase {
    const char* name;
    BunnyPose pose;
    int kind;          // of its tweens
    bool inKindTable;  // a queued one can be cancelled by kind
    unsigned groups;   // the fields it moves
    int offRest;       // how many of them end off their rest value
    float offRestSum;  // and their sum: a check on the targets
    int stance, trembling;
};

const PoseCase kCases[] = {
    {"Rest", PoseRest, 0, true, kGroupAll, 0, 0, 0, 0},
    {"Tremble", PoseTremble, 1, true, kFaceTrunk | kArmsAngles, 36, -50.1258f, kUnset, 1},
    {"RightArmOut", PoseRightArmOut, 2, true, kGroupRightWholeArm, 9, 0.3096f, kUnset, kUnset},
    {"RightArmBack", PoseRightArmBack, 3, true, kGroupRightWholeArm, 0, 0, kUnset, kUnset},
    {"LeftArmOut", PoseLeftArmOut, 4, true, kGroupLeftWholeArm, 9, 0.3096f, kUnset, kUnset},
    {"LeftArmBack", PoseLeftArmBack, 5, true, kGroupLeftWholeArm, 0, 0, kUnset, kUnset},
    {"LeanLeft", PoseLeanLeft, 6, true, kLean, 20, 362.94f, kUnset, kUnset},
    {"LeanRight", PoseLeanRight, 7, true, kLean, 20, 376.78f, kUnset, kUnset},
    {"Walk", PoseWalk, 8, true, kLean, 0, 0, 0, kUnset},
    {"Duck", PoseDuck, 9, true, kFaceTrunk, 15, -347.3075f, kUnset, kUnset},
    {"Recoil", PoseRecoil, 10, true, kEars | kEyes | kBody | kHead | kLegs, 21, 178.86f, kUnset,
     kUnset},
    {"RecoilBack", PoseRecoilBack, 11, true, kEars | kEyes | kBody | kHead | kLegs, 0, 0, kUnset,
     kUnset},
    {"RightArmRest", PoseRightArmRest, 12, true, kGroupRightWholeArm, 0, 0, kUnset, kUnset},
    {"LeftArmRest", PoseLeftArmRest, 13, true, kGroupLeftWholeArm, 0, 0, kUnset, kUnset},
    {"StandUp", PoseStandUp, 14, true, kFaceTrunk, 0, 0, kUnset, kUnset},
    {"Crouch", PoseCrouch, 15, true, kFaceTrunk | kArmsAngles, 27, -130.4925f, kUnset, 0},
    {"Jump", PoseJump, 16, true, kFaceTrunk | kArmsAngles, 38, 245.1475f, kUnset, 0},
    {"HalfFlip", PoseHalfFlip, 17, true, kFaceTrunk | kArmsAngles, 33, -369.89f, kUnset, 0},
    // Body X -361 folds to 1 in the same step.
    {"FullFlip", PoseFullFlip, 18, true, kFaceTrunk | kArmsAngles, 37, 149.1f, kUnset, 0},
    {"RightArmRaise", PoseRightArmRaise, 19, true, kGroupRightArmAngles | kGroupRightGun, 6, -256,
     kUnset, kUnset},
    {"RightArmFire", PoseRightArmFire, 20, true, kGroupRightArmAngles | kGroupRightGun, 7, -76,
     kUnset, kUnset},
    {"LeftArmRaise", PoseLeftArmRaise, 21, true, kGroupLeftArmAngles | kGroupLeftGun, 6, -256,
     kUnset, kUnset},
    {"LeftArmFire", PoseLeftArmFire, 22, true, kGroupLeftArmAngles | kGroupLeftGun, 7, -76, kUnset,
     kUnset},
    {"ClimbLean", PoseClimbLean, 23, true, kRamp, 15, -47.2075f, kUnset, 0},
    {"DescendLean", PoseDescendLean, 24, true, kRamp, 15, 70.6025f, kUnset, 0},
    {"DuckLeanLeft", PoseDuckLeanLeft, 25, true, kLean, 25, 415.1375f, 1, kUnset},
    {"DuckLeanRight", PoseDuckLeanRight, 26, true, kLean, 25, 413.2975f, 1, kUnset},
    {"OpeningCrouch", PoseOpeningCrouch, 15, false, kFaceTrunk | kArmsAngles, 27, -135.0225f,
     kUnset, 0},
    {"OpeningJump", PoseOpeningJump, 16, false, kFaceTrunk | kArmsAngles, 39, 263.1175f, kUnset,
     0},
    {"OpeningHalfFlip", PoseOpeningHalfFlip, 17, false, kFaceTrunk | kArmsAngles, 34, -329.42f,
     kUnset, 0},
    {"OpeningFullFlip", PoseOpeningFullFlip, 18, false, kFaceTrunk | kArmsAngles, 38, 212.07f,
     kUnset, 0},
    {"OpeningLand", PoseOpeningLand, 0, false, kGroupAll, 3, 85.25f, kUnset, 0},
};

class BunnyPoses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EnsureGlContext()); }
    void TearDown() override {
        for (Bunny* b : made) DeleteBunny(b);
    }
    std::vector<Bunny*> made;
    Bunny* Fresh() {
        made.push_back(NewBunny(0, 1));
        return made.back();
    }
    // A fresh figure after the pose has run its course.
    Bunny* Posed(BunnyPose pose, int frames = 10) {
        Bunny* b = Fresh();
        pose(b, frames);
        for (int i = 0; i < frames; ++i) TickBunnyAnimation(b);
        return b;
    }
};

TEST_F(BunnyPoses, EachPoseMovesExactlyItsGroupsToItsTargetsWithItsKindAndFlags) {
    const FigureLayout& layout = BunnyLayout();
    ASSERT_EQ(int(sizeof kCases / sizeof kCases[0]), kBunnyInGamePoseCount + kBunnyOpeningVariantCount);
    for (const PoseCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Bunny* b = Fresh();
        for (float& f : b->field) f = kSentinel;
        b->stance = b->trembling = kUnset;
        c.pose(b, 1);
        for (AnimTween* t = b->anim.tweens.next; t; t = t->next) ASSERT_EQ(t->kind, c.kind);
        TickBunnyAnimation(b);
        EXPECT_EQ(CountAnimTweens(b->anim), 0) << "one step ends every tween";
        int offRest = 0;
        float sum = 0;
        for (int f = 0; f < kBunnyFieldCount; ++f) {
            bool inGroups = (layout.groupsOf[f] & c.groups) != 0;
            ASSERT_EQ(b->field[f] != kSentinel, inGroups) << "field " << f;
            if (inGroups && std::fabs(b->field[f] - layout.rest[f]) > 1e-3f) {
                ++offRest;
                sum += b->field[f];
            }
        }
        EXPECT_EQ(offRest, c.offRest);
        EXPECT_NEAR(sum, c.offRestSum, 1e-3);
        EXPECT_EQ(b->stance, c.stance);
        EXPECT_EQ(b->trembling, c.trembling);
        // Queued, it carries its kind when it is in the kind table, else none.
        ScheduleBunnyAction(c.pose, b, 1, 5);
        CancelBunnyKind(b, c.kind);
        EXPECT_EQ(CountAnimActions(b->anim), c.inKindTable ? 0 : 1);
    }
}

TEST_F(BunnyPoses, TheRowsOfTheKindTableCarryTheirOwnKind) {
    for (int k = 0; k < kBunnyInGamePoseCount; ++k) EXPECT_EQ(BunnyInGamePoseRow(k).kind, k);
    testing::internal::CaptureStdout();
    EXPECT_EQ(BunnyInGamePoseRow(27).kind, 0);
    EXPECT_EQ(BunnyOpeningVariantRow(-1).kind, 15);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("There is no pose of kind 27"),
              std::string::npos);
}

TEST_F(BunnyPoses, LeftAndRightArmPosesAreTwins) {
    const BunnyPose twins[][2] = {{PoseLeftArmOut, PoseRightArmOut},
                                  {PoseLeftArmRaise, PoseRightArmRaise},
                                  {PoseLeftArmFire, PoseRightArmFire}};
    for (const auto& pair : twins) {
        Bunny* left = Posed(pair[0]);
        Bunny* right = Posed(pair[1]);
        Bunny* rest = Fresh();
        for (int f = 0; f < kBunnySideFieldCount; ++f) {
            EXPECT_FLOAT_EQ(BunnySideValue(left, 0, f), BunnySideValue(right, 1, f)) << f;
            EXPECT_EQ(BunnySideValue(left, 1, f), BunnySideValue(rest, 1, f)) << f;
            EXPECT_EQ(BunnySideValue(right, 0, f), BunnySideValue(rest, 0, f)) << f;
        }
        EXPECT_FLOAT_EQ(left->field[kGunScale], right->field[kGunScale + 1]);
    }
    // Arm out stretches each segment to 1.21 times its rest, but the hand's
    // growth (0.0081) is under the engine's 0.01 skip, so the hand keeps its
    // size.
    const float* rest = BunnyLayout().rest;
    for (int side = 0; side < 2; ++side) {
        ResolvedPose row = ResolvePose(BunnyLayout(), BunnyInGamePoseRow(side ? 2 : 4));
        Bunny* out = Posed(side ? PoseRightArmOut : PoseLeftArmOut);
        for (int dim : {kBackarmDim, kForearmDim, kHandDim}) {
            int f = dim + side * kBunnySideFieldCount;
            EXPECT_NEAR(row.target[f], 1.21f * rest[dim], 1e-6);
            EXPECT_NEAR(out->field[f], dim == kHandDim ? rest[dim] : row.target[f], 1e-6);
        }
    }
}

TEST_F(BunnyPoses, OpeningVariantsAreTheirBaseExceptTheBody) {
    const BunnyPose pairs[][2] = {{PoseOpeningCrouch, PoseCrouch},
                                  {PoseOpeningJump, PoseJump},
                                  {PoseOpeningHalfFlip, PoseHalfFlip},
                                  {PoseOpeningFullFlip, PoseFullFlip},
                                  {PoseOpeningLand, PoseRest}};
    for (const auto& pair : pairs) {
        Bunny* variant = Fresh();
        Bunny* base = Fresh();
        for (Bunny* b : {variant, base}) {
            PoseTremble(b, 1);  // off rest everywhere, so the landing has work to do
            TickBunnyAnimation(b);
            b->stance = 1;
        }
        pair[0](variant, 10);
        pair[1](base, 10);
        for (int i = 0; i < 10; ++i) {
            TickBunnyAnimation(variant);
            TickBunnyAnimation(base);
        }
        for (int f = 0; f < kBodyAngleX; ++f) EXPECT_FLOAT_EQ(variant->field[f], base->field[f]);
        EXPECT_EQ(variant->trembling, 0);
        EXPECT_EQ(variant->stance, 1) << "the variants leave the stance alone";
    }
}

// The whole somersault is followed on a pib (PibFigure tests); here the
// jump's lift and a rest pose with nothing to do.
TEST_F(BunnyPoses, JumpLiftsTheBodyAndRestAtRestOnlyClearsTheFlags) {
    Bunny* b = Fresh();
    PoseJump(b, 50);
    for (int i = 0; i < 25; ++i) TickBunnyAnimation(b);
    EXPECT_NEAR(b->field[kBodyPosY], (-0.22f + 0.67f) / 2, 1e-5);
    Bunny* still = Fresh();
    still->stance = still->trembling = 1;
    PoseRest(still, 10);
    EXPECT_EQ(CountAnimTweens(still->anim), 0);
    EXPECT_EQ(still->stance + still->trembling, 0);
}

}  // namespace
