// STAND-INS for the figures, which are not built yet.
#include <cstdlib>

#include "figures/bunny.h"
#include "figures/robot.h"

void LoadBunnyTextures() {}
void LoadRobotTextures() {}
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"

#include "figures/bunny_record.h"

// No textures yet: every part draws untextured.
const BunnyTextureSet& GetBunnyTextures() {
    static const BunnyTextureSet none{};
    return none;
}

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
