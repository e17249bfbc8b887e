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

constexpr unsigned kFace = kGroupEars | kGroupEyeballs | kGroupEyebrows | kGroupBody | kGroupHead |
                          kGroupLegs;
constexpr unsigned kFaceArms = kFace | kGroupBothArmAngles;
constexpr unsigned kLean = kGroupEars | kGroupEyePositions | kGroupBody | kGroupHead | kGroupLegs;
constexpr unsigned kRecoil = kFace & ~kGroupEyebrows;
constexpr unsigned kRamp = kGroupEyeballs | kGroupBody | kGroupHead | kGroupLegs;
constexpr unsigned kRArm = kGroupRightWholeArm, kLArm = kGroupLeftWholeArm;
constexpr unsigned kRGun = kGroupRightArmAngles | kGroupRightGun;
constexpr unsigned kLGun = kGroupLeftArmAngles | kGroupLeftGun;

// No rest value or target lies within 0.01 of it, so every field of a pose's
// groups moves off it.
constexpr float kSentinel = 5.5f;
constexpr int U = 7;  // stance and trembling before the pose

// The kind of its tweens, whether a queued one can be cancelled by kind, the
// fields it moves, how many end off rest and their sum (a check on the
// targets), and the stance and trembling it leaves.
struct PoseCase {
    const char* name;
    BunnyPose pose;
    int kind;
    bool inKindTable;
    unsigned groups;
    int offRest;
    float offRestSum;
    int stance, trembling;
};

const PoseCase kCases[] = {
    {"Rest", PoseRest, 0, true, kGroupAll, 0, 0, 0, 0},
    {"Tremble", PoseTremble, 1, true, kFaceArms, 36, -50.1258f, U, 1},
    {"RightArmOut", PoseRightArmOut, 2, true, kRArm, 9, 0.3096f, U, U},
    {"RightArmBack", PoseRightArmBack, 3, true, kRArm, 0, 0, U, U},
    {"LeftArmOut", PoseLeftArmOut, 4, true, kLArm, 9, 0.3096f, U, U},
    {"LeftArmBack", PoseLeftArmBack, 5, true, kLArm, 0, 0, U, U},
    {"LeanLeft", PoseLeanLeft, 6, true, kLean, 20, 362.94f, U, U},
    {"LeanRight", PoseLeanRight, 7, true, kLean, 20, 376.78f, U, U},
    {"Walk", PoseWalk, 8, true, kLean, 0, 0, 0, U},
    {"Duck", PoseDuck, 9, true, kFace, 15, -347.3075f, U, U},
    {"Recoil", PoseRecoil, 10, true, kRecoil, 21, 178.86f, U, U},
    {"RecoilBack", PoseRecoilBack, 11, true, kRecoil, 0, 0, U, U},
    {"RightArmRest", PoseRightArmRest, 12, true, kRArm, 0, 0, U, U},
    {"LeftArmRest", PoseLeftArmRest, 13, true, kLArm, 0, 0, U, U},
    {"StandUp", PoseStandUp, 14, true, kFace, 0, 0, U, U},
    {"Crouch", PoseCrouch, 15, true, kFaceArms, 27, -130.4925f, U, 0},
    {"Jump", PoseJump, 16, true, kFaceArms, 38, 245.1475f, U, 0},
    {"HalfFlip", PoseHalfFlip, 17, true, kFaceArms, 33, -369.89f, U, 0},
    {"FullFlip", PoseFullFlip, 18, true, kFaceArms, 37, 149.1f, U, 0},  // body X -361 folds to 1
    {"RightArmRaise", PoseRightArmRaise, 19, true, kRGun, 6, -256, U, U},
    {"RightArmFire", PoseRightArmFire, 20, true, kRGun, 7, -76, U, U},
    {"LeftArmRaise", PoseLeftArmRaise, 21, true, kLGun, 6, -256, U, U},
    {"LeftArmFire", PoseLeftArmFire, 22, true, kLGun, 7, -76, U, U},
    {"ClimbLean", PoseClimbLean, 23, true, kRamp, 15, -47.2075f, U, 0},
    {"DescendLean", PoseDescendLean, 24, true, kRamp, 15, 70.6025f, U, 0},
    {"DuckLeanLeft", PoseDuckLeanLeft, 25, true, kLean, 25, 415.1375f, 1, U},
    {"DuckLeanRight", PoseDuckLeanRight, 26, true, kLean, 25, 413.2975f, 1, U},
    {"OpeningCrouch", PoseOpeningCrouch, 15, false, kFaceArms, 27, -135.0225f, U, 0},
    {"OpeningJump", PoseOpeningJump, 16, false, kFaceArms, 39, 263.1175f, U, 0},
    {"OpeningHalfFlip", PoseOpeningHalfFlip, 17, false, kFaceArms, 34, -329.42f, U, 0},
    {"OpeningFullFlip", PoseOpeningFullFlip, 18, false, kFaceArms, 38, 212.07f, U, 0},
    {"OpeningLand", PoseOpeningLand, 0, false, kGroupAll, 3, 85.25f, U, 0},
};

