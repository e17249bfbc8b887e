// The palace and spiral scenes played through on a driven clock: timing,
// sounds, props, slides and outfits, restarts, and pictures of a few moments;
// with the army scene, an empty window and a hundred viewings.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/frame.h"
#include "core/keys.h"
#include "effects/emitter.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "game_test_support.h"
#include "scene_test_support.h"
#include "scenes/army.h"
#include "scenes/opening.h"
#include "scenes/palace.h"
#include "scenes/palace_script.h"
#include "scenes/spiral.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

// Timelines are played small: what is checked is when things happen.
const int kSmallW = 64, kSmallH = 48;

struct Scene {
    void (*start)();
    int (*draw)(int, int);
    int (*frameOf)();
};
const Scene kPalace = {StartPalaceScene, DrawPalaceSceneFrame, PalaceFrame};
const Scene kSpiral = {StartSpiralScene, DrawSpiralSceneFrame, SpiralFrame};
const Scene kArmy = {StartArmyScene, DrawArmySceneFrame, ArmyFrame};

class StoryScenes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartFromGlDefaults());
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static bool loaded = false;
        if (!loaded) StartTestSound(), LoadPalaceTextures();
        loaded = true;
        UseFakeClock(1000, 1);  // every reading moves time on by 1 ms
        SeedRandomWith(7);
        RecordSoundCues(&records);
    }
    void TearDown() override {
        RecordSoundCues(nullptr);
        UseRealClock();
    }
    void TakeCues(int frame) { ::TakeCues(&records, &log, frame); }

    // Draws until the scene says it is over or limit frames; answers the count.
    int Play(const Scene& sc, int limit, const std::function<void(int)>& check = nullptr) {
        for (int drawn = 1; drawn <= limit; ++drawn) {
            int over = sc.draw(kSmallW, kSmallH);
            TakeCues(sc.frameOf());
            if (check) check(sc.frameOf());
            if (over) return drawn;
        }
        return limit;
    }

    std::vector<SoundCueRecord> records;
    std::vector<LoggedCue> log;
};

// The second viewing is checked; the first is skipped at frame 300.
TEST_F(StoryScenes, PalacePlaysItsSoundsOnTheirFramesAndEndsAt2509EveryViewing) {
    StartPalaceScene();
    Play(kPalace, 300);
    log.clear();
    StartPalaceScene();
    TakeCues(0);
    int born = 0;
    int frames = Play(kPalace, 3000, [&](int frame) {
        // The teapot stays in its box give or take one jiggle step, and the
        // steam's newest particle is born where the jiggle has moved it.
        const PalaceProp& pot = GetPalaceProp(kPropTeapot);
        const float s = 0.004f + 1e-6f;
        EXPECT_TRUE(std::abs(pot.x) <= 0.05f + s && pot.y >= -0.335f - s && pot.y <= -0.29f + s &&
                    pot.z >= -1.25f - s && pot.z <= -1.15f + s) << frame;
        int n = EmitterCount(GetPalaceSteam());
        if (n > born) {
            const Particle* p = EmitterParticle(GetPalaceSteam(), n - 1);
            EXPECT_NEAR(p->y, 0.11f + (pot.y + 0.33f), 1e-5) << frame;
            EXPECT_NEAR(p->x, 0.198f + pot.x, 1e-4) << frame;  // spread 5e-5
            EXPECT_NEAR(p->z, pot.z + 1.25f, 1e-4) << frame;
        }
        born = n;
        // A's chair tips 5 degrees a frame from 1932 to 1949 and stays.
        EXPECT_FLOAT_EQ(GetPalaceProp(kPropChairA).rotZ, 5.0f * float(std::clamp(frame - 1931, 0, 18))) << frame;
        // A catches fire at 1912 and has three fires burning by 2000.
        const Bunny* a = GetPalaceActor(kPalaceActorA);
        if (frame == 1911 || frame == 1912) { EXPECT_EQ(a->emitters[0].burstLength == 135, frame == 1912); }
        for (int i = 0; frame == 2000 && i < 3; ++i) EXPECT_GT(EmitterCount(a->emitters[i].emitter), 100) << i;
    });
    EXPECT_EQ(frames, 2509);
    EXPECT_GT(born, 5);  // it did steam
    // A ends ash grey in outfit 4; B is as it was.
    const Bunny* a = GetPalaceActor(kPalaceActorA);
    EXPECT_EQ(a->outfit, 4);
    for (int f : {kFurR, kEarBackR, kClothingR}) EXPECT_NEAR(a->field[f], 0.2f, 0.01f) << f;
    EXPECT_EQ(GetPalaceActor(kPalaceActorB)->outfit, 7);
    EXPECT_EQ(log, (std::vector<LoggedCue>{
                       {1, "toccata.wav", kSoundLoop}, {3, "story1-b1-1.wav", kSoundPlay},
                       {247, "story1-b2-1.wav", kSoundPlay}, {647, "story1-b1-2.wav", kSoundPlay},
                       {807, "story1-b2-2.wav", kSoundPlay}, {1080, "story1-b1-3.wav", kSoundPlay},
                       {1679, "story1-b2-3.wav", kSoundPlay}, {2307, "combust.wav", kSoundPlay},
                       {2509, "toccata.wav", kSoundStop}}));
}

