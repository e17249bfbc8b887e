// STAND-INS for the figures, which are not built yet.
#include <cstdlib>

#include "figures/bunny.h"
#include "figures/robot.h"

void LoadBunnyTextures() {}
void LoadRobotTextures() {}
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"

#include "figures/bunny_record.h"

// A figure with nothing drawn: the pibs only need something to point at.
Bunny* NewBunny(int outfit, int) {
    Bunny* b = new Bunny();
    b->outfit = outfit;
    return b;
}
void DeleteBunny(Bunny* bunny) {
    ClearBunnyAnimation(bunny);
    delete bunny;
}
void SetBunnyColorScheme(Bunny* bunny, int scheme) { bunny->outfit = scheme; }
void ShiftBunnyEmittersPalace(Bunny*) {}
void SetBunnyGlasses(Bunny*, int) {}
void SetBunnyWhiskers(Bunny*, int) {}
void SetBunnyFaceMark(Bunny*, int) {}
void SetBunnyTrembling(Bunny*, int) {}
void SetBunnyGunFlag(Bunny*, int, int) {}
void DrawBunny(Bunny*) {}
void DrawBunnyEmitters(Bunny*) {}
void UpdateBunnyEmitters(Bunny*) {}
void GetBunnyLeftFootPos(Bunny*, float* out) { out[0] = out[1] = out[2] = 0.0f; }
void GetBunnyRightFootPos(Bunny*, float* out) { out[0] = out[1] = out[2] = 0.0f; }


void PoseRest(Bunny*, int) {}
void PoseTremble(Bunny*, int) {}
void PoseRightArmOut(Bunny*, int) {}
void PoseRightArmBack(Bunny*, int) {}
void PoseLeftArmOut(Bunny*, int) {}
void PoseLeftArmBack(Bunny*, int) {}
void PoseLeanLeft(Bunny*, int) {}
void PoseLeanRight(Bunny*, int) {}
void PoseWalk(Bunny*, int) {}
void PoseDuck(Bunny*, int) {}
void PoseRecoil(Bunny*, int) {}
void PoseRecoilBack(Bunny*, int) {}
void PoseRightArmRest(Bunny*, int) {}
void PoseLeftArmRest(Bunny*, int) {}
void PoseStandUp(Bunny*, int) {}
void PoseCrouch(Bunny*, int) {}
void PoseJump(Bunny*, int) {}
void PoseHalfFlip(Bunny*, int) {}
void PoseFullFlip(Bunny*, int) {}
void PoseRightArmRaise(Bunny*, int) {}
void PoseRightArmFire(Bunny*, int) {}
void PoseLeftArmRaise(Bunny*, int) {}
void PoseLeftArmFire(Bunny*, int) {}
void PoseClimbLean(Bunny*, int) {}
void PoseDescendLean(Bunny*, int) {}
void PoseDuckLeanLeft(Bunny*, int) {}
void PoseDuckLeanRight(Bunny*, int) {}
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

// The Robot's new operations, not built yet.
void ClearRobotTweens(Robot*) {}
void ClearRobotTimers(Robot*) {}
void RemoveRobotTweensOfKind(Robot*, int) {}
void ResetRobotTreadCounter(Robot*) {}
void ResetRobotDanceCounter(Robot*) {}
void ResetRobotSwayCounter(Robot*) {}
void NudgeRobotBowtie(Robot*, float) {}
void NudgeRobotPropeller(Robot*, float) {}
void NudgeRobotEyebrow(Robot*, int, float, float, float) {}
void NudgeRobotEyeball(Robot*, int, float, float, float, float) {}
void NudgeRobotHead(Robot*, float, float, float, float, float, float) {}
void NudgeRobotBody(Robot*, float, float, float, float, float, float) {}
void NudgeRobotBackarm(Robot*, int, float, float, float) {}
void NudgeRobotForearm(Robot*, int, float, float, float) {}
void NudgeRobotClaw(Robot*, int, float, float, float) {}
void SetRobotHead(Robot*, float, float, float, float, float, float) {}
void SetRobotBody(Robot*, float, float, float, float, float, float) {}
void PrintRobotPosition(Robot*) {}
void RobotSwayPoseA(Robot*, int) {}
void RobotSwayPoseB(Robot*, int) {}

