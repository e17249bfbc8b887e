// The palace and spiral scenes played through on a driven clock: how long
// each lasts, which sounds fire on which frame, the teapot and its steam, the
// chair, the slides and outfit changes, restarts, and pictures of a few
// moments for a person to look at.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/frame.h"
#include "core/keys.h"
#include "effects/emitter.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "game_test_support.h"
#include "scene_test_support.h"
#include "scenes/palace.h"
#include "scenes/palace_script.h"
#include "scenes/spiral.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

// Timelines are played in a small window: what is checked is when things
// happen, not how they look.
const int kSmallW = 64, kSmallH = 48;

class StoryScenes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static bool loaded = false;
        if (!loaded) {
            LoadSounds();
            LoadPalaceTextures();
            loaded = true;
        }
        UseFakeClock(1000, 1);  // every reading moves time on by 1 ms
        SeedRandomWith(7);
        RecordSoundCues(&records);
    }
    void TearDown() override {
        RecordSoundCues(nullptr);
        UseRealClock();
    }

    // The recorded cues so far, stamped with the frame they came in.
    void TakeCues(int frame) {
        ::TakeCues(&records, &log, frame);
    }

    // Draws up to limit frames, stopping when the scene answers that it is
    // over; calls check after each; answers the frames drawn.
    int Play(int (*draw)(int, int), int (*frameOf)(), int limit,
             const std::function<void(int)>& check = nullptr) {
        for (int drawn = 1; drawn <= limit; ++drawn) {
            int over = draw(kSmallW, kSmallH);
            TakeCues(frameOf());
            if (check) check(frameOf());
            if (over) return drawn;
        }
        return limit;
    }

    std::vector<SoundCueRecord> records;
    std::vector<LoggedCue> log;
};

const std::vector<LoggedCue> kPalaceLog = {
    {1, "toccata.wav", kSoundLoop},        {3, "story1-b1-1.wav", kSoundPlay},
    {247, "story1-b2-1.wav", kSoundPlay},  {647, "story1-b1-2.wav", kSoundPlay},
    {807, "story1-b2-2.wav", kSoundPlay},  {1080, "story1-b1-3.wav", kSoundPlay},
    {1679, "story1-b2-3.wav", kSoundPlay}, {2307, "combust.wav", kSoundPlay},
    {2509, "toccata.wav", kSoundStop},
};

const std::vector<LoggedCue> kSpiralStartLog = {
    {0, "toccata.wav", kSoundStop},
    {0, "march.wav", kSoundStop},
    {0, "kombat.wav", kSoundLoop},
};

// Where the steam's newest particle must be born: the emitter's start moved
// by however far the teapot has jiggled from its own start.
void ExpectSteamFollowsTeapot(int frame, int countBefore) {
    Emitter* steam = GetPalaceSteam();
    int n = EmitterCount(steam);
    if (n <= countBefore) return;  // nothing born this frame
    const Particle* born = EmitterParticle(steam, n - 1);
    const PalaceProp& pot = GetPalaceProp(kPropTeapot);
    EXPECT_NEAR(born->y, 0.11f + (pot.y + 0.33f), 1e-5) << frame;
    EXPECT_NEAR(born->x, 0.198f + pot.x, 1e-4) << frame;  // spread 5e-5
    EXPECT_NEAR(born->z, 0.0f + (pot.z + 1.25f), 1e-4) << frame;
}

