// STAND-INS for the figures, which are not built yet.
#include <cstdlib>

#include "figures/bunny.h"
#include "figures/robot.h"

void LoadRobotTextures() {}
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"

#include "figures/bunny_record.h"

void ShiftBunnyEmittersPalace(Bunny*) {}

void PoseFallWobbleA(Bunny*, int) {}
void PoseFallWobbleB(Bunny*, int) {}

// The real death script lasts 766 steps at speed 1 and scales with it.
int PlayBunnyDeathSequence(Bunny*, float speed) { return int(766.0f * speed); }

// A Robot that holds nothing and draws nothing.
struct Robot {
    int unused;
};

Robot* NewRobot() { return static_cast<Robot*>(std::calloc(1, sizeof(Robot))); }
void DeleteRobot(Robot* robot) { std::free(robot); }
void UpdateRobot(Robot*, int) {}
void DrawRobot(Robot*) {}
void ScheduleRobotAction(RobotAction, Robot*, int, int) {}
void ClearRobotAnimation(Robot*) {}
void ClearRiderAnimations(Robot*) {}
void ScheduleRiderDance(Robot*) {}
void SetRobotShake(Robot*, int) {}
void SetRobotTreadRate(Robot*, float) {}
void SetRobotDanceRate(Robot*, float) {}
void SetRobotSwayRate(Robot*, float) {}
void SetRobotPropellerRate(Robot*, float) {}
void RobotRestPose(Robot*, int) {}
void RobotWideEyePose(Robot*, int) {}
void RobotSpinBowtiePose(Robot*, int) {}