class BunnyPoses : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EnsureGlContext()); }
    void TearDown() override {
        for (Bunny* b : made) DeleteBunny(b);
    }
    std::vector<Bunny*> made;
    // A fresh figure after the pose, if any, has run its course.
    Bunny* Posed(BunnyPose pose = nullptr, int frames = 10) {
        Bunny* b = made.emplace_back(NewBunny(0, 1));
        if (pose) pose(b, frames);
        for (int i = 0; pose && i < frames; ++i) TickBunnyAnimation(b);
        return b;
    }
};

TEST_F(BunnyPoses, EachPoseMovesExactlyItsGroupsToItsTargetsWithItsKindAndFlags) {
    const FigureLayout& layout = BunnyLayout();
    ASSERT_EQ(int(std::size(kCases)), kBunnyInGamePoseCount + kBunnyOpeningVariantCount);
    for (const PoseCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Bunny* b = Posed();
        for (float& f : b->field) f = kSentinel;
        b->stance = b->trembling = U;
        c.pose(b, 1);
        for (AnimTween* t = b->anim.tweens.next; t; t = t->next) ASSERT_EQ(t->kind, c.kind);
        TickBunnyAnimation(b);
        EXPECT_EQ(CountAnimTweens(b->anim), 0) << "one step ends every tween";
        int offRest = 0;
        float sum = 0;
        for (int f = 0; f < kBunnyFieldCount; ++f) {
            bool inGroups = (layout.groupsOf[f] & c.groups) != 0;
            ASSERT_EQ(b->field[f] != kSentinel, inGroups) << "field " << f;
            if (inGroups && std::fabs(b->field[f] - layout.rest[f]) > 1e-3f)
                ++offRest, sum += b->field[f];
        }
        EXPECT_EQ(offRest, c.offRest);
        EXPECT_NEAR(sum, c.offRestSum, 1e-3);
        EXPECT_EQ(b->stance, c.stance);
        EXPECT_EQ(b->trembling, c.trembling);
        ScheduleBunnyAction(c.pose, b, 1, 5);
        CancelBunnyKind(b, c.kind);
        EXPECT_EQ(CountAnimActions(b->anim), c.inKindTable ? 0 : 1) << "cancelled by kind";
    }
}

TEST_F(BunnyPoses, AKindWithNoRowSaysSo) {
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
    Bunny* rest = Posed();
    for (const auto& pair : twins) {
        Bunny *left = Posed(pair[0]), *right = Posed(pair[1]);
        for (int f = 0; f < kBunnySideFieldCount; ++f) {
            EXPECT_FLOAT_EQ(BunnySideValue(left, 0, f), BunnySideValue(right, 1, f)) << f;
            EXPECT_EQ(BunnySideValue(left, 1, f), BunnySideValue(rest, 1, f)) << f;
            EXPECT_EQ(BunnySideValue(right, 0, f), BunnySideValue(rest, 0, f)) << f;
        }
        EXPECT_FLOAT_EQ(left->field[kGunScale], right->field[kGunScale + 1]);
    }
    // Arm out stretches each segment to 1.21 times its rest, but the hand's
    // growth (0.0081) is under the engine's 0.01 skip, so the hand keeps its size.
    ResolvedPose row = ResolvePose(BunnyLayout(), BunnyInGamePoseRow(4));
    Bunny* out = Posed(PoseLeftArmOut);
    const float* restOf = BunnyLayout().rest;
    for (int f : {kBackarmDim, kForearmDim, kHandDim}) {
        EXPECT_NEAR(row.target[f], 1.21f * restOf[f], 1e-6);
        EXPECT_NEAR(out->field[f], f == kHandDim ? restOf[f] : row.target[f], 1e-6);
    }
}

TEST_F(BunnyPoses, OpeningVariantsAreTheirBaseExceptTheBody) {
    const BunnyPose pairs[][2] = {{PoseOpeningCrouch, PoseCrouch},
                                  {PoseOpeningJump, PoseJump},
                                  {PoseOpeningHalfFlip, PoseHalfFlip},
                                  {PoseOpeningFullFlip, PoseFullFlip},
                                  {PoseOpeningLand, PoseRest}};
    for (const auto& pair : pairs) {
        Bunny *variant = Posed(PoseTremble, 1), *base = Posed(PoseTremble, 1);  // off rest
        variant->stance = base->stance = 1;
        pair[0](variant, 10);
        pair[1](base, 10);
        for (int i = 0; i < 10; ++i) TickBunnyAnimation(variant), TickBunnyAnimation(base);
        for (int f = 0; f < kBodyAngleX; ++f) EXPECT_FLOAT_EQ(variant->field[f], base->field[f]);
        EXPECT_EQ(variant->trembling, 0);
        EXPECT_EQ(variant->stance, 1) << "the variants leave the stance alone";
    }
}

// The whole somersault is followed on a pib (PibFigure tests); here the
// jump's lift and a rest pose with nothing to do.
TEST_F(BunnyPoses, JumpLiftsTheBodyAndRestAtRestOnlyClearsTheFlags) {
    Bunny* b = Posed();
    PoseJump(b, 50);
    for (int i = 0; i < 25; ++i) TickBunnyAnimation(b);
    EXPECT_NEAR(b->field[kBodyPosY], (-0.22f + 0.67f) / 2, 1e-5);
    Bunny* still = Posed();
    still->stance = still->trembling = 1;
    PoseRest(still, 10);
    EXPECT_EQ(CountAnimTweens(still->anim) + still->stance + still->trembling, 0);
}

}  // namespace
