// The cue functions: which sample each hands to the scheduler, how, and what
// happens when there is nothing to hand.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/keys.h"
#include "sound/sound.h"
#include "test_support.h"

namespace {

struct ExpectedCue {
    void (*cue)();
    const char* file;
    SoundAction action;
    int priority;
};

// Effects 5, the death sounds 14, voices 15; every loop 16.
const ExpectedCue kExpected[] = {
    {LoopTechno, "techno.wav", kSoundLoop, 16},
    {StopTechno, "techno.wav", kSoundStop, 0},
    {LoopIntroTechno, "introtechno.wav", kSoundLoop, 16},
    {StopIntroTechno, "introtechno.wav", kSoundStop, 0},
    {LoopToccata, "toccata.wav", kSoundLoop, 16},
    {StopToccata, "toccata.wav", kSoundStop, 0},
    {LoopMarch, "march.wav", kSoundLoop, 16},
    {StopMarch, "march.wav", kSoundStop, 0},
    {LoopKombat, "kombat.wav", kSoundLoop, 16},
    {StopKombat, "kombat.wav", kSoundStop, 0},
    {PlayLaser, "laser.wav", kSoundPlay, 5},
    {PlayRobotGun, "robotgun.wav", kSoundPlay, 5},
    {PlayHitWall, "hitwall.wav", kSoundPlay, 5},
    {PlayElastic, "elastic.wav", kSoundPlay, 5},
    {PlayDeath, "death.wav", kSoundPlay, 14},
    {PlayFalling, "falling.wav", kSoundPlay, 14},
    {PlayScream, "scream.wav", kSoundPlay, 14},
    {PlayCombust, "combust.wav", kSoundPlay, 15},
    {PlayStory1B1_1, "story1-b1-1.wav", kSoundPlay, 15},
    {PlayStory1B2_1, "story1-b2-1.wav", kSoundPlay, 15},
    {PlayStory1B1_2, "story1-b1-2.wav", kSoundPlay, 15},
    {PlayStory1B2_2, "story1-b2-2.wav", kSoundPlay, 15},
    {PlayStory1B1_3, "story1-b1-3.wav", kSoundPlay, 15},
    {PlayStory1B2_3, "story1-b2-3.wav", kSoundPlay, 15},
    {PlayMarsk, "marsk.wav", kSoundPlay, 15},
    {PlayTerLurio, "terlurio.wav", kSoundPlay, 15},
    {PlayTobbin, "tobbin.wav", kSoundPlay, 15},
    {PlayCrail, "crail.wav", kSoundPlay, 15},
    {PlayStopMenace, "stopmenace.wav", kSoundPlay, 15},
    {PlayFourHeros, "fourheros.wav", kSoundPlay, 15},
    {PlayGr1, "gr1.wav", kSoundPlay, 15},
    {PlayGr2, "gr2.wav", kSoundPlay, 15},
    {PlayGr3a, "gr3a.wav", kSoundPlay, 15},
    {PlayGr3b, "gr3b.wav", kSoundPlay, 15},
    {PlayGr3c, "gr3c.wav", kSoundPlay, 15},
    {PlayGr4, "gr4.wav", kSoundPlay, 15},
    {PlayGr5, "gr5.wav", kSoundPlay, 15},
    {PlayNewbie1, "newbie1.wav", kSoundPlay, 15},
    {PlayNewbie2, "newbie2.wav", kSoundPlay, 15},
    {PlayNewbie3, "newbie3.wav", kSoundPlay, 15},
    {PlayNewbie4, "newbie4.wav", kSoundPlay, 15},
};

void LoadFromDataFolder() {
    ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
    StartTestSound();
}

// Every cue once, recording; true when none reached the scheduler.
bool NoCueReachesTheScheduler() {
    std::vector<SoundCueRecord> records;
    RecordSoundCues(&records);
    for (const ExpectedCue& e : kExpected) e.cue();
    UpdateSound();
    RecordSoundCues(nullptr);
    return records.empty();
}

// The checks that need a process whose sounds were never loaded run in a
// fresh copy of the test program, its sound device open as in the game.
class SoundCuesFresh : public ::testing::Test {
protected:
    void SetUp() override { StartSoundDevice(); }
};

}  // namespace

