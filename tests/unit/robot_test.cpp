// The Robot's update: timers, tweens, sway and dance cycles, propeller, poses, rates.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"
#include "test_support.h"

namespace {

struct RobotDeleter { void operator()(Robot* r) const { DeleteRobot(r); } };
using RobotPtr = std::unique_ptr<Robot, RobotDeleter>;
RobotPtr MakeRobot() { return RobotPtr(NewRobot()); }

void Update(Robot* r, int times, int swaying) { for (int i = 0; i < times; ++i) UpdateRobot(r, swaying); }

const AnimAction<Robot>* Timer(const Robot* r, int index) {
    const AnimAction<Robot>* a = r->anim.actions.next;
    for (int i = 0; a && i < index; ++i) a = a->next;
    return a;
}

int firedArg = -1, firedAt = -1, updates = 0;
void NoteFiring(Robot*, int arg) { firedArg = arg, firedAt = updates; }

}  // namespace

TEST(RobotUpdate, TheFirstUpdateStartsTheSwayCycleAndTheRidersDanceWhichEndsFacingBack) {
    RobotPtr robot = MakeRobot();
    UpdateRobot(robot.get(), 1);
    ASSERT_EQ(CountRobotTimers(robot.get()), 2);
    EXPECT_EQ(Timer(robot.get(), 0)->fn, RobotSwayPoseB);
    EXPECT_EQ(Timer(robot.get(), 1)->fn, RobotSwayPoseA);
    EXPECT_EQ(Timer(robot.get(), 1)->delay, 90);
    // The dance's rest step ran at once and had nothing to move; eleven wait.
    for (Rodent* rider : robot->rider) EXPECT_EQ(CountRodentActions(rider), 11);
    EXPECT_FLOAT_EQ(robot->field[kRobotPropeller], 91.0f);
    // The dance ends with the riders facing back at -360; the next one's rest step turns them home.
    Update(robot.get(), 135, 1);
    for (Rodent* rider : robot->rider) EXPECT_NEAR(rider->field[kRodentBodyAngleY], -360, 1e-2);
    Update(robot.get(), 11, 1);
    EXPECT_NEAR(robot->rider[0]->field[kRodentBodyAngleY], 0, 1e-2);
}

TEST(RobotUpdate, ATimerOfDelay20FiresDuringThe20thUpdate) {
    RobotPtr robot = MakeRobot();
    UpdateRobot(robot.get(), 0);
    ClearRobotAnimation(robot.get());
    ScheduleRobotAction(NoteFiring, robot.get(), 7, 20);
    firedArg = firedAt = -1;
    for (updates = 1; updates <= 25; ++updates) UpdateRobot(robot.get(), 0);
    EXPECT_EQ(firedAt, 20);
    // Delay 0 runs at once and queues nothing.
    ScheduleRobotAction(NoteFiring, robot.get(), 3, 0);
    EXPECT_EQ(firedArg + CountRobotTimers(robot.get()), 3);
}

TEST(RobotUpdate, SwayCyclesStartAtEveryPeriodAndTheCounterRunsOnWhileNotSwaying) {
    // {updates without swaying after the first, whether the next swaying one starts a cycle}:
    // the counter then stands at 1 + stillUpdates, which is 0 mod 140 only at 140.
    struct Case { int stillUpdates; bool cycleStarts; };
    for (const Case& c : {Case{138, false}, Case{139, true}, Case{140, false}, Case{279, true}}) {
        RobotPtr robot = MakeRobot();
        UpdateRobot(robot.get(), 0);
        Update(robot.get(), c.stillUpdates, 0);
        ClearRobotTimers(robot.get());
        UpdateRobot(robot.get(), 1);
        EXPECT_EQ(CountRobotTimers(robot.get()), c.cycleStarts ? 2 : 0) << c.stillUpdates;
    }
}

TEST(RobotUpdate, AHeadTurnTurnsThePropellerBySameAngleOverTheSameSteps) {
    RobotPtr robot = MakeRobot();
    RobotSwayPoseA(robot.get(), 50);
    for (float half : {12.5f, 25.0f}) {
        Update(robot.get(), 25, 0);
        EXPECT_NEAR(robot->field[kRobotHeadAngleY], half, 1e-3);
        EXPECT_NEAR(robot->field[kRobotPropeller], 90 + 3 * half, 1e-3);
    }
    RobotPtr other = MakeRobot();  // the two sway poses mirror each other's arms
    RobotSwayPoseB(other.get(), 1);
    RunRobotTweens(other.get());
    for (int f = kRobotBackarmX; f < kRobotSideFieldCount; ++f)
        EXPECT_NEAR(RobotSideValue(robot.get(), 0, f), RobotSideValue(other.get(), 1, f), 1e-3) << f;
}

