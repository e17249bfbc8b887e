// The army scene on a driven clock: sounds, the army in step, the Robot's
// walk, the hand-on to the spiral, restarts, texture modes, and pictures.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/keys.h"
#include "figures/rodent_record.h"
#include "game_test_support.h"
#include "scene_test_support.h"
#include "scenes/army.h"
#include "scenes/army_script.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

// Timelines are played small: what is checked is when things happen.
const int kSmallW = 64, kSmallH = 48;

struct Shot {
    int frame;
    const char* name;
};

class ArmyScene : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartFromGlDefaults());
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static bool loaded = false;
        if (!loaded) StartTestSound();
        loaded = true;
        UseFakeClock(1000, 1);  // every reading moves time on by 1 ms
        SeedRandomWith(7);
        RecordSoundCues(&records);
        ClearKeyStates();
        Reshape(kSmallW, kSmallH);
    }
    void TearDown() override {
        RecordSoundCues(nullptr);
        UseRealClock();
        StopKombat();
        ResetToTitle();
        Reshape(kShotW, kShotH);
    }

    // One frame, directly or through the display callback, its cues logged;
    // a frame named in shots is drawn full size and saved.
    void Frame(bool viaDisplay = false) {
        auto shot = std::find_if(shots.begin(), shots.end(), [](const Shot& s) { return s.frame == ArmyFrame() + 1; });
        if (viaDisplay) Display();
        else if (shot == shots.end()) DrawArmySceneFrame(kSmallW, kSmallH);
        else {
            DrawArmySceneFrame(kShotW, kShotH);
            EXPECT_GT(SaveFrame(shotDir, shot->name), 10.0) << shot->name;  // the desert fills it
        }
        TakeCues(&records, &log, ArmyFrame());
    }

    std::vector<Shot> shots;
    std::string shotDir;
    std::vector<SoundCueRecord> records;
    std::vector<LoggedCue> log;
};

bool SameFields(const Rodent* a, const Rodent* b) { return std::memcmp(a->field, b->field, sizeof a->field) == 0; }

void ExpectNear3(const float* got, float x, float y, float z, float tol, const char* what) {
    EXPECT_TRUE(std::abs(got[0] - x) <= tol && std::abs(got[1] - y) <= tol && std::abs(got[2] - z) <= tol)
        << what << ": " << got[0] << " " << got[1] << " " << got[2];
}

// The second viewing is checked, the first cut short at frame 300. Its last
// frames go through the display callback, which starts the spiral scene on
// the end frame; that start stops the march.
TEST_F(ArmyScene, PlaysItsSoundsOnTheirFramesAndEndsAt2608EveryViewing) {
    shotDir = ScratchDir("army_scene");
    shots = {{60, "army_0060_marching_in"}, {330, "army_0330_rows"}, {700, "army_0700_sit_and_lie"},
             {1000, "army_1000_bow"}, {1700, "army_1700_dodecahedron"}, {2120, "army_2120_robot"},
             {2330, "army_2330_dance"}};
    // What the display callback turns on before a frame of the scene.
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1, GL_TEXTURE_2D}) glEnable(cap);
    StartArmyScene();
    while (ArmyFrame() < 300) Frame();
    log.clear();
    StartArmyScene();
    float angleBefore = ArmyDodecahedronAngle();
    Rodent* rest = NewRodent();
    int outOfStep = 0, moved = 0, frames = 0;
    gameState = kStateArmy;
    while (gameState == kStateArmy && frames < 3000) {
        Frame(ArmyFrame() >= 2600);
        int frame = ArmyFrame();
        ++frames;
        // All forty move in step, and they do move.
        for (int i = 1; i < kArmySize; ++i) outOfStep += SameFields(GetArmyRodent(0), GetArmyRodent(i)) ? 0 : 1;
        if (frame % 50 == 0 && !SameFields(GetArmyRodent(0), rest)) ++moved;
        if (frame >= 100) ExpectNear3(ArmyGroupPos(), -1.025f, -0.825f, 2.5f, 1e-4f, "group halted");
        // The Robot waits off to the right, then takes exactly 101 steps.
        if (frame == kArmyRobotStart - 1) ExpectNear3(ArmyRobotPos(), 3.8f, 1.0f, 0, 0, "robot waits");
        if (frame == kArmyRobotStart) ExpectNear3(ArmyRobotPos(), 3.762f, 0.996f, 0, 1e-5f, "first step");
        if (frame >= kArmyRobotEnd) ExpectNear3(ArmyRobotPos(), -0.038f, 0.596f, 0, 1e-4f, "robot at rest");
    }
    DeleteRodent(rest);
    EXPECT_EQ(frames, kArmyEndFrame);
    EXPECT_EQ(gameState, kStateSpiral);
    EXPECT_EQ(log, (std::vector<LoggedCue>{
                       {1, "march.wav", kSoundLoop}, {98, "newbie1.wav", kSoundPlay}, {479, "gr1.wav", kSoundPlay},
                       {588, "newbie2.wav", kSoundPlay}, {630, "gr2.wav", kSoundPlay}, {903, "newbie3.wav", kSoundPlay},
                       {927, "gr3a.wav", kSoundPlay}, {1237, "gr3b.wav", kSoundPlay}, {1557, "gr3c.wav", kSoundPlay},
                       {1701, "newbie4.wav", kSoundPlay}, {1856, "gr4.wav", kSoundPlay}, {2086, "gr5.wav", kSoundPlay},
                       {2473, "stopmenace.wav", kSoundPlay}, {2608, "toccata.wav", kSoundStop},
                       {2608, "march.wav", kSoundStop}, {2608, "kombat.wav", kSoundLoop}}));
    EXPECT_EQ(outOfStep, 0);
    EXPECT_GT(moved, 40);
    ExpectNear3(ArmyRobotRot(), 30.05f, 0.9f, 0, 1e-3f, "robot turned");
    // 1569 to 1967: 399 turns of a degree, on from the last viewing's.
    EXPECT_FLOAT_EQ(ArmyDodecahedronAngle(), angleBefore + 399);
}

