#include "scenes/palace_script.h"

#include "figures/bunny.h"
#include "figures/bunny_scene_poses.h"
#include "scenes/palace.h"
#include "sound/sound.h"

namespace {

constexpr int A = kPalaceActorA;  // lounge wear; answers, then burns
constexpr int B = kPalaceActorB;  // robe; speaks first, then steps about

// The speaker gestures every 20 frames; the listener every 30. B's voice
// lines fall just before its Talk1/Talk2 runs, A's just before its
// Talk3/Talk4 runs (see the sound cues below).
const PoseRun<BunnyPose> kPalaceRuns[] = {
    // Both sit down: at once, then settled over 15 frames.
    {0, 0, 0, PosePalaceRobeTalk1, nullptr, B, 1},
    {0, 0, 0, PosePalaceLoungeSeat, nullptr, A, 1},
    {2, 2, 0, PosePalaceRobeTalk1, nullptr, B, 15},
    {2, 2, 0, PosePalaceLoungeSeat, nullptr, A, 15},

    // Turn 1: B speaks.
    {17, 237, 20, PosePalaceRobeTalk1, PosePalaceRobeTalk2, B, 20},
    {17, 227, 30, PosePalaceLoungeTalk1, PosePalaceLoungeTalk2, A, 30},
    // Turn 2: A answers.
    {257, 637, 20, PosePalaceLoungeTalk3, PosePalaceLoungeTalk4, A, 20},
    {257, 617, 30, PosePalaceRobeTalk3, PosePalaceRobeTalk4, B, 30},
    // Turn 3: B.
    {657, 797, 20, PosePalaceRobeTalk1, PosePalaceRobeTalk2, B, 20},
    {657, 777, 30, PosePalaceLoungeTalk1, PosePalaceLoungeTalk2, A, 30},
    // Turn 4: A.
    {817, 997, 20, PosePalaceLoungeTalk3, PosePalaceLoungeTalk4, A, 20},
    {817, 967, 30, PosePalaceRobeTalk3, PosePalaceRobeTalk4, B, 30},
    // Both look aside, then raise their brows.
    {1007, 1007, 0, PosePalaceRobeLook, nullptr, B, 40},
    {1007, 1007, 0, PosePalaceLoungeLook, nullptr, A, 40},
    {1052, 1052, 0, PosePalaceRobeBrows, nullptr, B, 20},
    {1052, 1052, 0, PosePalaceLoungeBrows, nullptr, A, 20},
    // Turn 5: B.
    {1092, 1672, 20, PosePalaceRobeTalk1, PosePalaceRobeTalk2, B, 20},
    {1062, 1662, 30, PosePalaceLoungeTalk1, PosePalaceLoungeTalk2, A, 30},
    // Turn 6: A.
    {1692, 1892, 20, PosePalaceLoungeTalk3, PosePalaceLoungeTalk4, A, 20},
    {1692, 1902, 30, PosePalaceRobeTalk3, PosePalaceRobeTalk4, B, 30},

    // A catches fire, stands (its chair tips), blackens, shudders, smokes,
    // turns to ash grey and burns down.
    {1912, 1912, 0, StartBunnyEmitter0, nullptr, A, 135},
    {1932, 1932, 0, PosePalaceLoungeStand, nullptr, A, 10},
    {1952, 1952, 0, StartBunnyEmitter1, nullptr, A, 85},
    {1952, 1952, 0, StartBunnyEmitter2, nullptr, A, 75},
    {1952, 1952, 0, PoseFadeBlack, nullptr, A, 60},
    {1952, 2122, 10, PoseShudderPalaceA, PoseShudderPalaceB, A, 10},
    {2012, 2012, 0, PoseFadeGreyOutfit4, nullptr, A, 40},
    {2067, 2067, 0, StartBunnyEmitter1Smoke, nullptr, A, 100},
    {2077, 2077, 0, StartBunnyEmitter1Smoke, nullptr, A, 10},
    {2172, 2172, 0, PoseBurnTiltPalace, nullptr, A, 15},
    {2187, 2247, 15, PoseBurnSpin1Palace, PoseBurnSwayPalace, A, 15},
    {2262, 2262, 0, PoseBurnSwayPalace, nullptr, A, 20},
    {2282, 2282, 0, RestoreBunnyEmitter1Fire, nullptr, A, 20},
    {2302, 2302, 0, PoseBurnStaggerPalace, nullptr, A, 7},

    // B meanwhile: alarmed gestures, then stepping about, with one nod.
    {1932, 2007, 15, PosePalaceRobeTalk5, PosePalaceRobeTalk6, B, 15},
    {2022, 2352, 15, PosePalaceRobeStep1, PosePalaceRobeStep2, B, 15},
    {2299, 2299, 0, PosePalaceRobeNod, nullptr, B, 7},
};

// Each voice line starts a little before the run of gestures it goes with;
// the combustion sounds with B's step at 2307.
const FrameCue kPalaceSounds[kPalaceSoundCueCount] = {
    {1, LoopToccata},
    {3, PlayStory1B1_1},      // B's first turn
    {247, PlayStory1B2_1},    // A's run from 257
    {647, PlayStory1B1_2},    // B's run from 657
    {807, PlayStory1B2_2},    // A's run from 817
    {1080, PlayStory1B1_3},   // B's run from 1092
    {1679, PlayStory1B2_3},   // A's run from 1692
    {2307, PlayCombust},
    {kPalaceEndFrame, StopToccata},
};

}  // namespace

const std::vector<PoseCue<BunnyPose>>& PalacePoseCues() {
    static const std::vector<PoseCue<BunnyPose>> cues = ExpandPoseRuns(kPalaceRuns);
    return cues;
}

const FrameCue* PalaceSoundCues() { return kPalaceSounds; }
