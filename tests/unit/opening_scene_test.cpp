// The opening scene: its cue tables, its timeline on a driven clock, its
// pacing and viewport, and frames read back under the virtual display.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "game_test_support.h"
#include "scenes/opening.h"
#include "scenes/opening_cues.h"
#include "scenes/opening_state.h"
#include "test_support.h"

namespace {

int LastEnd(const std::vector<OpeningCue>& cues) {
    int end = 0;
    for (const OpeningCue& c : cues) end = std::max(end, c.delay + c.duration);
    return end;
}

// The cues of the given poses, in order.
std::vector<OpeningCue> CuesOf(const std::vector<OpeningCue>& cues, std::vector<BunnyPose> poses) {
    std::vector<OpeningCue> out;
    for (const OpeningCue& c : cues)
        if (std::find(poses.begin(), poses.end(), c.pose) != poses.end()) out.push_back(c);
    return out;
}

int PendingActions(const Bunny* bunny) {
    int n = 0;
    for (const AnimAction<Bunny>* a = bunny->anim.actions.next; a; a = a->next) ++n;
    return n;
}

}  // namespace

// Each batch in delay order from its first pose to its last, ending in time
// for the next (270 + 660 < 980, 980 + 430 < 1420); the third stretches
// with its speed.
TEST(OpeningCues, BatchesRunInOrderFromFirstPoseToLast) {
    const std::tuple<std::vector<OpeningCue>, BunnyPose, BunnyPose, int> kCases[] = {
        {OpeningCues1(), PosePeekHide, PoseOpeningSlideBack, 660},
        {OpeningCues2(), PoseHopGather, PoseOpeningLand, 430},
        {OpeningCues3(1.0f), PoseOpeningStand, PoseBurnStaggerOpening, 1647},
        {OpeningCues3(2.0f), PoseOpeningStand, PoseBurnStaggerOpening, 2 * 1647},
    };
    for (const auto& [cues, first, last, end] : kCases) {
        SCOPED_TRACE(end);
        EXPECT_TRUE(std::is_sorted(cues.begin(), cues.end(),
                                   [](const OpeningCue& a, const OpeningCue& b) { return a.delay < b.delay; }));
        EXPECT_EQ(cues.front().pose, first);
        EXPECT_EQ(cues.back().pose, last);
        EXPECT_EQ(LastEnd(cues), end);
    }
}

// The third batch waves, then shudders, sways and spins in alternation, while
// the fire climbs from the legs to the head before the chest turns to smoke.
TEST(OpeningCues, ThirdBatchWavesShuddersAndBurnsUpward) {
    std::vector<OpeningCue> three = OpeningCues3(1.0f);
    EXPECT_EQ(CuesOf(three, {PoseWaveUp, PoseWaveDown}).size(), 34u);
    const std::tuple<BunnyPose, BunnyPose, int, int, int> kRuns[] = {
        {PoseShudderOpeningB, PoseShudderOpeningA, 809, 10, 33},
        {PoseBurnSwayOpening, PoseBurnSpin4Opening, 1411, 20, 7},
    };
    for (const auto& [a, b, from, step, count] : kRuns) {
        std::vector<OpeningCue> run;
        for (const OpeningCue& c : CuesOf(three, {a, b}))
            if (c.delay >= from && c.delay < from + count * step) run.push_back(c);
        ASSERT_EQ(int(run.size()), count);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(run[i].delay == from + i * step && run[i].pose == (i % 2 ? b : a)) << "cue " << i;
    }
    std::vector<BunnyPose> fire;
    for (const OpeningCue& c : CuesOf(three, {StartBunnyEmitter0, StartBunnyEmitter1, StartBunnyEmitter2,
                                              StartBunnyEmitter1SmokeOpening}))
        fire.push_back(c.pose);
    EXPECT_EQ(fire, (std::vector<BunnyPose>{StartBunnyEmitter2, StartBunnyEmitter2, StartBunnyEmitter1,
                                            StartBunnyEmitter0, StartBunnyEmitter1SmokeOpening}));
}