// Each rank's cues are queued on all forty (those at 0 have already run), and
// no figure is given two poses on one frame.
TEST_F(ArmyScene, EveryRankGetsEveryArmyCueAndNoFigureTwoPosesAtOnce) {
    const std::vector<PoseCue<RodentPose>>& cues = ArmyPoseCues();
    int queued[kArmyActorCount] = {0, 0, 0};
    for (const PoseCue<RodentPose>& c : cues) {
        queued[c.actor] += c.delay == 0 ? 0 : 1;
        EXPECT_EQ(std::count_if(cues.begin(), cues.end(),
                                [&](const PoseCue<RodentPose>& o) { return o.actor == c.actor && o.delay == c.delay; }),
                  1) << "actor " << c.actor << " at " << c.delay;
    }
    StartArmyScene();
    EXPECT_EQ(CountAnimActions(GetArmySpeaker(0)->anim), queued[kArmySpeakerA]);
    EXPECT_EQ(CountAnimActions(GetArmySpeaker(1)->anim), queued[kArmySpeakerB]);
    QueueArmyDance();  // its rest at 0 runs at once, its eleven steps wait
    for (int i = 0; i < kArmySize; ++i) EXPECT_EQ(CountAnimActions(GetArmyRodent(i)->anim), queued[kArmyRanks] + 11) << i;
}

// A press of "s" skips on to the spiral scene at once; the march plays on
// until that scene's start stops it.
TEST_F(ArmyScene, ASkipHandsOnToTheSpiralSceneAndItStopsTheMarch) {
    StartArmyScene();
    gameState = kStateArmy;
    while (ArmyFrame() < 50) Frame(true);
    KeyboardDown('s', 0, 0);
    Frame(true);
    KeyboardUp('s', 0, 0);
    EXPECT_EQ(gameState, kStateSpiral);
    std::vector<LoggedCue> music;
    std::copy_if(log.begin(), log.end(), std::back_inserter(music),
                 [](const LoggedCue& c) { return c.file == "march.wav" || c.file == "kombat.wav"; });
    EXPECT_EQ(music, (std::vector<LoggedCue>{{1, "march.wav", kSoundLoop}, {51, "march.wav", kSoundStop},
                                             {51, "kombat.wav", kSoundLoop}}));
}

// The Robot leaves decal mode behind, other screens modulate: the desert in
// the top left corner is the same whatever a frame finds.
TEST_F(ArmyScene, TheBackdropIsTheSameWhateverTextureStateAFrameFinds) {
    unsigned char want[3] = {0, 0, 0};
    StartArmyScene();
    for (GLint mode : {GL_REPLACE, GL_MODULATE, GL_DECAL, GL_BLEND, 0}) {  // 0: texturing off
        glEnable(GL_TEXTURE_2D);
        if (mode) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
        else glDisable(GL_TEXTURE_2D);
        DrawArmySceneFrame(kShotW, kShotH);
        unsigned char got[3];
        glReadBuffer(GL_BACK);
        glReadPixels(4, kShotH - 4, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, got);
        if (mode == GL_REPLACE) std::copy(got, got + 3, want);
        EXPECT_GT(want[0] + want[1] + want[2], 60) << "the desert is drawn";
        EXPECT_TRUE(std::equal(got, got + 3, want)) << mode;
    }
    glEnable(GL_TEXTURE_2D);
}

}  // namespace