TEST(RobotPoses, OneStepTweensTheBowTieTurningTwiceTheReturnToRestAndTheShakeStopping) {
    RobotPtr robot = MakeRobot();
    Robot rest = *robot;
    for (int steps : {1, 0}) {  // one step is applied and gone at once; below 1 is held at 1
        NudgeRobotBowtie(robot.get(), 5);
        RobotRestPose(robot.get(), steps);
        RunRobotTweens(robot.get());
        EXPECT_FLOAT_EQ(robot->field[kRobotBowtie], 90) << steps;
        EXPECT_EQ(CountRobotTweens(robot.get()), 0) << steps;
    }
    auto run = [&](int steps) { for (int i = 0; i < steps; ++i) RunRobotTweens(robot.get()); };
    RobotSpinBowtiePose(robot.get(), 10);
    run(10);
    EXPECT_NEAR(robot->field[kRobotBowtie], 810, 1e-3);
    RobotWideEyePose(robot.get(), 10);
    RobotRestPose(robot.get(), 10);  // both at once: every field ends off both targets
    run(10);
    EXPECT_GT(std::fabs(robot->field[kRobotBowtie] - 90), 100);
    RobotRestPose(robot.get(), 20);
    run(20);
    for (int f = 0; f < kRobotFieldCount; ++f)
        EXPECT_NEAR(robot->field[f], rest.field[f], 0.01) << "field " << f;
    EXPECT_EQ(robot->swayA + robot->swayB, 0);
    for (RobotAction pose : {RobotRestPose, RobotSwayPoseA, RobotSwayPoseB, RobotWideEyePose, RobotSpinBowtiePose}) {
        SetRobotShake(robot.get(), 1);
        pose(robot.get(), 5);
        EXPECT_EQ(robot->shake, 0) << "every pose stops the shake";
    }
}

TEST(RobotUpdate, ACreaturesRatesStretchEveryCycleAndNeverDivideByZero) {
    RobotPtr robot = MakeRobot();
    SetRobotTreadRate(robot.get(), 12), SetRobotDanceRate(robot.get(), 20);
    SetRobotSwayRate(robot.get(), 2), SetRobotPropellerRate(robot.get(), 2);
    UpdateRobot(robot.get(), 1);
    EXPECT_EQ(Timer(robot.get(), 1)->delay, 180);
    EXPECT_EQ(robot->rider[0]->anim.actions.next->delay, 16 * 20);  // the dance's second step
    Update(robot.get(), 240, 1);
    EXPECT_EQ(robot->treadCounter, 1);
    // Half a degree per update, plus every turn of the head.
    EXPECT_NEAR(robot->field[kRobotPropeller], 90 + 0.5f * 241 + robot->field[kRobotHeadAngleY], 1e-2);
    // A cycle's period is held at 1 and a propeller rate away from 0; rates below 0 or no number are refused.
    robot = MakeRobot();
    SetRobotTreadRate(robot.get(), 0.01f), SetRobotDanceRate(robot.get(), 0.0f);
    SetRobotSwayRate(robot.get(), 0.001f), SetRobotPropellerRate(robot.get(), 0.0f);
    Update(robot.get(), 50, 1);
    EXPECT_TRUE(std::isfinite(robot->field[kRobotPropeller]));
    EXPECT_EQ(robot->treadCounter + robot->danceCounter, 2);
    testing::internal::CaptureStderr();
    SetRobotTreadRate(robot.get(), -1), SetRobotSwayRate(robot.get(), NAN), SetRobotPropellerRate(robot.get(), INFINITY);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("tread rate -1 refused"), std::string::npos) << said;
    EXPECT_FLOAT_EQ(robot->swayRate, 0.001f);
    EXPECT_GT(std::fabs(robot->propellerRate), 0.0f);
}

TEST(RobotRecord, PrintRobotPositionWritesEveryPoseFieldButThePropeller) {
    RobotPtr robot = MakeRobot();
    NudgeRobotClaw(robot.get(), 1, 1.5f, 0, 0);
    NudgeRobotEyebrow(robot.get(), 7, 1, 1, 1);  // no such side: nothing moves
    std::string text = WriteInDirAndRead(
        ScratchDir("robot-position"), "Robot Position Data",
        [](void* r) { PrintRobotPosition(static_cast<Robot*>(r)); }, robot.get());
    for (const char* part : {"Left eyeball width: 0.033\n", "\nRight eyebrow orientation: 60\n\nBody angle X: 0\n",
                             "\nRight claw angle X: 1.5\n", "Right claw angle Z: 0\n\nBowtie angle: 90\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find("ropeller"), std::string::npos);
}