// Each voice line comes just before the run of gestures it goes with; a run
// starts where no partner gesture came 20 frames before.
TEST_F(StoryScenes, PalaceVoicesFollowTheTalkingRunsOfTheScript) {
    const std::vector<PoseCue<BunnyPose>>& cues = PalacePoseCues();
    auto runStarts = [&](BunnyPose pose, BunnyPose partner, int actor) {
        std::vector<int> starts;
        for (const PoseCue<BunnyPose>& c : cues)
            if (c.pose == pose && c.actor == actor && c.duration == 20 &&
                std::none_of(cues.begin(), cues.end(), [&](const PoseCue<BunnyPose>& p) {
                    return p.actor == actor && p.pose == partner && p.delay == c.delay - 20;
                }))
                starts.push_back(c.delay);
        return starts;
    };
    std::vector<int> b = runStarts(PosePalaceRobeTalk1, PosePalaceRobeTalk2, kPalaceActorB);
    std::vector<int> a = runStarts(PosePalaceLoungeTalk3, PosePalaceLoungeTalk4, kPalaceActorA);
    ASSERT_TRUE(a.size() == 3 && b.size() == 3);
    const int voiceFrames[6] = {15 - 12, a[0] - 10, b[1] - 10, a[1] - 10, b[2] - 12, a[2] - 13};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PalaceSoundCues()[1 + i].frame, voiceFrames[i]) << i + 1;
}

// The second viewing is checked; the first is skipped mid-slide, which must
// not leave the Bunny off-centre.
TEST_F(StoryScenes, SpiralSlidesOutAndBackInThreeTimesAndEndsAt859EveryViewing) {
    StartSpiralScene();
    Play(kSpiral, kSpiralOutfitFrames[0] + 5);
    ASSERT_LT(SpiralStarX(), -0.5f);
    log.clear();
    StartSpiralScene();
    TakeCues(0);
    std::vector<int> outfitFrames;
    int outfit = GetSpiralStar()->outfit;
    int frames = Play(kSpiral, 1000, [&](int frame) {
        const Bunny* star = GetSpiralStar();
        if (star->outfit != outfit) {
            outfit = star->outfit;
            outfitFrames.push_back(frame);
            // Each outfit's glasses, whiskers, face mark.
            const std::vector<int> kAccessories[4] = {{0, 1, 0}, {1, 1, 0}, {0, 0, 1}, {0, 1, 0}};
            EXPECT_EQ((std::vector<int>{star->glasses, star->whiskers, star->faceMark}),
                      kAccessories[std::clamp(outfit, 0, 3)]) << "outfit " << outfit;
        }
        if (frame < kSpiralOutfitFrames[0]) { EXPECT_EQ(SpiralStarX(), 0.0f) << frame; }
        // Each slide: off the left edge, wraps to the right, back in the middle.
        for (int e : kSpiralOutfitFrames) {
            if (frame == e + 15) { EXPECT_NEAR(SpiralStarX(), -3.0f, 1e-4) << frame; }
            if (frame == e + 16) { EXPECT_FLOAT_EQ(SpiralStarX(), 3.0f) << frame; }
            if (frame == e + 31) { EXPECT_TRUE(std::abs(SpiralStarX()) < 1e-4f && SpiralSlideSpeed() == 0) << frame; }
        }
    });
    EXPECT_EQ(frames, 859);
    EXPECT_EQ(log, (std::vector<LoggedCue>{{0, "toccata.wav", kSoundStop}, {0, "march.wav", kSoundStop},
                                           {0, "kombat.wav", kSoundLoop}}));  // the caller stops the fight music
    EXPECT_EQ(outfitFrames, (std::vector<int>{122, 252, 383}));
}

// Three presses of "s" through the display callback, each seen by several
// frames: palace to army, army to spiral, spiral to the title. The spiral's
// start stops the toccata, the return to the title the fight music.
TEST_F(StoryScenes, EachPressSkipsOneSceneWithTheMusicRules) {
    ClearKeyStates();
    Reshape(kSmallW, kSmallH);
    StartPalaceScene();
    gameState = kStatePalace;
    const int presses[] = {101, 111, 121};  // each down for four displays
    const int after[] = {kStateArmy, kStateSpiral, kStateMenus};
    for (int displays = 1; displays <= 130; ++displays) {
        for (int p : presses) {
            if (displays == p) KeyboardDown('s', 0, 0);
            if (displays == p + 4) KeyboardUp('s', 0, 0);
        }
        Display();
        TakeCues(displays);
        for (int k = 0; k < 3; ++k)
            if (displays == presses[k] + 8) { EXPECT_EQ(gameState, after[k]) << "after press " << k; }
    }
    Reshape(kShotW, kShotH);
    std::vector<LoggedCue> music;
    std::copy_if(log.begin(), log.end(), std::back_inserter(music),
                 [](const LoggedCue& c) { return c.file == "toccata.wav" || c.file == "kombat.wav"; });
    EXPECT_EQ(music, (std::vector<LoggedCue>{{1, "toccata.wav", kSoundLoop}, {111, "toccata.wav", kSoundStop},
                                             {111, "kombat.wav", kSoundLoop}, {121, "kombat.wav", kSoundStop}}));
}

