// The Robot figure.
#pragma once

struct Robot;

// A pose or any other delayed call on a Robot: (robot, steps or argument).
typedef void (*RobotAction)(Robot* robot, int arg);

void LoadRobotTextures();
Robot* NewRobot();
void DeleteRobot(Robot* robot);
void UpdateRobot(Robot* robot, int swaying);
void DrawRobot(Robot* robot);

// Delay 0 runs the action at once; otherwise it runs after that many updates.
void ScheduleRobotAction(RobotAction fn, Robot* robot, int arg, int delay);
void ClearRobotAnimation(Robot* robot);
void ClearRiderAnimations(Robot* robot);
void ScheduleRiderDance(Robot* robot);

void SetRobotShake(Robot* robot, int flag);
void SetRobotTreadRate(Robot* robot, float rate);
void SetRobotDanceRate(Robot* robot, float rate);
void SetRobotSwayRate(Robot* robot, float rate);
void SetRobotPropellerRate(Robot* robot, float rate);

void RobotRestPose(Robot* robot, int steps);
void RobotWideEyePose(Robot* robot, int steps);
void RobotSpinBowtiePose(Robot* robot, int steps);