// As the story scenes: a frame asked for before the scene was ever started
// draws nothing and counts nothing (each test runs in a process of its own
// under the test runner; run after another test of this program it has
// nothing to check).
TEST(OpeningSceneUnstarted, AFrameBeforeAnyStartDrawsNothing) {
    if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
    if (GetOpeningScene().star) GTEST_SKIP() << "started by an earlier test";
    glClearColor(0.5f, 0.25f, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
    EXPECT_EQ(RunOpeningScript(), 0);
    DrawOpeningFrame(600, 450);
    EXPECT_EQ(GetOpeningScene().frame, 0);
    unsigned char rgb[3] = {0, 0, 0};
    glReadPixels(1, 1, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    EXPECT_NEAR(rgb[0], 128, 1) << "the last picture is left alone";
}

class OpeningScenePlay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static const bool loaded = (LoadBunnyTextures(), LoadOpeningTextures(), true);
        (void)loaded;
        // Every reading moves the clock on a whole period, so no frame waits.
        UseFakeClock(1000, 20);
        StartOpeningScene();
    }
    void TearDown() override { UseRealClock(); }
};

// The whole scene on the driven clock, drawing into a window of no area: each
// event on its frame, each batch queued whole, the end at frame 3772 with
// that frame still drawn, and the motions landing where the story says.
TEST_F(OpeningScenePlay, ScriptFiresEachEventOnItsFrameAndEndsAt3772) {
    using Change = std::tuple<int, std::string, float>;  // frame, field, new value
    const std::pair<const char*, float OpeningScene::*> kWatched[] = {
        {"backdropSpeed", &OpeningScene::backdropSpeed}, {"backdropAccel", &OpeningScene::backdropAccel},
        {"sceneYaw", &OpeningScene::sceneYaw}, {"spin1", &OpeningScene::spin1}, {"z1Speed", &OpeningScene::z1Speed},
        {"spin2", &OpeningScene::spin2},   {"z2Speed", &OpeningScene::z2Speed},
    };
    const OpeningScene& s = GetOpeningScene();
    std::vector<Change> log;
    std::map<int, int> queued;  // frame -> cues added to the figure's queue
    float backdropAt250 = 1;
    int answer = 0, drawn = 0;
    for (; answer == 0 && drawn < 5000; ++drawn) {
        OpeningScene before = s;
        int pending = PendingActions(s.star);
        answer = RunOpeningScript();
        for (const auto& [what, field] : kWatched)
            if (before.*field != s.*field) log.emplace_back(before.frame, what, s.*field);
        if (before.starVisible != s.starVisible) log.emplace_back(before.frame, "starVisible", s.starVisible);
        if (PendingActions(s.star) != pending) queued[before.frame] = PendingActions(s.star) - pending;
        DrawOpeningFrame(0, 0);
        if (s.frame == 250) backdropAt250 = s.backdropAngle;
    }
    EXPECT_EQ(drawn, 3773) << "frames 1 to 3772, and the last one drawn after the answer";
    EXPECT_EQ(RunOpeningScript(), 1) << "it keeps answering 1";
    EXPECT_EQ(log, (std::vector<Change>{
                       {30, "backdropSpeed", 0.5f}, {250, "backdropSpeed", 0},   {270, "starVisible", 1},
                       {980, "sceneYaw", -90},      {1420, "sceneYaw", 0},       {2983, "spin1", 6},
                       {2983, "z1Speed", 2.5f},     {3093, "backdropAccel", -0.01f}, {3313, "backdropSpeed", 0},
                       {3313, "backdropAccel", 0},  {3333, "spin2", 12},         {3333, "z2Speed", 5},
                       {3460, "spin1", 0},          {3460, "z1Speed", 0},        {3572, "spin2", 0},
                       {3572, "z2Speed", 0}}));
    // A cue with no delay runs as it is queued; the rest wait, and all have
    // run by frame 1420 + 1647.
    EXPECT_EQ(queued, (std::map<int, int>{{270, 11}, {980, 22}, {1420, 98}}));
    EXPECT_EQ(PendingActions(s.star), 0);
    EXPECT_NEAR(backdropAt250, 0.0f, 1e-4) << "tilted up from -110 by frame 250";
    EXPECT_NEAR(s.backdropAngle, -0.01f * 220 * 221 / 2, 0.05f) << "swung back over 220 frames";
    EXPECT_EQ(std::make_pair(s.z1, s.z2), std::make_pair(-7.5f, -5.0f));
}

// A frame waits for its 20 ms from the start of the last, never less; a late
// frame starts at once and the scene does not catch up.
TEST_F(OpeningScenePlay, FramesArePacedTwentyMillisecondsApart) {
    UseFakeClock(5000, 1);
    for (auto [now, start] : {std::pair{5000, 5000}, {5005, 5020}, {5095, 5095}}) {
        fakeNow = now;
        DrawOpeningFrame(0, 0);
        EXPECT_EQ(GetOpeningScene().lastFrameMs, start) << "called at " << now;
    }
}