// The viewing checked is the second: the first is skipped at frame 300.
TEST_F(StoryScenes, PalacePlaysItsSoundsOnTheirFramesAndEndsAt2509EveryViewing) {
    StartPalaceScene();
    Play(DrawPalaceSceneFrame, PalaceFrame, 300);
    log.clear();
    StartPalaceScene();
    TakeCues(0);
    EXPECT_EQ(PalaceFrame(), 0);
    EXPECT_EQ(GetPalaceProp(kPropTeapot).y, -0.33f);
    EXPECT_EQ(GetPalaceProp(kPropChairA).rotZ, 0.0f);
    int born = 0, burstsBefore = 0;
    int frames = Play(DrawPalaceSceneFrame, PalaceFrame, 3000, [&](int frame) {
        // The teapot stays in its box give or take one jiggle step, and the
        // steam rises from wherever it has got to.
        const PalaceProp& pot = GetPalaceProp(kPropTeapot);
        const float slack = 0.004f + 1e-6f;
        EXPECT_TRUE(pot.x >= -0.05f - slack && pot.x <= 0.05f + slack) << frame << " x " << pot.x;
        EXPECT_TRUE(pot.y >= -0.335f - slack && pot.y <= -0.29f + slack) << frame << " y " << pot.y;
        EXPECT_TRUE(pot.z >= -1.25f - slack && pot.z <= -1.15f + slack) << frame << " z " << pot.z;
        ExpectSteamFollowsTeapot(frame, born);
        born = EmitterCount(GetPalaceSteam());
        // A's chair tips 5 degrees a frame from 1932, is over at 1949 and stays.
        float tip = GetPalaceProp(kPropChairA).rotZ;
        float expected = 5.0f * float(std::clamp(frame - 1931, 0, 18));
        EXPECT_FLOAT_EQ(tip, expected) << frame;
        // A catches fire from 1912 and has three fires burning from 1952.
        const Bunny* a = GetPalaceActor(kPalaceActorA);
        if (frame == 1911) burstsBefore = a->emitters[0].burstLength;
        if (frame == 1912) {
            EXPECT_EQ(a->emitters[0].burstLength, 135);
        }
        if (frame == 1952) {
            EXPECT_EQ(a->emitters[1].burstLength, 85);
            EXPECT_EQ(a->emitters[2].burstLength, 75);
        }
        if (frame == 2000) {
            for (int i = 0; i < 3; ++i) EXPECT_GT(EmitterCount(a->emitters[i].emitter), 100) << i;
        }
    });
    EXPECT_EQ(frames, 2509);
    EXPECT_NE(burstsBefore, 135);
    // A has blackened and then turned to ash grey in outfit 4; B is as it was.
    const Bunny* a = GetPalaceActor(kPalaceActorA);
    EXPECT_EQ(a->outfit, 4);
    for (int f : {kFurR, kEarBackR, kClothingR}) EXPECT_NEAR(a->field[f], 0.2f, 0.01f) << f;
    EXPECT_EQ(GetPalaceActor(kPalaceActorB)->outfit, 7);
    EXPECT_EQ(PalaceFrame(), 2509);
    EXPECT_EQ(log, kPalaceLog);
    EXPECT_GT(born, 5);  // it did steam
}

// Each voice line comes just before the run of gestures it goes with.
TEST_F(StoryScenes, PalaceVoicesFollowTheTalkingRunsOfTheScript) {
    const std::vector<PoseCue<BunnyPose>>& cues = PalacePoseCues();
    EXPECT_EQ(cues.size(), 225u);
    EXPECT_EQ(std::count_if(cues.begin(), cues.end(), [](auto& c) { return c.actor == kPalaceActorA; }), 114);
    // A run starts where no partner gesture came 20 frames before.
    auto runStarts = [&](BunnyPose pose, BunnyPose partner, int actor) {
        std::vector<int> starts;
        for (const PoseCue<BunnyPose>& c : cues) {
            if (c.pose != pose || c.actor != actor || c.duration != 20) continue;
            if (std::none_of(cues.begin(), cues.end(), [&](const PoseCue<BunnyPose>& p) {
                    return p.actor == actor && p.pose == partner && p.delay == c.delay - 20;
                }))
                starts.push_back(c.delay);
        }
        return starts;
    };
    std::vector<int> b = runStarts(PosePalaceRobeTalk1, PosePalaceRobeTalk2, kPalaceActorB);
    std::vector<int> a = runStarts(PosePalaceLoungeTalk3, PosePalaceLoungeTalk4, kPalaceActorA);
    ASSERT_EQ(b.size(), 3u);
    ASSERT_EQ(a.size(), 3u);
    const int voiceFrames[6] = {15 - 12, a[0] - 10, b[1] - 10, a[1] - 10, b[2] - 12, a[2] - 13};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PalaceSoundCues()[1 + i].frame, voiceFrames[i]) << i + 1;
}

