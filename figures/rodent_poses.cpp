// The Rodent's poses as table rows: the rest pose, the twelve dance steps its
// riders and the army dance, and the army scene's own poses.
#include "figures/rodent.h"
#include "figures/rodent_record.h"

namespace {

// Short names for the target groups of the tables below.
std::vector<PoseTarget> BodyAngle(float x, float y, float z) { return Xyz(kRodentBodyAngleX, x, y, z); }
std::vector<PoseTarget> BodyPos(float x, float y, float z) { return Xyz(kRodentBodyPosX, x, y, z); }
std::vector<PoseTarget> HeadAngle(float x, float y, float z) { return Xyz(kRodentHeadAngleX, x, y, z); }
std::vector<PoseTarget> HeadPos(float x, float y, float z) { return Xyz(kRodentHeadPosX, x, y, z); }
std::vector<PoseTarget> LeftArm(float x, float y, float z) { return Xyz(kRodentArmX, x, y, z); }
std::vector<PoseTarget> RightArm(float x, float y, float z) { return Xyz(Right(kRodentArmX), x, y, z); }
std::vector<PoseTarget> BothArms(float x, float y, float z) { return Xyz(Both(kRodentArmX), x, y, z); }
std::vector<PoseTarget> LeftLeg(float x, float y, float z) { return Xyz(kRodentLegX, x, y, z); }
std::vector<PoseTarget> RightLeg(float x, float y, float z) { return Xyz(Right(kRodentLegX), x, y, z); }
std::vector<PoseTarget> BothLegs(float x, float y, float z) { return Xyz(Both(kRodentLegX), x, y, z); }

// Groups the dance steps move; their other targets are the rest values.
constexpr unsigned kSpin = kRodentGroupBody;
constexpr unsigned kWhole = kRodentGroupJoints;
constexpr unsigned kWholeButBodyPos = kRodentGroupJoints & ~kRodentGroupBodyPos;
constexpr unsigned kKickLimbs = kRodentGroupArms | kRodentGroupRightLeg;

std::vector<PoseTarget> KickLimbs() {
    return JoinTargets({LeftArm(0, -9, 9), RightArm(0, -13, 45), RightLeg(0, 0, 59)});
}

const PoseRow kRest{0, kRodentGroupAll, {}, nullptr, 0};

// The twelve dance steps, in dance order (their tween kinds; the kick-turn's
// body turns with kind 9 and its limbs kick with kind 1).
const PoseRow kDanceKick{1, kRodentGroupHead | kKickLimbs,
                         JoinTargets({HeadAngle(7, 67, -6), HeadPos(0.07f, 0.04875f, 0), KickLimbs()}),
                         nullptr, 0};
const PoseRow kDanceHalfSpin{2, kSpin, JoinTargets({BodyAngle(0, -169, 0), BodyPos(0.04f, 0.1f, 0)}),
                             nullptr, 0};
const PoseRow kDanceFullSpin{3, kSpin, JoinTargets({BodyAngle(8, -362, 0), BodyPos(0.08f, 0.06f, 0)}),
                             nullptr, 0};
const PoseRow kDanceArmsOut{4, kWholeButBodyPos, JoinTargets({BodyAngle(0, 90, 0), BothArms(0, 0, 47)}),
                            nullptr, 0};
const PoseRow kDanceTiltA{5, kWhole,
                          JoinTargets({BodyAngle(-90, 0, 59), BodyPos(0.07f, 0.13f, 0), BothArms(0, 100, 0),
                                       BothLegs(100, 0, 0)}),
                          nullptr, 0};
const PoseRow kDanceHandstand{6, kWhole,
                              JoinTargets({BodyAngle(-180, 0, 0), BodyPos(0, 0.1f, 0), BothArms(0, 0, 47)}),
                              nullptr, 0};
const PoseRow kDanceTiltB{7, kWhole,
                          JoinTargets({BodyAngle(-90, 0, -59), BodyPos(-0.07f, 0.13f, 0), BothArms(0, 100, 0),
                                       BothLegs(100, 0, 0)}),
                          nullptr, 0};
const PoseRow kDanceQuarterTurn{8, kWhole, JoinTargets({BodyAngle(0, -90, 0), BodyPos(-0.08f, 0.06f, 0)}),
                                nullptr, 0};
const PoseRow kDanceKickTurnBody{9, kRodentGroupBodyAngle, BodyAngle(0, -180, 0), nullptr, 0};
const PoseRow kDanceKickTurnLimbs{1, kKickLimbs, KickLimbs(), nullptr, 0};
const PoseRow kDanceThreeQuarter{2, kSpin, JoinTargets({BodyAngle(0, -270, 0), BodyPos(-0.04f, 0.1f, 0)}),
                                 nullptr, 0};
const PoseRow kDanceLand{2, kSpin, BodyAngle(0, -360, 0), nullptr, 0};

// The army scene's poses: every joint, kind 0, targets off rest.
PoseRow Scene(std::initializer_list<std::vector<PoseTarget>> targets) {
    return PoseRow{0, kRodentGroupJoints, JoinTargets(targets), nullptr, 0};
}

const PoseRow kRollTilt = Scene({BodyAngle(0, 0, -35), BodyPos(0.02f, 0.06f, 0), HeadAngle(-11, -67, 0),
                                 LeftArm(-1, -2, 22), RightArm(0, 0, 6), RightLeg(43, 16, 50)});
const PoseRow kRollHalf = Scene({BodyAngle(0, -2, 180), BodyPos(-0.07f, 0.09f, -0.01f), HeadAngle(5, -2, 0),
                                 LeftArm(-1, 14, 61), RightArm(7, 0, 71)});
const PoseRow kRollFull = Scene({BodyAngle(-3, -4, 360), BodyPos(-0.219f, 0.06f, 0),
                                 HeadAngle(0.45f, -42.35f, -12), LeftArm(-1.05f, 13.9f, 47.1f),
                                 RightArm(7, -5, 4.3f), LeftLeg(14, 2, 53), RightLeg(2.15f, 0.8f, 2.5f)});
const PoseRow kRollFullMirror = Scene({BodyAngle(3, 4, 360), BodyPos(-0.219f, 0.06f, 0),
                                       HeadAngle(-0.45f, 42.35f, 12), LeftArm(7, -5, 4.3f),
                                       RightArm(-1.05f, 13.9f, 47.1f), LeftLeg(2.15f, 0.8f, 2.5f),
                                       RightLeg(14, 2, 53)});
const PoseRow kHopSpread =
    Scene({BodyPos(0, 0.13f, 0), HeadAngle(29, 0, 0), BothArms(0, 0, 52), BothLegs(0, 0, 37)});
const PoseRow kBowHigh = Scene({BodyAngle(79, -1, -1), BodyPos(0, 0.0733f, 0), HeadAngle(-83.62f, 0, 0),
                                BothArms(0, -45, 0), BothLegs(0, -45, 0)});
const PoseRow kBowLow{0, 0, BodyPos(0, 0.0333f, 0), &kBowHigh, 0};  // the high bow, lower
const PoseRow kBowDeep = Scene({BodyAngle(93, -1, -1), BodyPos(0, 0.0233f, 0), HeadAngle(-90.62f, 0, 0),
                                BothArms(0, -26, 0), BothLegs(-83, -55, 0)});
const PoseRow kSit = Scene({BodyAngle(-1, 0, 0), BodyPos(0, 0.04f, 0), BothArms(0, -60, 0), BothLegs(-91, 0, 0)});
const PoseRow kLie = Scene({BodyAngle(-90, 0, 0), BodyPos(0, 0.02f, 0), BothLegs(55.45f, 0, 0)});
const PoseRow kMarchStepA =
    Scene({HeadAngle(-10, 0, 0), LeftArm(0, -56, 0), RightArm(0, 0, -70), RightLeg(-90, 0, 0)});
const PoseRow kMarchStepB = Scene({LeftArm(0, 0, -70), RightArm(0, -56, 0), LeftLeg(-90, 0, 0)});
const PoseRow kLilacStand = Scene({BodyAngle(0, 48, 0), HeadAngle(19, -1, 0), BothArms(0, 0, -39)});
const PoseRow kOliveStand = Scene({BodyAngle(0, 34, 0), HeadAngle(12, -1, 0), BothArms(0, 0, -39)});
const PoseRow kOliveTalk1 = Scene({BodyAngle(0, 34, 0), HeadAngle(-28, -6, -5), HeadPos(-0.01f, 0.04875f, 0),
                                   LeftArm(14, -65, 18), RightArm(0, 0, -39)});
const PoseRow kOliveTalk2 = Scene({BodyAngle(0, 34, 0), HeadAngle(-6, -11, -27), HeadPos(-0.01f, 0.04875f, 0),
                                   LeftArm(11, -65, -27), RightArm(0, 0, -39)});
const PoseRow kLilacTalk1 =
    Scene({BodyAngle(-2, 61, 0), HeadAngle(6, 62, 7), LeftArm(4, 23, 22), RightArm(0, -4, -39)});
const PoseRow kLilacTalk2 =
    Scene({BodyAngle(-2, 61, 0), HeadAngle(17, 93, 7), LeftArm(6, 23, -26), RightArm(3, -7, -39)});
const PoseRow kLilacTalk3 =
    Scene({BodyAngle(-2, 132, 0), HeadAngle(17, 63, 0), LeftArm(6, 23, -40), RightArm(3, -9, 16)});
const PoseRow kLilacTalk4 =
    Scene({BodyAngle(-2, 132, 0), HeadAngle(17, 5, 7), LeftArm(8, 14, 42), RightArm(3, -9, -29)});
const PoseRow kLilacTalk5 =
    Scene({BodyAngle(-2, 492, 0), HeadAngle(17, 5, 7), LeftArm(8, 14, 42), RightArm(0, 0, -39)});
const PoseRow kLilacTalk6 =
    Scene({BodyAngle(-2, 492, 0), HeadAngle(50, 5, 7), LeftArm(8, 14, 42), RightArm(0, 0, -39)});
const PoseRow kLilacTalk7 =
    Scene({BodyAngle(-2, 492, 0), HeadAngle(-20, 5, 7), LeftArm(8, 14, 42), RightArm(0, 0, -39)});
const PoseRow kLilacTalk8 =
    Scene({BodyAngle(-2, 642, 0), HeadAngle(-20, 4, 7), LeftArm(8, 14, 42), RightArm(0, 0, 49)});
const PoseRow kLilacTalk9 =
    Scene({BodyAngle(-2, 642, 0), HeadAngle(60, 4, 7), LeftArm(8, 14, 42), RightArm(0, 0, 49)});

}  // namespace