// The viewport is a square of the window's height centred across it; a
// window with no width or height draws nothing and keeps the last size, but
// the frame still counts.
TEST_F(OpeningScenePlay, ViewportIsCentredSquareOfWindowHeight) {
    const int kCases[][3] = {  // width, height, the square's left edge when drawn
        {600, 450, 75}, {300, 450, -75}, {450, 450, 0}, {0, 450, 0}, {600, 0, 0},
    };
    for (const auto& [w, h, x] : kCases) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        int frame = GetOpeningScene().frame;
        while (glGetError() != GL_NO_ERROR) {}
        DrawOpeningFrame(w, h);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        EXPECT_EQ(GetOpeningScene().frame, frame + 1);
        GLint vp[4];
        glGetIntegerv(GL_VIEWPORT, vp);
        if (w > 0 && h > 0) {
            EXPECT_EQ(std::vector<GLint>(vp, vp + 4), (std::vector<GLint>{x, 0, 450, 450}));
        }
        EXPECT_EQ(std::make_pair(GetOpeningScene().viewW, GetOpeningScene().viewH), std::make_pair(450, 450));
    }
}

namespace {

// Pixels in a rectangle that pass a test of their colour and place.
template <class Test>
int CountPixels(const ReadBack& shot, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += test(shot.At(x, y), x, y);
    return n;
}

// Bright, with far more red than blue: flames, and the orange of the 3.
bool FlameColoured(const unsigned char* p, int, int) { return p[0] > 180 && p[0] > p[2] + 100 && p[1] > 60; }
bool DeepBlue(const unsigned char* p, int, int) { return p[2] > 90 && p[2] > p[0] + 50; }
bool Lit(const unsigned char* p, int, int) { return p[0] + p[1] + p[2] > 150; }

const int kSide = 450;  // the scene's square in the 600 by 450 test window

}  // namespace

// Frames at a few moments of the story, read back from the square viewport
// and kept as pictures under test-output/opening_frames.
TEST_F(OpeningScenePlay, FramesShowBackdropBunnyFireAndTitlePictures) {
    std::string dir = ScratchDir("opening_frames");
    std::map<int, ReadBack> shots;
    const std::map<int, std::string> kMoments = {
        {20, "01-backdrop-lying"},  {250, "02-backdrop-up"},    {480, "03-bunny-peeking"},
        {1100, "04-bunny-hopping"}, {1700, "05-bunny-waving"},  {2400, "06-fire"},
        {2700, "07-burnt"},         {3300, "08-pictures-flying"}, {3773, "09-title-pictures"},
    };
    const OpeningScene& s = GetOpeningScene();
    while (s.frame < 3773) {
        RunOpeningScript();
        auto moment = kMoments.find(s.frame + 1);
        DrawOpeningFrame(moment == kMoments.end() ? 0 : 600, kSide);
        if (moment == kMoments.end()) continue;
        shots[s.frame] = ReadBackBuffer(75, 0, kSide, kSide);
        EXPECT_TRUE(SavePng(shots[s.frame], dir + "/" + moment->second + ".png"));
    }
    ASSERT_EQ(shots.size(), kMoments.size());
    // Lying back at -110 degrees the backdrop is out of sight; upright it
    // fills the upper part of the square with sky and mountains.
    EXPECT_EQ(CountPixels(shots[20], 0, kSide / 2, kSide, kSide, Lit), 0);
    EXPECT_GT(CountPixels(shots[250], 130, 120, 320, 320, Lit), 190 * 200 * 8 / 10);
    // The Bunny stands in front of the same backdrop.
    for (int f : {480, 1100, 1700}) {
        auto changed = [&](const unsigned char* p, int x, int y) {
            const unsigned char* q = shots[250].At(x, y);
            return std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 60;
        };
        EXPECT_GT(CountPixels(shots[f], 0, 0, kSide, kSide, changed), 300) << "frame " << f;
    }
    EXPECT_EQ(CountPixels(shots[250], 0, 0, kSide, kSide, FlameColoured), 0);
    EXPECT_GT(CountPixels(shots[2400], 0, 0, kSide, kSide, FlameColoured), 200);
    // At rest, the blue disc of picture 1 sits left of centre and the
    // orange 3 of picture 2 up to its right.
    EXPECT_GT(CountPixels(shots[3773], 0, 150, kSide / 2, 400, DeepBlue), 5000) << "title picture 1";
    EXPECT_GT(CountPixels(shots[3773], 170, 220, 330, 400, FlameColoured), 2000) << "title picture 2";
}