// The viewing checked is the second: the first is skipped in the middle of
// its first slide, which must not leave the Bunny off-centre.
TEST_F(StoryScenes, SpiralSlidesOutAndBackInThreeTimesAndEndsAt859EveryViewing) {
    StartSpiralScene();
    Play(DrawSpiralSceneFrame, SpiralFrame, kSpiralOutfitFrames[0] + 5);
    ASSERT_LT(SpiralStarX(), -0.5f);
    log.clear();
    StartSpiralScene();
    TakeCues(0);
    EXPECT_EQ(SpiralFrame(), 0);
    EXPECT_EQ(SpiralStarX(), 0.0f);
    EXPECT_EQ(SpiralSlideSpeed(), 0.0f);
    std::vector<int> outfitFrames;
    int outfit = GetSpiralStar()->outfit;
    int frames = Play(DrawSpiralSceneFrame, SpiralFrame, 1000, [&](int frame) {
        const Bunny* star = GetSpiralStar();
        if (star->outfit != outfit) {
            outfit = star->outfit;
            outfitFrames.push_back(frame);
            // Each outfit's accessories: glasses, whiskers, face mark.
            const int kAccessories[4][3] = {{0, 1, 0}, {1, 1, 0}, {0, 0, 1}, {0, 1, 0}};
            const int* want = kAccessories[std::clamp(outfit, 0, 3)];
            EXPECT_EQ((std::vector<int>{star->glasses, star->whiskers, star->faceMark}),
                      (std::vector<int>{want[0], want[1], want[2]})) << "outfit " << outfit;
        }
        if (frame < kSpiralOutfitFrames[0]) {
            EXPECT_EQ(SpiralStarX(), 0.0f) << frame;
        }
        for (int e : kSpiralOutfitFrames) {
            if (frame == e + 15) {
                EXPECT_NEAR(SpiralStarX(), -3.0f, 1e-4) << frame;
            }
            if (frame == e + 16) {
                EXPECT_FLOAT_EQ(SpiralStarX(), 3.0f) << frame;
            }
            if (frame == e + 31) {
                EXPECT_NEAR(SpiralStarX(), 0.0f, 1e-4) << frame;
                EXPECT_EQ(SpiralSlideSpeed(), 0.0f) << frame;
            }
        }
    });
    EXPECT_EQ(frames, 859);
    EXPECT_EQ(log, kSpiralStartLog);  // the fight music is stopped by the caller
    EXPECT_EQ(outfitFrames, (std::vector<int>{122, 252, 383}));
    EXPECT_EQ(outfit, 3);
}

// "s" held skips on through the display callback: the toccata it leaves
// playing is stopped by the spiral's start, the fight music by the return to
// the title.
TEST_F(StoryScenes, AHeldSkipRunsToTheTitleWithTheMusicRules) {
    ClearKeyStates();
    Reshape(kSmallW, kSmallH);
    StartPalaceScene();
    gameState = kStatePalace;
    int displays = 1;
    for (; gameState != kStateMenus && displays <= 110; ++displays) {
        if (displays == 101) KeyboardDown('s', 0, 0);
        Display();
        TakeCues(displays);
    }
    KeyboardUp('s', 0, 0);
    Reshape(kShotW, kShotH);
    EXPECT_EQ(gameState, kStateMenus);
    std::vector<LoggedCue> music;
    std::copy_if(log.begin(), log.end(), std::back_inserter(music),
                 [](const LoggedCue& c) { return c.file == "toccata.wav" || c.file == "kombat.wav"; });
    EXPECT_EQ(music, (std::vector<LoggedCue>{{1, "toccata.wav", kSoundLoop},
                                             {102, "toccata.wav", kSoundStop},
                                             {102, "kombat.wav", kSoundLoop},
                                             {103, "kombat.wav", kSoundStop}}));
}

