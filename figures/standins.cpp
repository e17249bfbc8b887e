// STAND-INS for the figures, which are not built yet.
#include <cstdlib>

#include "figures/bunny.h"
#include "figures/robot.h"

void LoadRobotTextures() {}
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"

#include "figures/bunny_record.h"

void DrawBunny(Bunny*) {}
void DrawBunnyEmitters(Bunny*) {}
void UpdateBunnyEmitters(Bunny*) {}
// Bursts that only note their length, until the figure's emitters are drawn.
void StartBunnyEmitter0(Bunny* b, int frames) { b->emitters[0] = {b->emitters[0].emitter, 0, frames}; }
void StartBunnyEmitter1(Bunny* b, int frames) { b->emitters[1] = {b->emitters[1].emitter, 0, frames}; }
void StartBunnyEmitter2(Bunny* b, int frames) { b->emitters[2] = {b->emitters[2].emitter, 0, frames}; }
void GetBunnyLeftFootPos(Bunny*, float* out) { out[0] = out[1] = out[2] = 0.0f; }
void GetBunnyRightFootPos(Bunny*, float* out) { out[0] = out[1] = out[2] = 0.0f; }


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
