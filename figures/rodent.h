// The Rodent figure: the rats that ride the Robot's propeller and fill the
// army scene.
#pragma once

struct Rodent;

typedef void (*RodentPose)(Rodent* rodent, int steps);

Rodent* NewRodent();
void DeleteRodent(Rodent* rodent);
void DrawRodent(Rodent* rodent);

// Both set the arms down a little (arm angles Z to -39); lilac wins over olive.
void MarkRodentLilac(Rodent* rodent);
void MarkRodentOlive(Rodent* rodent);

void TickRodentAnimation(Rodent* rodent);
// Delay 0 runs the pose at once; otherwise it waits that many steps.
void ScheduleRodentAction(RodentPose pose, Rodent* rodent, int steps, int delay);
void ClearRodentAnimation(Rodent* rodent);
// Removes the running tweens and the pending actions of one kind. Only the
// rest pose and the twelve dance steps give their actions a kind.
void CancelRodentKind(Rodent* rodent, int kind);
void RemoveRodentTweensOfKind(Rodent* rodent, int kind);
void RemoveRodentActionsOfKind(Rodent* rodent, int kind);

// Writes the pose fields to "Rodent Position Data" in the working directory.
void PrintRodentPosition(Rodent* rodent);

// Field-group accessors; i is the side (0 left, 1 right).
void NudgeRodentEyeball(Rodent* rodent, int i, float radius, float xcor, float ycor);
void SetRodentEyeball(Rodent* rodent, int i, float radius, float xcor, float ycor);
void NudgeRodentHead(Rodent* rodent, float ax, float ay, float az, float px, float py, float pz);
void SetRodentHead(Rodent* rodent, float ax, float ay, float az, float px, float py, float pz);
void NudgeRodentBody(Rodent* rodent, float ax, float ay, float az, float px, float py, float pz);
void SetRodentBody(Rodent* rodent, float ax, float ay, float az, float px, float py, float pz);
void NudgeRodentArm(Rodent* rodent, int i, float x, float y, float z);
void SetRodentArm(Rodent* rodent, int i, float x, float y, float z);
void NudgeRodentLeg(Rodent* rodent, int i, float x, float y, float z);
void SetRodentLeg(Rodent* rodent, int i, float x, float y, float z);

// The rest pose and the twelve dance steps, in dance order.
void RodentRestPose(Rodent* rodent, int steps);
void RodentDanceKickPose(Rodent* rodent, int steps);
void RodentDanceHalfSpinPose(Rodent* rodent, int steps);
void RodentDanceFullSpinPose(Rodent* rodent, int steps);
void RodentDanceArmsOutPose(Rodent* rodent, int steps);
void RodentDanceTiltAPose(Rodent* rodent, int steps);
void RodentDanceHandstandPose(Rodent* rodent, int steps);
void RodentDanceTiltBPose(Rodent* rodent, int steps);
void RodentDanceQuarterTurnPose(Rodent* rodent, int steps);
void RodentDanceKickTurnPose(Rodent* rodent, int steps);
void RodentDanceThreeQuarterPose(Rodent* rodent, int steps);
void RodentDanceLandPose(Rodent* rodent, int steps);

// The army scene's poses: every joint moves, with kind 0.
void RodentRollTiltPose(Rodent* rodent, int steps);
void RodentRollHalfPose(Rodent* rodent, int steps);
void RodentRollFullPose(Rodent* rodent, int steps);
void RodentRollFullMirrorPose(Rodent* rodent, int steps);
void RodentHopSpreadPose(Rodent* rodent, int steps);
void RodentBowHighPose(Rodent* rodent, int steps);
void RodentBowLowPose(Rodent* rodent, int steps);
void RodentBowDeepPose(Rodent* rodent, int steps);
void RodentSitPose(Rodent* rodent, int steps);
void RodentLiePose(Rodent* rodent, int steps);
void RodentMarchStepAPose(Rodent* rodent, int steps);
void RodentMarchStepBPose(Rodent* rodent, int steps);
void RodentLilacStandPose(Rodent* rodent, int steps);
void RodentOliveStandPose(Rodent* rodent, int steps);
void RodentOliveTalk1Pose(Rodent* rodent, int steps);
void RodentOliveTalk2Pose(Rodent* rodent, int steps);
void RodentLilacTalk1Pose(Rodent* rodent, int steps);
void RodentLilacTalk2Pose(Rodent* rodent, int steps);
void RodentLilacTalk3Pose(Rodent* rodent, int steps);
void RodentLilacTalk4Pose(Rodent* rodent, int steps);
void RodentLilacTalk5Pose(Rodent* rodent, int steps);
void RodentLilacTalk6Pose(Rodent* rodent, int steps);
void RodentLilacTalk7Pose(Rodent* rodent, int steps);
void RodentLilacTalk8Pose(Rodent* rodent, int steps);
void RodentLilacTalk9Pose(Rodent* rodent, int steps);