TEST_F(StoryScenes, AWindowWithNoAreaShowsNothingAndTheSceneWaits) {
    struct Case {
        void (*start)();
        int (*draw)(int, int);
        int (*frameOf)();
        int w, h;
    };
    const Case cases[] = {
        {StartPalaceScene, DrawPalaceSceneFrame, PalaceFrame, 0, 450},
        {StartPalaceScene, DrawPalaceSceneFrame, PalaceFrame, 600, 0},
        {StartSpiralScene, DrawSpiralSceneFrame, SpiralFrame, 0, 0},
        {StartSpiralScene, DrawSpiralSceneFrame, SpiralFrame, 600, 0},
    };
    for (const Case& c : cases) {
        c.start();
        c.draw(kSmallW, kSmallH);
        glClearColor(0.5f, 0.25f, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0);
        EXPECT_EQ(c.draw(c.w, c.h), 0);
        EXPECT_EQ(c.frameOf(), 1) << c.w << "x" << c.h;
        unsigned char rgb[3] = {0, 0, 0};
        glReadPixels(1, 1, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        EXPECT_NEAR(rgb[0], 128, 1) << "the last picture is left alone";
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(StoryScenes, AHundredViewingsLeaveMemoryAndTexturesFlat) {
    auto view = [] {
        StartPalaceScene();
        for (int i = 0; i < 3; ++i) DrawPalaceSceneFrame(kSmallW, kSmallH);
        StartSpiralScene();
        for (int i = 0; i < 3; ++i) DrawSpiralSceneFrame(kSmallW, kSmallH);
        glFinish();  // the software renderer holds queued drawing until then
    };
    // The first viewing makes what every later one reuses. The software
    // renderer takes and returns large pools at random while it draws, so
    // memory is compared over starts alone, which make and free the figures,
    // the steam and the props: a leak of 160 bytes a start would show.
    view();
    int textures = CountGlTextures();
    for (int i = 0; i < 100; ++i) view();
    EXPECT_EQ(CountGlTextures(), textures);
    size_t heap = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) {
        StartPalaceScene();
        StartSpiralScene();
    }
    EXPECT_EQ(CountGlTextures(), textures);
    EXPECT_LT(mallinfo2().uordblks, heap + 16 * 1024) << "grew by " << mallinfo2().uordblks - heap;
}

// ---- Pictures of a few moments, saved for a person to look at ----

TEST_F(StoryScenes, PicturesOfAFewMoments) {
    std::string dir = ScratchDir("story_scenes");
    struct Shot {
        int frame;
        const char* name;
    };
    const Shot palace[] = {{260, "palace_0260_talk"}, {1960, "palace_1960_tipped"},
                           {1995, "palace_1995_burning"}, {2300, "palace_2300_ash"}};
    const Shot spiral[] = {{80, "spiral_0080_flip"}, {115, "spiral_0115_slide"},
                           {300, "spiral_0300_tremble"}};
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    StartPalaceScene();
    for (const Shot& s : palace) {
        while (PalaceFrame() < s.frame - 1) DrawPalaceSceneFrame(kSmallW, kSmallH);
        DrawPalaceSceneFrame(kShotW, kShotH);
        EXPECT_GT(SaveFrame(dir, s.name), 10.0) << s.name;  // the hall fills the view
    }
    glEnable(GL_TEXTURE_2D);
    StartSpiralScene();
    for (const Shot& s : spiral) {
        while (SpiralFrame() < s.frame - 1) DrawSpiralSceneFrame(kSmallW, kSmallH);
        DrawSpiralSceneFrame(kShotW, kShotH);
        EXPECT_GT(SaveFrame(dir, s.name), 10.0) << s.name;
    }
}

}  // namespace
