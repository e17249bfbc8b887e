// The army scene, second of the story.
#pragma once

#include "figures/rodent.h"

struct Robot;

// Once at start-up; every viewing reuses the backdrop.
void LoadArmySceneTexture();
// Every viewing starts from frame 0 with a new army, speakers and Robot.
void StartArmyScene();
// One paced frame; answers 1 on the last one. A window with no area shows
// nothing and the scene waits.
int DrawArmySceneFrame(int width, int height);

// A pose on all forty Rodents of the army, row by row, column by column.
void ScheduleArmyAction(RodentPose pose, int duration, int delay);
// The rest step and the eleven dance steps on the army, 10 frames each.
void QueueArmyDance();

// ---- Read-only views for tests and benchmarks ----

int ArmyFrame();
// Row r, column c at index r * 8 + c.
Rodent* GetArmyRodent(int i);
// 0 the lilac speaker, 1 the olive one.
Rodent* GetArmySpeaker(int i);
Robot* GetArmyRobot();
const float* ArmyGroupPos();    // x, y, z
const float* ArmyRobotPos();    // x, y, z
const float* ArmyRobotRot();    // degrees about x, y, z
float ArmyDodecahedronAngle();  // carries over from one viewing to the next