TEST(SoundCues, EachCueHandsItsOwnSampleWithItsPriorityAndMode) {
    LoadFromDataFolder();
    for (const ExpectedCue& e : kExpected) {
        SCOPED_TRACE(e.file);
        std::vector<SoundCueRecord> records;
        RecordSoundCues(&records);
        e.cue();
        RecordSoundCues(nullptr);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_STREQ(records[0].file, e.file);
        EXPECT_EQ(records[0].action, e.action);
        if (e.action == kSoundStop) continue;
        EXPECT_EQ(records[0].priority, e.priority);
        // Plays give way to a more urgent sound; loops are never cut off.
        EXPECT_EQ(records[0].preempt, e.action == kSoundPlay ? 1 : 0);
    }
    StopTechno();
    StopIntroTechno();
    StopToccata();
    StopMarch();
    StopKombat();
    UpdateSound();
}

TEST(SoundCues, EveryFileIsLoadedOnceWithTheVolumeOfItsCue) {
    LoadFromDataFolder();
    LoadFromDataFolder();  // a second call keeps the samples it has
    const std::pair<const char*, float> kRaised[] = {
        {"techno.wav", 0.4f}, {"introtechno.wav", 0.4f}, {"toccata.wav", 0.4f}, {"march.wav", 0.4f},
        {"kombat.wav", 0.4f}, {"stopmenace.wav", 2.0f},  {"fourheros.wav", 2.0f}, {"gr3a.wav", 2.2f},
        {"gr3b.wav", 2.0f},   {"gr3c.wav", 2.5f},        {"gr4.wav", 2.2f},       {"gr5.wav", 2.2f},
        {"newbie4.wav", 2.2f},
    };
    int raised = 0;
    for (int i = 0; i < kSoundFileCount; ++i) {
        SCOPED_TRACE(kSoundFiles[i].file);
        EXPECT_TRUE(IsSoundLoaded(i));
        float expected = 1.0f;
        for (const auto& [file, factor] : kRaised)
            if (std::string(file) == kSoundFiles[i].file) expected = factor, ++raised;
        EXPECT_FLOAT_EQ(kSoundFiles[i].volume, expected);
    }
    EXPECT_EQ(raised, 13);
    EXPECT_FALSE(IsSoundLoaded(-1));
    EXPECT_FALSE(IsSoundLoaded(kSoundFileCount));
}

TEST(SoundCues, ReturningToTheTitleStopsThePlayMusicOnly) {
    LoadFromDataFolder();
    std::vector<SoundCueRecord> records;
    RecordSoundCues(&records);
    ResetToTitle();
    RecordSoundCues(nullptr);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0].file, "techno.wav");
    EXPECT_EQ(records[0].action, kSoundStop);
}

TEST(SoundCues, HoldingTheAKeyStopsAllFiveLoopsInAnyState) {
    ASSERT_TRUE(EnsureGlContext());
    LoadFromDataFolder();
    for (int state : {kStateMenus, kStatePalace, kStateArmy, kStateSpiral}) {
        SCOPED_TRACE(state);
        gameState = state;
        ClearKeyStates();
        KeyboardDown('a', 0, 0);
        std::vector<SoundCueRecord> records;
        RecordSoundCues(&records);
        Idle();
        RecordSoundCues(nullptr);
        KeyboardUp('a', 0, 0);
        std::vector<std::string> stopped;
        for (const SoundCueRecord& r : records)
            if (r.action == kSoundStop) stopped.push_back(r.file);
        for (const char* loop : {"techno.wav", "introtechno.wav", "toccata.wav", "march.wav", "kombat.wav"})
            EXPECT_NE(std::find(stopped.begin(), stopped.end(), loop), stopped.end()) << loop;
        EXPECT_EQ(gameState, kStateMenus);
    }
}

TEST_F(SoundCuesFresh, CuesBeforeLoadingDoNothing) {
    // As at start-up, where the title reset runs before the sounds are loaded.
    EXPECT_EXIT(
        {
            ResetToTitle();
            std::exit(NoCueReachesTheScheduler() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SoundCuesFresh, MissingFilesLeaveTheirCuesSilent) {
    const std::string empty = ScratchDir("sound_no_files");
    EXPECT_EXIT(
        {
            if (chdir(empty.c_str()) != 0) std::exit(2);
            LoadSounds();  // PLIB complains about each file and the game goes on
            for (int i = 0; i < kSoundFileCount; ++i)
                if (IsSoundLoaded(i)) std::exit(3);
            std::exit(NoCueReachesTheScheduler() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
