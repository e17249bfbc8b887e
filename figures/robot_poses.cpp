// The Robot's five poses as table rows, and the riders' twelve-step dance.
#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"

namespace {

std::vector<PoseTarget> LeftBackarm(float x, float y, float z) { return Xyz(kRobotBackarmX, x, y, z); }
std::vector<PoseTarget> RightBackarm(float x, float y, float z) { return Xyz(Right(kRobotBackarmX), x, y, z); }
std::vector<PoseTarget> LeftForearm(float x, float y, float z) { return Xyz(kRobotForearmX, x, y, z); }
std::vector<PoseTarget> RightForearm(float x, float y, float z) { return Xyz(Right(kRobotForearmX), x, y, z); }
std::vector<PoseTarget> LeftClaw(float x, float y, float z) { return Xyz(kRobotClawX, x, y, z); }
std::vector<PoseTarget> RightClaw(float x, float y, float z) { return Xyz(Right(kRobotClawX), x, y, z); }
std::vector<PoseTarget> BothArms(const float (&angles)[3][3]) {
    return JoinTargets({Xyz(Both(kRobotBackarmX), angles[0][0], angles[0][1], angles[0][2]),
                        Xyz(Both(kRobotForearmX), angles[1][0], angles[1][1], angles[1][2]),
                        Xyz(Both(kRobotClawX), angles[2][0], angles[2][1], angles[2][2])});
}
std::vector<PoseTarget> Eyes(float width, float height, float xcor, float ycor) {
    return {{Both(kRobotEyeballWidth), width},
            {Both(kRobotEyeballHeight), height},
            {Both(kRobotEyeballXcor), xcor},
            {Both(kRobotEyeballYcor), ycor}};
}
std::vector<PoseTarget> Brows(float xloc, float yloc, float orientation) {
    return Xyz(Both(kRobotEyebrowXloc), xloc, yloc, orientation);
}

constexpr unsigned kFace = kRobotGroupEyeballs | kRobotGroupEyebrows;
constexpr unsigned kFrame = kRobotGroupBody | kRobotGroupHead | kRobotGroupArms;  // body to claws
constexpr unsigned kWhole = kFace | kFrame | kRobotGroupBowtie;

// The head turns one way and shifts the other along x; the arms lean.
const std::vector<PoseTarget> kSwayBArms =
    JoinTargets({LeftBackarm(0, -45, -9), RightBackarm(0, -39, 18), LeftForearm(0, -35, -7),
                 RightForearm(0, -10, 52), LeftClaw(-93, -4, -2), RightClaw(-118, 1, -15)});

const PoseRow kRest{0, kWhole, {}, nullptr, 0};
const PoseRow kSwayB{1, kFrame,
                     JoinTargets({{{kRobotHeadAngleY, -25}, {kRobotHeadPosX, -0.1975f}}, kSwayBArms}),
                     nullptr, kRobotSwayB1A0};
const PoseRow kSwayA{2, kFrame,
                     JoinTargets({{{kRobotHeadAngleY, 25}, {kRobotHeadPosX, -0.0775f}},
                                  MirrorTargets(RobotLayout(), kSwayBArms)}),
                     nullptr, kRobotSwayA1B0};
const PoseRow kWideEye{4, kWhole,
                       JoinTargets({Eyes(0.053f, 0.0495f, 0.017125f, 0.011f), Brows(0.06825f, 0.199f, 116.99f),
                                    {{kRobotHeadAngleX, -14}},
                                    BothArms({{0, 22, 62}, {0, 55, -16}, {58, -6, -4}})}),
                       nullptr, kRobotSwayNone};
// Two full turns of the bow tie past its rest; the rest pose turns it back.
const PoseRow kSpinBowtie{3, kWhole,
                          JoinTargets({Eyes(0.023f, 0.0195f, 0.047125f, 0.011f), Brows(0.00825f, 0.069f, 26.99f),
                                       {{kRobotHeadAngleX, 29}, {kRobotBowtie, 810}},
                                       BothArms({{0, -54, -16}, {0, -77, -17}, {22, -34, 17}})}),
                          nullptr, 0};

// Every pose stops the shake.
void ApplyRobotPose(Robot* robot, const PoseRow& row, int steps) {
    ApplyPoseTweens(robot->anim, robot->field, RobotLayout(), row, steps);
    robot->shake = 0;
    if (row.flags & (kRobotSwayA1B0 | kRobotSwayB1A0 | kRobotSwayNone)) {
        robot->swayA = (row.flags & kRobotSwayA1B0) ? 1 : 0;
        robot->swayB = (row.flags & kRobotSwayB1A0) ? 1 : 0;
    }
}

// The riders' dance: each step lasts 10 updates times the dance rate, and
// the next starts after a gap of that many more times the rate.
struct DanceStep {
    RodentPose pose;
    float gapAfter;
};
const DanceStep kRiderDance[] = {
    {RodentRestPose, 6},           {RodentDanceKickPose, 0},        {RodentDanceHalfSpinPose, 0},
    {RodentDanceFullSpinPose, 0},  {RodentDanceArmsOutPose, 3},     {RodentDanceTiltAPose, 0},
    {RodentDanceHandstandPose, 2}, {RodentDanceTiltBPose, 0},       {RodentDanceQuarterTurnPose, 0},
    {RodentDanceKickTurnPose, 5},  {RodentDanceThreeQuarterPose, 0}, {RodentDanceLandPose, 0},
};

}  // namespace

void RobotRestPose(Robot* r, int n) { ApplyRobotPose(r, kRest, n); }
void RobotSwayPoseA(Robot* r, int n) { ApplyRobotPose(r, kSwayA, n); }
void RobotSwayPoseB(Robot* r, int n) { ApplyRobotPose(r, kSwayB, n); }
void RobotWideEyePose(Robot* r, int n) { ApplyRobotPose(r, kWideEye, n); }
void RobotSpinBowtiePose(Robot* r, int n) { ApplyRobotPose(r, kSpinBowtie, n); }

void ScheduleRiderDance(Robot* robot) {
    ClearRiderAnimations(robot);
    float rate = robot->danceRate;
    float steps = 10 * rate;
    float start = 0;
    for (const DanceStep& step : kRiderDance) {
        ScheduleRodentAction(step.pose, robot->rider[0], int(steps), int(start));
        ScheduleRodentAction(step.pose, robot->rider[1], int(steps), int(start));
        start = step.gapAfter * rate + steps + start;
    }
}
