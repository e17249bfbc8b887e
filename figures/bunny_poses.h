// The Bunny's in-game poses, the fall wobble and the burning death.
#pragma once

struct Bunny;
struct PoseRow;

// The in-game poses, one per animation kind 0 to 26.
constexpr int kBunnyInGamePoseCount = 27;

void PoseRest(Bunny* bunny, int frames);
void PoseTremble(Bunny* bunny, int frames);
void PoseRightArmOut(Bunny* bunny, int frames);
void PoseRightArmBack(Bunny* bunny, int frames);
void PoseLeftArmOut(Bunny* bunny, int frames);
void PoseLeftArmBack(Bunny* bunny, int frames);
void PoseLeanLeft(Bunny* bunny, int frames);
void PoseLeanRight(Bunny* bunny, int frames);
void PoseWalk(Bunny* bunny, int frames);
void PoseDuck(Bunny* bunny, int frames);
void PoseRecoil(Bunny* bunny, int frames);
void PoseRecoilBack(Bunny* bunny, int frames);
void PoseRightArmRest(Bunny* bunny, int frames);
void PoseLeftArmRest(Bunny* bunny, int frames);
void PoseStandUp(Bunny* bunny, int frames);
void PoseCrouch(Bunny* bunny, int frames);
void PoseJump(Bunny* bunny, int frames);
void PoseHalfFlip(Bunny* bunny, int frames);
void PoseFullFlip(Bunny* bunny, int frames);
void PoseRightArmRaise(Bunny* bunny, int frames);
void PoseRightArmFire(Bunny* bunny, int frames);
void PoseLeftArmRaise(Bunny* bunny, int frames);
void PoseLeftArmFire(Bunny* bunny, int frames);
void PoseClimbLean(Bunny* bunny, int frames);
void PoseDescendLean(Bunny* bunny, int frames);
void PoseDuckLeanLeft(Bunny* bunny, int frames);
void PoseDuckLeanRight(Bunny* bunny, int frames);

// The opening scene's crouch-and-flip chain: the in-game poses with the body
// at the scene's spot. Not in the kind table: their queued actions carry no
// kind, their tweens the kinds of the poses they copy.
void PoseOpeningCrouch(Bunny* bunny, int frames);
void PoseOpeningJump(Bunny* bunny, int frames);
void PoseOpeningHalfFlip(Bunny* bunny, int frames);
void PoseOpeningFullFlip(Bunny* bunny, int frames);
void PoseOpeningLand(Bunny* bunny, int frames);
constexpr int kBunnyOpeningVariantCount = 5;

// The rows behind the poses: by kind, and the opening variants in the order above.
const PoseRow& BunnyInGamePoseRow(int kind);
const PoseRow& BunnyOpeningVariantRow(int i);

void PoseFallWobbleA(Bunny* bunny, int frames);
void PoseFallWobbleB(Bunny* bunny, int frames);

// Queues the burning death; answers its length in steps.
int PlayBunnyDeathSequence(Bunny* bunny, float speed);
