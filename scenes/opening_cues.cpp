#include "scenes/opening_cues.h"

#include <iterator>

#include "figures/bunny.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_scene_poses.h"

namespace {

const OpeningCue kCues1[] = {
    {PosePeekHide, 1, 0},
    {PosePeekUp, 30, 42},
    {PosePeekTurnA, 15, 120},
    {PosePeekTurnB, 30, 180},
    {PosePeekUp, 15, 255},
    {PosePeekHide, 20, 290},
    {PoseOpeningLean, 1, 360},
    {PoseOpeningSlide, 85, 400},
    {PoseOpeningEarsBrows, 10, 505},
    {PoseOpeningEyesBack, 5, 600},
    {PoseOpeningEarsRest, 5, 630},
    {PoseOpeningSlideBack, 10, 650},
};

const OpeningCue kCues2[] = {
    {PoseHopGather, 5, 10},
    {PoseHopPush, 10, 15},
    {PoseHopFly, 7, 25},
    {PoseHopReach, 5, 32},
    {PoseHopLand, 7, 37},
    {PoseHopLookA, 20, 66},
    {PoseHopLand, 15, 100},
    {PoseHopLookB, 15, 120},
    {PoseHopHeadTilt, 10, 163},
    {PoseHopLookB, 5, 195},
    {PoseHopLand, 10, 205},
    {PoseHopGather2, 5, 217},
    {PoseHopPush2, 10, 222},
    {PoseHopFly2, 7, 232},
    {PoseHopReach2, 5, 239},
    {PoseHopLand2, 7, 244},
    {PoseHopStandUp, 60, 255},
    {PoseOpeningCrouch, 40, 340},
    {PoseOpeningJump, 12, 382},
    {PoseOpeningHalfFlip, 12, 394},
    {PoseOpeningFullFlip, 12, 406},
    {PoseOpeningLand, 12, 418},
};

// One row of the third batch: repeat cues of length frames, alternating
// between pose and alt (when given), each moving the delay cursor on by
// advance frames (its own length and any pause after it, or less where the
// next cue overlaps it). All three numbers are base lengths, scaled by speed.
struct CueRun {
    BunnyPose pose;
    BunnyPose alt;
    int length;
    int advance;
    int repeat;
};

const CueRun kCues3[] = {
    {PoseOpeningStand, nullptr, 1, 21, 1},
    // The wave, with the legs' fire lit on one beat of it.
    {PoseWaveUp, nullptr, 20, 5, 1},
    {PoseWaveUp, PoseWaveDown, 5, 5, 19},
    {StartBunnyEmitter2, nullptr, 230, 5, 1},
    {PoseWaveUp, PoseWaveDown, 5, 5, 10},
    {PoseWaveUp, nullptr, 10, 10, 1},
    {PoseWaveDown, nullptr, 15, 15, 1},
    {PoseWaveUp, nullptr, 20, 20, 1},
    {PoseWaveDown, nullptr, 20, 44, 1},
    // The face, while the fire climbs from the legs to the head.
    {PoseHeadStraight, nullptr, 25, 45, 1},
    {PoseBrowRaise, nullptr, 20, 152, 1},
    {PoseSquint, nullptr, 82, 127, 1},
    {PoseOpeningStand, nullptr, 10, 10, 1},
    {PoseFlinchOpening, nullptr, 40, 100, 1},
    {StartBunnyEmitter2, nullptr, 300, 5, 1},
    {PoseOpeningStand, nullptr, 3, 6, 1},
    {PoseEyesWideOpening, nullptr, 10, 10, 1},
    {PoseOpeningStand, nullptr, 10, 24, 1},
    {StartBunnyEmitter1, nullptr, 270, 15, 1},
    {PoseEarsForwardOpening, nullptr, 20, 45, 1},
    {StartBunnyEmitter0, nullptr, 245, 5, 1},
    // Burning: the colours fade under the shudders, the chest turns to smoke.
    {PoseFadeBlack, nullptr, 80, 0, 1},
    {PoseShudderOpeningB, PoseShudderOpeningA, 10, 10, 8},
    {PoseFadeGreyOutfit4, nullptr, 60, 0, 1},
    {PoseShudderOpeningB, PoseShudderOpeningA, 10, 10, 18},
    {StartBunnyEmitter1SmokeOpening, nullptr, 100, 0, 1},
    {PoseShudderOpeningB, PoseShudderOpeningA, 10, 10, 7},
    {nullptr, nullptr, 0, 165, 1},  // a pause while it smoulders
    // The collapse.
    {PoseBurnTiltOpening, nullptr, 15, 15, 1},
    {PoseBurnSpin1Opening, nullptr, 15, 16, 1},
    {PoseBurnSpin2Opening, nullptr, 30, 30, 1},
    {PoseBurnSpin3Opening, nullptr, 15, 16, 1},
    {PoseBurnSpin4Opening, nullptr, 30, 30, 1},
    {PoseBurnSwayOpening, PoseBurnSpin4Opening, 20, 20, 7},
    {PoseBurnStaggerOpening, nullptr, 7, 85, 1},
    {PoseBurnCollapseOpening, nullptr, 5, 6, 1},
    {PoseBurnStaggerOpening, nullptr, 5, 5, 1},
};

int Scaled(int base, float speed) { return int(float(base) * speed); }

}  // namespace

std::vector<OpeningCue> OpeningCues1() { return {std::begin(kCues1), std::end(kCues1)}; }

std::vector<OpeningCue> OpeningCues2() { return {std::begin(kCues2), std::end(kCues2)}; }

std::vector<OpeningCue> OpeningCues3(float speed) {
    std::vector<OpeningCue> cues;
    int cursor = 0;
    for (const CueRun& run : kCues3) {
        for (int i = 0; i < run.repeat; ++i) {
            BunnyPose pose = (i % 2 == 1 && run.alt) ? run.alt : run.pose;
            if (pose) cues.push_back({pose, Scaled(run.length, speed), cursor});
            cursor += Scaled(run.advance, speed);
        }
    }
    return cues;
}

void QueueOpeningCues(Bunny* bunny, const std::vector<OpeningCue>& cues) {
    for (const OpeningCue& cue : cues) ScheduleBunnyAction(cue.pose, bunny, cue.duration, cue.delay);
}
