// The Robot figure.
#pragma once

struct Robot;

// A pose or any other delayed call on a Robot: (robot, steps or argument).
typedef void (*RobotAction)(Robot* robot, int arg);

// Loads the sixteen textures once; later calls reuse them.
void LoadRobotTextures();
Robot* NewRobot();
// Frees the figure with its queues, its quadric and both riders.
void DeleteRobot(Robot* robot);
void UpdateRobot(Robot* robot, int swaying);
void DrawRobot(Robot* robot);

// Delay 0 runs the action at once; otherwise it runs after that many updates.
// A Robot's pending actions carry no kind: only clearing drops them.
void ScheduleRobotAction(RobotAction fn, Robot* robot, int arg, int delay);
void ClearRobotAnimation(Robot* robot);
void ClearRobotTweens(Robot* robot);
void ClearRobotTimers(Robot* robot);
void RemoveRobotTweensOfKind(Robot* robot, int kind);
void ClearRiderAnimations(Robot* robot);
void ScheduleRiderDance(Robot* robot);

void SetRobotShake(Robot* robot, int flag);
// Period multipliers of the tread, dance and sway cycles; the propeller turns
// 1 / rate degrees per update.
void SetRobotTreadRate(Robot* robot, float rate);
void SetRobotDanceRate(Robot* robot, float rate);
void SetRobotSwayRate(Robot* robot, float rate);
void SetRobotPropellerRate(Robot* robot, float rate);
void ResetRobotTreadCounter(Robot* robot);
void ResetRobotDanceCounter(Robot* robot);
void ResetRobotSwayCounter(Robot* robot);

// Field-group accessors; i is the side (0 left, 1 right).
void NudgeRobotBowtie(Robot* robot, float d);
void NudgeRobotPropeller(Robot* robot, float d);
void NudgeRobotEyebrow(Robot* robot, int i, float xloc, float yloc, float orientation);
void NudgeRobotEyeball(Robot* robot, int i, float width, float height, float xcor, float ycor);
void NudgeRobotHead(Robot* robot, float ax, float ay, float az, float px, float py, float pz);
void NudgeRobotBody(Robot* robot, float ax, float ay, float az, float px, float py, float pz);
void NudgeRobotBackarm(Robot* robot, int i, float x, float y, float z);
void NudgeRobotForearm(Robot* robot, int i, float x, float y, float z);
void NudgeRobotClaw(Robot* robot, int i, float x, float y, float z);
void SetRobotHead(Robot* robot, float ax, float ay, float az, float px, float py, float pz);
void SetRobotBody(Robot* robot, float ax, float ay, float az, float px, float py, float pz);

// Writes the pose fields to "Robot Position Data" in the working directory.
void PrintRobotPosition(Robot* robot);

void RobotRestPose(Robot* robot, int steps);
void RobotSwayPoseA(Robot* robot, int steps);
void RobotSwayPoseB(Robot* robot, int steps);
void RobotWideEyePose(Robot* robot, int steps);
void RobotSpinBowtiePose(Robot* robot, int steps);
