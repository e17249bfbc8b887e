// How a pib walks: turning at free poles, straight steps that turn back when
// blocked, its height on ramps and bridges, holes and the sparks at its feet.
#pragma once

int ShouldTurnLeft(int p);
int ShouldTurnRight(int p);
void StartTurnLeft(int p);
void StartTurnRight(int p);
void StepPibTurn(int p);
void EndPibTurn(int p);
void StepPibStraight(int p);
void UpdatePibHeight(int p);
int IsOverHole(int p);
// Heading as a bearing in whole degrees, clockwise from +y.
int GetPibWalkAngle(int p);
void PlacePibSparks(int p);
