// The pose rows behind the Bunny's scene poses, for the modules that copy
// them and for tests that compare them. The pose functions themselves are in
// figures/bunny_scene_poses.h and figures/bunny_poses.h.
#pragma once

#include "figures/bunny_animation.h"
#include "figures/pose_table.h"

// The burning death.
extern const PoseRow kRowFlinch, kRowEyesWide, kRowEarsForward, kRowShudderA, kRowShudderB,
    kRowBurnTilt, kRowBurnSpin1, kRowBurnSpin2, kRowBurnSpin3, kRowBurnSpin4, kRowBurnStagger,
    kRowBurnSway, kRowBurnCollapse;

// Its copies where the palace's burning actor stands.
extern const PoseRow kRowShudderPalaceA, kRowShudderPalaceB, kRowBurnTiltPalace,
    kRowBurnSpin1Palace, kRowBurnStaggerPalace, kRowBurnSwayPalace, kRowBurnCollapsePalace;

// Its copies where the opening's Bunny stands.
extern const PoseRow kRowFlinchOpening, kRowEyesWideOpening, kRowEarsForwardOpening,
    kRowShudderOpeningA, kRowShudderOpeningB, kRowBurnTiltOpening, kRowBurnSpin1Opening,
    kRowBurnSpin2Opening, kRowBurnSpin3Opening, kRowBurnSpin4Opening, kRowBurnStaggerOpening,
    kRowBurnSwayOpening, kRowBurnCollapseOpening;

// The colour fades.
extern const PoseRow kRowFadeGrey, kRowFadeGreyOutfit4, kRowFadeBlack;

// The opening story's hops, which tests compare with each other.
extern const PoseRow kRowHopGather, kRowHopPush, kRowHopFly, kRowHopReach, kRowHopLand,
    kRowHopCrouchStart, kRowHopGather2, kRowHopPush2, kRowHopFly2, kRowHopReach2, kRowHopLand2;

// The fall wobble.
extern const PoseRow kRowFallWobbleA, kRowFallWobbleB;

// One cue of the death script: the action, its frames u(frames) and its delay,
// a time cursor plus up to two multiples of u(c). u(c) is c times the speed,
// truncated.
struct DeathCue {
    BunnyPose action;
    int frames;
    int cursor;  // 0 for none, else t1 to t12
    struct {
        int count, c;
    } terms[2];
};

constexpr int kDeathScriptLength = 45;
extern const DeathCue kDeathScript[kDeathScriptLength];

// The script's step numbers at a speed: cue i's frames and delay.
int DeathCueFrames(const DeathCue& cue, float speed);
int DeathCueDelay(const DeathCue& cue, float speed);
// The speed the script really plays at: slower than 0.2 would give poses of
// no steps, so it is raised to 0.2 (and bounded above so step counts fit).
float DeathScriptSpeed(float speed);