void RodentRestPose(Rodent* r, int n) { ApplyRodentPose(r, kRest, n); }
void RodentDanceKickPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceKick, n); }
void RodentDanceHalfSpinPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceHalfSpin, n); }
void RodentDanceFullSpinPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceFullSpin, n); }
void RodentDanceArmsOutPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceArmsOut, n); }
void RodentDanceTiltAPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceTiltA, n); }
void RodentDanceHandstandPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceHandstand, n); }
void RodentDanceTiltBPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceTiltB, n); }
void RodentDanceQuarterTurnPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceQuarterTurn, n); }
void RodentDanceKickTurnPose(Rodent* r, int n) {
    ApplyRodentPose(r, kDanceKickTurnBody, n);
    ApplyRodentPose(r, kDanceKickTurnLimbs, n);
}
void RodentDanceThreeQuarterPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceThreeQuarter, n); }
void RodentDanceLandPose(Rodent* r, int n) { ApplyRodentPose(r, kDanceLand, n); }

void RodentRollTiltPose(Rodent* r, int n) { ApplyRodentPose(r, kRollTilt, n); }
void RodentRollHalfPose(Rodent* r, int n) { ApplyRodentPose(r, kRollHalf, n); }
void RodentRollFullPose(Rodent* r, int n) { ApplyRodentPose(r, kRollFull, n); }
void RodentRollFullMirrorPose(Rodent* r, int n) { ApplyRodentPose(r, kRollFullMirror, n); }
void RodentHopSpreadPose(Rodent* r, int n) { ApplyRodentPose(r, kHopSpread, n); }
void RodentBowHighPose(Rodent* r, int n) { ApplyRodentPose(r, kBowHigh, n); }
void RodentBowLowPose(Rodent* r, int n) { ApplyRodentPose(r, kBowLow, n); }
void RodentBowDeepPose(Rodent* r, int n) { ApplyRodentPose(r, kBowDeep, n); }
void RodentSitPose(Rodent* r, int n) { ApplyRodentPose(r, kSit, n); }
void RodentLiePose(Rodent* r, int n) { ApplyRodentPose(r, kLie, n); }
void RodentMarchStepAPose(Rodent* r, int n) { ApplyRodentPose(r, kMarchStepA, n); }
void RodentMarchStepBPose(Rodent* r, int n) { ApplyRodentPose(r, kMarchStepB, n); }
void RodentLilacStandPose(Rodent* r, int n) { ApplyRodentPose(r, kLilacStand, n); }
void RodentOliveStandPose(Rodent* r, int n) { ApplyRodentPose(r, kOliveStand, n); }
void RodentOliveTalk1Pose(Rodent* r, int n) { ApplyRodentPose(r, kOliveTalk1, n); }
void RodentOliveTalk2Pose(Rodent* r, int n) { ApplyRodentPose(r, kOliveTalk2, n); }
void RodentLilacTalk1Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk1, n); }
void RodentLilacTalk2Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk2, n); }
void RodentLilacTalk3Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk3, n); }
void RodentLilacTalk4Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk4, n); }
void RodentLilacTalk5Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk5, n); }
void RodentLilacTalk6Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk6, n); }
void RodentLilacTalk7Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk7, n); }
void RodentLilacTalk8Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk8, n); }
void RodentLilacTalk9Pose(Rodent* r, int n) { ApplyRodentPose(r, kLilacTalk9, n); }