// The Rodent, not built yet: nothing moves or draws.
#include "figures/rodent.h"
#include "figures/rodent_record.h"

Rodent* NewRodent() { return new Rodent(); }
void DeleteRodent(Rodent* rodent) { delete rodent; }
void DrawRodent(Rodent*) {}
void MarkRodentLilac(Rodent*) {}
void MarkRodentOlive(Rodent*) {}
void TickRodentAnimation(Rodent*) {}
void ScheduleRodentAction(RodentPose, Rodent*, int, int) {}
void ClearRodentAnimation(Rodent*) {}
void CancelRodentKind(Rodent*, int) {}
void RemoveRodentTweensOfKind(Rodent*, int) {}
void RemoveRodentActionsOfKind(Rodent*, int) {}
void PrintRodentPosition(Rodent*) {}
void NudgeRodentEyeball(Rodent*, int, float, float, float) {}
void SetRodentEyeball(Rodent*, int, float, float, float) {}
void NudgeRodentHead(Rodent*, float, float, float, float, float, float) {}
void SetRodentHead(Rodent*, float, float, float, float, float, float) {}
void NudgeRodentBody(Rodent*, float, float, float, float, float, float) {}
void SetRodentBody(Rodent*, float, float, float, float, float, float) {}
void NudgeRodentArm(Rodent*, int, float, float, float) {}
void SetRodentArm(Rodent*, int, float, float, float) {}
void NudgeRodentLeg(Rodent*, int, float, float, float) {}
void SetRodentLeg(Rodent*, int, float, float, float) {}
void RodentRestPose(Rodent*, int) {}
void RodentDanceKickPose(Rodent*, int) {}
void RodentDanceHalfSpinPose(Rodent*, int) {}
void RodentDanceFullSpinPose(Rodent*, int) {}
void RodentDanceArmsOutPose(Rodent*, int) {}
void RodentDanceTiltAPose(Rodent*, int) {}
void RodentDanceHandstandPose(Rodent*, int) {}
void RodentDanceTiltBPose(Rodent*, int) {}
void RodentDanceQuarterTurnPose(Rodent*, int) {}
void RodentDanceKickTurnPose(Rodent*, int) {}
void RodentDanceThreeQuarterPose(Rodent*, int) {}
void RodentDanceLandPose(Rodent*, int) {}
void RodentRollTiltPose(Rodent*, int) {}
void RodentRollHalfPose(Rodent*, int) {}
void RodentRollFullPose(Rodent*, int) {}
void RodentRollFullMirrorPose(Rodent*, int) {}
void RodentHopSpreadPose(Rodent*, int) {}
void RodentBowHighPose(Rodent*, int) {}
void RodentBowLowPose(Rodent*, int) {}
void RodentBowDeepPose(Rodent*, int) {}
void RodentSitPose(Rodent*, int) {}
void RodentLiePose(Rodent*, int) {}
void RodentMarchStepAPose(Rodent*, int) {}
void RodentMarchStepBPose(Rodent*, int) {}
void RodentLilacStandPose(Rodent*, int) {}
void RodentOliveStandPose(Rodent*, int) {}
void RodentOliveTalk1Pose(Rodent*, int) {}
void RodentOliveTalk2Pose(Rodent*, int) {}
void RodentLilacTalk1Pose(Rodent*, int) {}
void RodentLilacTalk2Pose(Rodent*, int) {}
void RodentLilacTalk3Pose(Rodent*, int) {}
void RodentLilacTalk4Pose(Rodent*, int) {}
void RodentLilacTalk5Pose(Rodent*, int) {}
void RodentLilacTalk6Pose(Rodent*, int) {}
void RodentLilacTalk7Pose(Rodent*, int) {}
void RodentLilacTalk8Pose(Rodent*, int) {}
void RodentLilacTalk9Pose(Rodent*, int) {}
