// The opening scene: its cue tables, its timeline on a driven clock, its
// pacing and viewport, and frames read back under the virtual display.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
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

int CountOf(const std::vector<OpeningCue>& cues, BunnyPose pose) {
    return int(std::count_if(cues.begin(), cues.end(), [pose](const OpeningCue& c) { return c.pose == pose; }));
}

bool Has(const std::vector<OpeningCue>& cues, OpeningCue want) {
    return std::any_of(cues.begin(), cues.end(), [want](const OpeningCue& c) {
        return c.pose == want.pose && c.duration == want.duration && c.delay == want.delay;
    });
}

// Cues of the given poses in delay order, checked to alternate first/second
// every step frames from first to last.
void ExpectAlternation(const std::vector<OpeningCue>& cues, BunnyPose first, BunnyPose second,
                       int from, int to, int step, int count) {
    std::vector<OpeningCue> run;
    for (const OpeningCue& c : cues)
        if ((c.pose == first || c.pose == second) && c.delay >= from && c.delay <= to) run.push_back(c);
    ASSERT_EQ(int(run.size()), count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(run[i].delay, from + i * step);
        EXPECT_EQ(run[i].pose, i % 2 == 0 ? first : second);
    }
}

int PendingActions(const Bunny* bunny) {
    int n = 0;
    for (const AnimAction<Bunny>* a = bunny->anim.actions.next; a; a = a->next) ++n;
    return n;
}

}  // namespace

TEST(OpeningCues, FirstTwoBatchesRunFromPeekToLanding) {
    std::vector<OpeningCue> one = OpeningCues1(), two = OpeningCues2();
    ASSERT_EQ(one.size(), 12u);
    ASSERT_EQ(two.size(), 22u);
    EXPECT_TRUE(Has(one, {PosePeekHide, 1, 0}));
    EXPECT_EQ(one.back().pose, PoseOpeningSlideBack);
    EXPECT_EQ(LastEnd(one), 660);
    EXPECT_TRUE(Has(two, {PoseHopGather, 5, 10}));
    EXPECT_EQ(two.back().pose, PoseOpeningLand);
    EXPECT_EQ(LastEnd(two), 430);
    // Each batch ends before the next one is queued (270 + 660 < 980, 980 + 430 < 1420).
    for (const auto* batch : {&one, &two})
        EXPECT_TRUE(std::is_sorted(batch->begin(), batch->end(),
                                   [](const OpeningCue& a, const OpeningCue& b) { return a.delay < b.delay; }));
}

TEST(OpeningCues, ThirdBatchWavesAndBurnsFor1647Frames) {
    std::vector<OpeningCue> three = OpeningCues3(1.0f);
    ASSERT_EQ(three.size(), 99u);
    EXPECT_TRUE(std::is_sorted(three.begin(), three.end(),
                               [](const OpeningCue& a, const OpeningCue& b) { return a.delay < b.delay; }));
    EXPECT_TRUE(Has(three, {PoseOpeningStand, 1, 0}));
    EXPECT_TRUE(Has(three, {PoseBurnStaggerOpening, 5, 1642}));
    EXPECT_EQ(three.back().delay, 1642);
    EXPECT_EQ(LastEnd(three), 1647);

    EXPECT_EQ(CountOf(three, PoseWaveUp) + CountOf(three, PoseWaveDown), 34);
    ExpectAlternation(three, PoseShudderOpeningB, PoseShudderOpeningA, 809, 1129, 10, 33);
    ExpectAlternation(three, PoseBurnSwayOpening, PoseBurnSpin4Opening, 1411, 1531, 20, 7);
    // The fire climbs from the legs to the head, then the chest turns to smoke.
    std::vector<BunnyPose> fire;
    for (const OpeningCue& c : three)
        for (BunnyPose p : {StartBunnyEmitter0, StartBunnyEmitter1, StartBunnyEmitter2, StartBunnyEmitter1SmokeOpening})
            if (c.pose == p) fire.push_back(p);
    EXPECT_EQ(fire, (std::vector<BunnyPose>{StartBunnyEmitter2, StartBunnyEmitter2, StartBunnyEmitter1,
                                            StartBunnyEmitter0, StartBunnyEmitter1SmokeOpening}));
}

TEST(OpeningCues, ThirdBatchStretchesWithSpeed) {
    std::vector<OpeningCue> base = OpeningCues3(1.0f), twice = OpeningCues3(2.0f), half = OpeningCues3(0.5f);
    ASSERT_EQ(twice.size(), base.size());
    ASSERT_EQ(half.size(), base.size());
    for (size_t i = 0; i < base.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(twice[i].pose, base[i].pose);
        EXPECT_EQ(twice[i].duration, 2 * base[i].duration);
        EXPECT_EQ(twice[i].delay, 2 * base[i].delay);
        EXPECT_EQ(half[i].duration, base[i].duration / 2);  // lengths are truncated
        EXPECT_LE(half[i].delay, base[i].delay / 2 + 1);
    }
    EXPECT_EQ(LastEnd(twice), 2 * 1647);
}