// The army scene's Robot leaves decal mode behind; the spiral's first frame
// of every viewing, not just the first, modulates its backdrop and figure.
TEST_F(StoryScenes, EverySpiralStartModulates) {
    for (int viewing = 0; viewing < 2; ++viewing) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        StartSpiralScene();
        GLint mode = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        EXPECT_EQ(mode, GL_MODULATE) << "viewing " << viewing;
    }
}

TEST_F(StoryScenes, AWindowWithNoAreaShowsNothingAndTheSceneWaits) {
    const std::pair<Scene, std::pair<int, int>> cases[] = {
        {kPalace, {0, 450}}, {kPalace, {600, 0}}, {kSpiral, {0, 0}}, {kSpiral, {600, 0}}, {kArmy, {0, 450}}};
    for (const auto& [sc, size] : cases) {
        sc.start();
        sc.draw(kSmallW, kSmallH);
        glClearColor(0.5f, 0.25f, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0);
        EXPECT_EQ(sc.draw(size.first, size.second), 0);
        EXPECT_EQ(sc.frameOf(), 1) << size.first << "x" << size.second;
        unsigned char rgb[3] = {0, 0, 0};
        glReadPixels(1, 1, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        EXPECT_NEAR(rgb[0], 128, 1) << "the last picture is left alone";
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(StoryScenes, AHundredViewingsLeaveMemoryTexturesAndListsFlat) {
    auto view = [] {
        for (const Scene& sc : {kPalace, kSpiral, kArmy}) {
            sc.start();
            for (int i = 0; i < 3; ++i) sc.draw(kSmallW, kSmallH);
        }
        glFinish();  // the software renderer holds queued drawing until then
    };
    view();  // makes what every later viewing reuses
    int textures = CountGlTextures(), lists = CountGlLists();
    for (int i = 0; i < 100; ++i) view();
    EXPECT_EQ(CountGlTextures(), textures);
    EXPECT_EQ(CountGlLists(), lists);
    // The software renderer's pools come and go as it draws, so the heap is
    // compared over starts alone, which free and remake figures, props and
    // cues: a leak of 160 bytes a story start or 40 an army start would show.
    size_t heap = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) StartPalaceScene(), StartSpiralScene();
    EXPECT_LT(mallinfo2().uordblks, heap + 16 * 1024) << "grew by " << mallinfo2().uordblks - heap;
    heap = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) StartArmyScene();
    EXPECT_LT(mallinfo2().uordblks, heap + 4 * 1024) << "grew by " << mallinfo2().uordblks - heap;
}

// The story and the opening started again and again, each drawn at the
// window's size: whatever a start makes (figures, emitters, props,
// textures) goes at the next, in the renderer too. Viewings that leave
// nothing grow under 0.2 MB over the 30.
TEST_F(StoryScenes, ThirtyViewingsDrawnKeepTheResidentSizeFlat) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    const Scene kOpening = {StartOpeningScene, [](int w, int h) { return RunOpeningScript(), DrawOpeningFrame(w, h), 0; },
                            nullptr};
    ExpectRoundsKeepTheResidentSizeFlat([&] {
        for (const Scene& sc : {kOpening, kPalace, kArmy, kSpiral}) {
            sc.start();
            for (int frame = 0; frame < 40; ++frame) {
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                sc.draw(kShotW, kShotH);
                glutSwapBuffers();  // as the game ends a frame: the renderer lets go of the last
            }
        }
    }, 1024);
}

// Saved for a person to look at.
TEST_F(StoryScenes, PicturesOfAFewMoments) {
    std::string dir = ScratchDir("story_scenes");
    auto shoot = [&](const Scene& sc, std::vector<std::pair<int, const char*>> shots) {
        sc.start();
        for (auto [frame, name] : shots) {
            while (sc.frameOf() < frame - 1) sc.draw(kSmallW, kSmallH);
            sc.draw(kShotW, kShotH);
            EXPECT_GT(SaveFrame(dir, name), 10.0) << name;  // the scene fills the view
        }
    };
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0, GL_LIGHT1}) glEnable(cap);
    shoot(kPalace, {{260, "palace_0260_talk"}, {1960, "palace_1960_tipped"},
                    {1995, "palace_1995_burning"}, {2300, "palace_2300_ash"}});
    glEnable(GL_TEXTURE_2D);
    shoot(kSpiral, {{80, "spiral_0080_flip"}, {115, "spiral_0115_slide"}, {300, "spiral_0300_tremble"}});
}

}  // namespace
