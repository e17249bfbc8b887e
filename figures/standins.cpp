// STAND-INS for the figures, which are not built yet.
#include <cstdlib>

#include "figures/bunny.h"
#include "figures/robot.h"

void LoadRobotTextures() {}
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"

#include "figures/bunny_record.h"



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
void PoseOpeningCrouch(Bunny*, int) {}
void PoseOpeningJump(Bunny*, int) {}
void PoseOpeningHalfFlip(Bunny*, int) {}
void PoseOpeningFullFlip(Bunny*, int) {}
void PoseOpeningLand(Bunny*, int) {}
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

// STAND-INS for the scene poses (branch scenefig replaces this block).
#include "figures/bunny_scene_poses.h"

void PoseFlinch(Bunny*, int) {}
void PoseEyesWide(Bunny*, int) {}
void PoseEarsForward(Bunny*, int) {}
void PoseShudderA(Bunny*, int) {}
void PoseShudderB(Bunny*, int) {}
void PoseBurnTilt(Bunny*, int) {}
void PoseBurnSpin1(Bunny*, int) {}
void PoseBurnSpin2(Bunny*, int) {}
void PoseBurnSpin3(Bunny*, int) {}
void PoseBurnSpin4(Bunny*, int) {}
void PoseBurnStagger(Bunny*, int) {}
void PoseBurnSway(Bunny*, int) {}
void PoseBurnCollapse(Bunny*, int) {}
void PoseShudderPalaceA(Bunny*, int) {}
void PoseShudderPalaceB(Bunny*, int) {}
void PoseBurnTiltPalace(Bunny*, int) {}
void PoseBurnSpin1Palace(Bunny*, int) {}
void PoseBurnStaggerPalace(Bunny*, int) {}
void PoseBurnSwayPalace(Bunny*, int) {}
void PoseBurnCollapsePalace(Bunny*, int) {}
void StartBunnyEmitter1Smoke(Bunny*, int) {}
void RestoreBunnyEmitter1Fire(Bunny*, int) {}
void StartBunnyEmitter1SmokeOpening(Bunny*, int) {}
void RestoreBunnyEmitter1FireB(Bunny*, int) {}
void PoseFadeGrey(Bunny*, int) {}
void PoseFadeGreyOutfit4(Bunny*, int) {}
void PoseFadeBlack(Bunny*, int) {}
void PosePeekHide(Bunny*, int) {}
void PosePeekUp(Bunny*, int) {}
void PosePeekTurnA(Bunny*, int) {}
void PosePeekTurnB(Bunny*, int) {}
void PoseOpeningLean(Bunny*, int) {}
void PoseOpeningSlide(Bunny*, int) {}
void PoseOpeningEarsBrows(Bunny*, int) {}
void PoseOpeningEyesBack(Bunny*, int) {}
void PoseOpeningEarsRest(Bunny*, int) {}
void PoseOpeningSlideBack(Bunny*, int) {}
void PoseHopGather(Bunny*, int) {}
void PoseHopPush(Bunny*, int) {}
void PoseHopFly(Bunny*, int) {}
void PoseHopReach(Bunny*, int) {}
void PoseHopLand(Bunny*, int) {}
void PoseHopCrouchStart(Bunny*, int) {}
void PoseHopLookA(Bunny*, int) {}
void PoseHopLookB(Bunny*, int) {}
void PoseHopHeadTilt(Bunny*, int) {}
void PoseHopGather2(Bunny*, int) {}
void PoseHopPush2(Bunny*, int) {}
void PoseHopFly2(Bunny*, int) {}
void PoseHopReach2(Bunny*, int) {}
void PoseHopLand2(Bunny*, int) {}
void PoseHopStandUp(Bunny*, int) {}
void PoseOpeningStand(Bunny*, int) {}
void PoseWaveUp(Bunny*, int) {}
void PoseWaveDown(Bunny*, int) {}
void PoseBrowRaise(Bunny*, int) {}
void PoseSquint(Bunny*, int) {}
void PoseHeadStraight(Bunny*, int) {}
void PoseFlinchOpening(Bunny*, int) {}
void PoseEyesWideOpening(Bunny*, int) {}
void PoseEarsForwardOpening(Bunny*, int) {}
void PoseShudderOpeningA(Bunny*, int) {}
void PoseShudderOpeningB(Bunny*, int) {}
void PoseBurnTiltOpening(Bunny*, int) {}
void PoseBurnSpin1Opening(Bunny*, int) {}
void PoseBurnSpin2Opening(Bunny*, int) {}
void PoseBurnSpin3Opening(Bunny*, int) {}
void PoseBurnSpin4Opening(Bunny*, int) {}
void PoseBurnStaggerOpening(Bunny*, int) {}
void PoseBurnSwayOpening(Bunny*, int) {}
void PoseBurnCollapseOpening(Bunny*, int) {}
void PosePalaceLoungeSeat(Bunny*, int) {}
void PosePalaceLoungeTalk1(Bunny*, int) {}
void PosePalaceLoungeTalk2(Bunny*, int) {}
void PosePalaceLoungeTalk3(Bunny*, int) {}
void PosePalaceLoungeTalk4(Bunny*, int) {}
void PosePalaceLoungeLook(Bunny*, int) {}
void PosePalaceLoungeBrows(Bunny*, int) {}
void PosePalaceLoungeStand(Bunny*, int) {}
void PosePalaceSeat(Bunny*, int) {}
void PosePalaceRobeTalk1(Bunny*, int) {}
void PosePalaceRobeTalk2(Bunny*, int) {}
void PosePalaceRobeTalk3(Bunny*, int) {}
void PosePalaceRobeTalk4(Bunny*, int) {}
void PosePalaceRobeTalk5(Bunny*, int) {}
void PosePalaceRobeTalk6(Bunny*, int) {}
void PosePalaceRobeStep1(Bunny*, int) {}
void PosePalaceRobeStep2(Bunny*, int) {}
void PosePalaceRobeLook(Bunny*, int) {}
void PosePalaceRobeBrows(Bunny*, int) {}
void PosePalaceRobeNod(Bunny*, int) {}
void StopBunnyTrembling(Bunny*) {}
void ShiftBunnyEmittersOpening(Bunny*) {}
void ShiftBunnyEmittersPalace(Bunny*) {}
// END of the scene-pose stand-ins.