class OpeningScenePlay : public ::testing::Test {
protected:
    void SetUp() override {
        if (!EnsureGlContext()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static bool loaded = false;
        if (!loaded) {
            LoadBunnyTextures();
            LoadOpeningTextures();
        }
        loaded = true;
        // Every reading moves the clock on a whole period, so no frame waits.
        UseFakeClock(1000, 20);
        StartOpeningScene();
    }
    void TearDown() override { UseRealClock(); }
};

// The whole scene on the driven clock, drawing into a window of no area so
// the script's own timing is all that is tested here: each event on its
// frame, each batch queued whole, the end at frame 3772 with that frame still
// drawn, and the motions landing where the story says.
TEST_F(OpeningScenePlay, ScriptFiresEachEventOnItsFrameAndEndsAt3772) {
    struct Change {
        int frame;
        std::string what;
        float value;
        bool operator==(const Change& o) const { return frame == o.frame && what == o.what && value == o.value; }
    };
    const OpeningScene& s = GetOpeningScene();
    std::vector<Change> log;
    std::map<int, int> queued;  // frame -> cues added to the figure's queue
    float backdropAt250 = 1;
    int answer = 0, drawn = 0;
    while (answer == 0 && drawn < 5000) {
        OpeningScene before = s;
        int pending = PendingActions(s.star);
        answer = RunOpeningScript();
        auto note = [&](const char* what, float was, float now) {
            if (was != now) log.push_back({before.frame, what, now});
        };
        note("backdropSpeed", before.backdropSpeed, s.backdropSpeed);
        note("backdropAccel", before.backdropAccel, s.backdropAccel);
        note("starVisible", float(before.starVisible), float(s.starVisible));
        note("sceneYaw", before.sceneYaw, s.sceneYaw);
        note("spin1", before.spin1, s.spin1);
        note("z1Speed", before.z1Speed, s.z1Speed);
        note("spin2", before.spin2, s.spin2);
        note("z2Speed", before.z2Speed, s.z2Speed);
        if (PendingActions(s.star) != pending) queued[before.frame] = PendingActions(s.star) - pending;
        DrawOpeningFrame(0, 0);
        ++drawn;
        if (s.frame == 250) backdropAt250 = s.backdropAngle;
    }
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(drawn, 3773) << "frames 1 to 3772, and the last one drawn after the answer";
    EXPECT_EQ(s.frame, 3773);
    EXPECT_EQ(RunOpeningScript(), 1) << "it keeps answering 1";

    const std::vector<Change> expected = {
        {30, "backdropSpeed", 0.5f}, {250, "backdropSpeed", 0},   {270, "starVisible", 1},
        {980, "sceneYaw", -90},      {1420, "sceneYaw", 0},       {2983, "spin1", 6},
        {2983, "z1Speed", 2.5f},     {3093, "backdropAccel", -0.01f}, {3313, "backdropSpeed", 0},
        {3313, "backdropAccel", 0},  {3333, "spin2", 12},         {3333, "z2Speed", 5},
        {3460, "spin1", 0},          {3460, "z1Speed", 0},        {3572, "spin2", 0},
        {3572, "z2Speed", 0},
    };
    ASSERT_EQ(log.size(), expected.size());
    for (const Change& c : expected)
        EXPECT_NE(std::find(log.begin(), log.end(), c), log.end()) << c.what << " at " << c.frame;
    // A cue with no delay runs as it is queued; the rest wait in the queue.
    EXPECT_EQ(queued, (std::map<int, int>{{270, 11}, {980, 22}, {1420, 98}}));
    EXPECT_EQ(PendingActions(s.star), 0) << "every cue has run by frame 1420 + 1647";

    EXPECT_NEAR(backdropAt250, 0.0f, 1e-4) << "tilted up from -110 by frame 250";
    EXPECT_NEAR(s.backdropAngle, -0.01f * 220 * 221 / 2, 0.05f) << "swung back over 220 frames";
    EXPECT_FLOAT_EQ(s.z1, -7.5f);
    EXPECT_FLOAT_EQ(s.z2, -5.0f);
}

// A frame waits for its 20 ms from the start of the last, never less; a late
// frame starts at once and the scene does not catch up.
TEST_F(OpeningScenePlay, FramesArePacedTwentyMillisecondsApart) {
    UseFakeClock(5000, 1);
    DrawOpeningFrame(0, 0);
    int first = GetOpeningScene().lastFrameMs;
    EXPECT_EQ(first, 5000);
    fakeNow = first + 5;
    DrawOpeningFrame(0, 0);
    EXPECT_EQ(GetOpeningScene().lastFrameMs, first + 20);
    fakeNow = first + 95;
    DrawOpeningFrame(0, 0);
    EXPECT_EQ(GetOpeningScene().lastFrameMs, first + 95);
    EXPECT_EQ(GetOpeningScene().frame, 3);
}

// The viewport is a square of the window's height centred across it; a
// window with no width or height draws nothing and keeps the last size, but
// the frame still counts.
TEST_F(OpeningScenePlay, ViewportIsCentredSquareOfWindowHeight) {
    struct Case {
        int w, h;
        int viewport[4];
        int viewW, viewH;
    } const kCases[] = {
        {600, 450, {75, 0, 450, 450}, 450, 450},
        {300, 450, {-75, 0, 450, 450}, 450, 450},  // wider than the window: clipped both sides
        {450, 450, {0, 0, 450, 450}, 450, 450},
        {0, 450, {0, 0, 450, 450}, 450, 450},      // no width: nothing drawn, nothing changed
        {600, 0, {0, 0, 450, 450}, 450, 450},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        int frame = GetOpeningScene().frame;
        while (glGetError() != GL_NO_ERROR) {}
        DrawOpeningFrame(c.w, c.h);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        EXPECT_EQ(GetOpeningScene().frame, frame + 1);
        GLint vp[4];
        glGetIntegerv(GL_VIEWPORT, vp);
        if (c.w > 0 && c.h > 0) {
            for (int i = 0; i < 4; ++i) EXPECT_EQ(vp[i], c.viewport[i]) << i;
        }
        EXPECT_EQ(GetOpeningScene().viewW, c.viewW);
        EXPECT_EQ(GetOpeningScene().viewH, c.viewH);
    }
}

namespace {

// Pixels that differ clearly between two shots of the same size.
int CountChanged(const ReadBack& a, const ReadBack& b) {
    int n = 0;
    for (size_t i = 0; i + 2 < a.rgb.size(); i += 3) {
        int d = std::abs(a.rgb[i] - b.rgb[i]) + std::abs(a.rgb[i + 1] - b.rgb[i + 1]) +
                std::abs(a.rgb[i + 2] - b.rgb[i + 2]);
        if (d > 60) ++n;
    }
    return n;
}

// Pixels in a rectangle that pass a colour test.
template <class Test>
int CountPixels(const ReadBack& shot, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (test(shot.At(x, y))) ++n;
    return n;
}

// Bright, with far more red than blue: flames, and the orange of the 3.
bool FlameColoured(const unsigned char* p) { return p[0] > 180 && p[0] > p[2] + 100 && p[1] > 60; }
bool DeepBlue(const unsigned char* p) { return p[2] > 90 && p[2] > p[0] + 50; }
bool Lit(const unsigned char* p) { return p[0] + p[1] + p[2] > 150; }

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
        if (moment == kMoments.end()) {
            DrawOpeningFrame(0, 0);
            continue;
        }
        DrawOpeningFrame(600, kSide);
        ReadBack shot = ReadBackBuffer(75, 0, kSide, kSide);
        EXPECT_TRUE(SavePng(shot, dir + "/" + moment->second + ".png"));
        shots[s.frame] = shot;
    }
    ASSERT_EQ(shots.size(), kMoments.size());
    // Lying back at -110 degrees the backdrop is out of sight; upright it
    // fills the upper part of the square with sky and mountains.
    EXPECT_EQ(CountPixels(shots[20], 0, kSide / 2, kSide, kSide, Lit), 0);
    EXPECT_GT(CountPixels(shots[250], 130, 120, 320, 320, Lit), 190 * 200 * 8 / 10);
    // The Bunny stands in front of the same backdrop.
    for (int f : {480, 1100, 1700}) EXPECT_GT(CountChanged(shots[250], shots[f]), 300) << "frame " << f;
    EXPECT_GT(CountPixels(shots[2400], 0, 0, kSide, kSide, FlameColoured), 200);
    // At rest, the blue disc of picture 1 sits left of centre and the
    // orange 3 of picture 2 up to its right.
    const ReadBack& title = shots[3773];
    EXPECT_GT(CountPixels(title, 0, 150, kSide / 2, 400, DeepBlue), 5000) << "title picture 1";
    EXPECT_GT(CountPixels(title, 170, 220, 330, 400, FlameColoured), 2000) << "title picture 2";
    EXPECT_EQ(CountPixels(shots[250], 0, 0, kSide, kSide, FlameColoured), 0);
}
