#include "scenes/army_script.h"

#include "sound/sound.h"

namespace {

constexpr int R = kArmyRanks;
constexpr int A = kArmySpeakerA;  // lilac
constexpr int B = kArmySpeakerB;  // olive

typedef PoseRun<RodentPose> Run;

// A phrase is a short table of runs timed from 0; the script places it at
// one or more frames.
struct Phrase {
    const Run* runs;
    int count;
};
template <int N>
constexpr Phrase PhraseOf(const Run (&runs)[N]) {
    return {runs, N};
}

// March in, a step every 10 frames.
const Run kMarchIn[] = {
    {0, 320, 10, RodentMarchStepAPose, RodentMarchStepBPose, R, 10},
};

// Seven hops: rest 5, hop 10, and the seventh hop a short one of 5.
const Run kHopSet[] = {
    {0, 90, 15, RodentRestPose, nullptr, R, 5},
    {5, 80, 15, RodentHopSpreadPose, nullptr, R, 10},
    {95, 95, 0, RodentHopSpreadPose, nullptr, R, 5},
};
const Run kHopsDone[] = {
    {0, 0, 0, RodentRestPose, nullptr, R, 5},
};

// Sit and lie by turns, the last two quicker, then stand.
const Run kSitAndLie[] = {
    {0, 220, 20, RodentSitPose, RodentLiePose, R, 20},
    {240, 250, 10, RodentSitPose, RodentLiePose, R, 10},
    {260, 260, 0, RodentRestPose, nullptr, R, 10},
};

// A bow: down, three times deeper and back up a little, then up.
const Run kBowSet[] = {
    {0, 0, 0, RodentBowHighPose, nullptr, R, 10},
    {10, 10, 0, RodentBowLowPose, nullptr, R, 5},
    {15, 115, 20, RodentBowDeepPose, RodentBowLowPose, R, 20},
    {135, 135, 0, RodentBowHighPose, nullptr, R, 5},
};
const Run kBowsDone[] = {
    {0, 0, 0, RodentRestPose, nullptr, R, 20},
};

// One sideways roll over and back, 180 frames.
const Run kRollCycle[] = {
    {0, 0, 0, RodentRollTiltPose, nullptr, R, 20},
    {20, 20, 0, RodentRollHalfPose, nullptr, R, 20},
    {40, 40, 0, RodentRollFullPose, nullptr, R, 20},
    {60, 60, 0, RodentRollFullMirrorPose, nullptr, R, 50},
    {110, 110, 0, RodentRollHalfPose, nullptr, R, 20},
    {130, 130, 0, RodentRollTiltPose, nullptr, R, 20},
    {160, 160, 0, RodentRestPose, nullptr, R, 20},
};

// The rest step and the dance, 10 frames a step; the script closes it with
// one more rest.
const Run kDance[] = {
    {0, 0, 0, RodentRestPose, nullptr, R, 10},
    {16, 16, 0, RodentDanceKickPose, nullptr, R, 10},
    {26, 26, 0, RodentDanceHalfSpinPose, nullptr, R, 10},
    {36, 36, 0, RodentDanceFullSpinPose, nullptr, R, 10},
    {46, 46, 0, RodentDanceArmsOutPose, nullptr, R, 10},
    {59, 59, 0, RodentDanceTiltAPose, nullptr, R, 10},
    {69, 69, 0, RodentDanceHandstandPose, nullptr, R, 10},
    {81, 81, 0, RodentDanceTiltBPose, nullptr, R, 10},
    {91, 91, 0, RodentDanceQuarterTurnPose, nullptr, R, 10},
    {101, 101, 0, RodentDanceKickTurnPose, nullptr, R, 10},
    {116, 116, 0, RodentDanceThreeQuarterPose, nullptr, R, 10},
    {126, 126, 0, RodentDanceLandPose, nullptr, R, 10},
};
const Run kDanceDone[] = {
    {136, 136, 0, RodentRestPose, nullptr, R, 10},
};

// The speakers stand, then talk in turns: each voice line (see the sound
// cues) starts a little before its speaker's run of gestures. The olive
// speaker gestures every 10 frames in its first turn, every 5 after.
const Run kSpeakers[] = {
    {0, 0, 0, RodentLilacStandPose, nullptr, A, 110},
    {0, 0, 0, RodentOliveStandPose, nullptr, B, 110},
    {110, 470, 10, RodentOliveTalk1Pose, RodentOliveTalk2Pose, B, 10},
    {491, 591, 10, RodentLilacTalk1Pose, RodentLilacTalk2Pose, A, 10},
    {600, 630, 5, RodentOliveTalk1Pose, RodentOliveTalk2Pose, B, 5},
    {642, 902, 10, RodentLilacTalk1Pose, RodentLilacTalk2Pose, A, 10},
    {914, 929, 5, RodentOliveTalk1Pose, RodentOliveTalk2Pose, B, 5},
    {939, 1049, 10, RodentLilacTalk1Pose, RodentLilacTalk2Pose, A, 10},
    {1059, 1549, 10, RodentLilacTalk3Pose, RodentLilacTalk4Pose, A, 10},
    {1559, 1559, 0, RodentLilacTalk5Pose, nullptr, A, 10},
    {1569, 1699, 10, RodentLilacTalk6Pose, RodentLilacTalk7Pose, A, 10},
    {1713, 1858, 5, RodentOliveTalk1Pose, RodentOliveTalk2Pose, B, 5},
    {1868, 1958, 10, RodentLilacTalk6Pose, RodentLilacTalk7Pose, A, 10},
    {1968, 1968, 0, RodentLilacTalk8Pose, nullptr, A, 10},
    {2098, 2398, 10, RodentLilacTalk8Pose, RodentLilacTalk9Pose, A, 10},
};

struct PhraseAt {
    Phrase phrase;
    int frame;
};

// The whole viewing. The last dance starts after the scene's end and never
// plays; it is queued all the same.
const PhraseAt kArmyScript[] = {
    {PhraseOf(kMarchIn), 0},
    {PhraseOf(kHopSet), 335},    {PhraseOf(kHopSet), 435},    {PhraseOf(kHopSet), 535},
    {PhraseOf(kHopsDone), 635},
    {PhraseOf(kSitAndLie), 640},
    {PhraseOf(kBowSet), 920},    {PhraseOf(kBowSet), 1070},   {PhraseOf(kBowSet), 1220},
    {PhraseOf(kBowsDone), 1360},
    {PhraseOf(kRollCycle), 1390}, {PhraseOf(kRollCycle), 1570},
    {PhraseOf(kDance), 1750},    {PhraseOf(kDanceDone), 1750},
    {PhraseOf(kRollCycle), 1906}, {PhraseOf(kRollCycle), 2086},
    {PhraseOf(kDance), 2266},    {PhraseOf(kDanceDone), 2266},
    {PhraseOf(kRollCycle), 2422}, {PhraseOf(kRollCycle), 2602},
    {PhraseOf(kDance), 2782},    {PhraseOf(kDanceDone), 2782},
    {PhraseOf(kSpeakers), 0},
};

void AppendPhrase(std::vector<PoseCue<RodentPose>>* cues, const Phrase& p, int frame) {
    for (PoseCue<RodentPose> c : ExpandPoseRuns(p.runs, p.count)) {
        c.delay += frame;
        cues->push_back(c);
    }
}

std::vector<PoseCue<RodentPose>> ExpandScript() {
    std::vector<PoseCue<RodentPose>> cues;
    for (const PhraseAt& at : kArmyScript) AppendPhrase(&cues, at.phrase, at.frame);
    return cues;
}

// The newbie lines come just before the olive speaker's turns, the gr lines
// just before the lilac speaker's.
const FrameCue kArmySounds[kArmySoundCueCount] = {
    {1, LoopMarch},       {98, PlayNewbie1},  {479, PlayGr1},   {588, PlayNewbie2},
    {630, PlayGr2},       {903, PlayNewbie3}, {927, PlayGr3a},  {1237, PlayGr3b},
    {1557, PlayGr3c},     {1701, PlayNewbie4}, {1856, PlayGr4}, {2086, PlayGr5},
    {2473, PlayStopMenace},
};

}  // namespace

const std::vector<PoseCue<RodentPose>>& ArmyPoseCues() {
    static const std::vector<PoseCue<RodentPose>> cues = ExpandScript();
    return cues;
}

const std::vector<PoseCue<RodentPose>>& ArmyDanceCues() {
    static const std::vector<PoseCue<RodentPose>> cues = ExpandPoseRuns(kDance);
    return cues;
}

const FrameCue* ArmySoundCues() { return kArmySounds; }
