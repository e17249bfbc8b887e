#include <GL/glut.h>

#include <algorithm>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "game_test_support.h"
#include "players/camera.h"
#include "players/pib.h"
#include "support/clock.h"
#include "test_support.h"

namespace {

// Ticks are counted through a camera: "k" held raises every active camera's
// eye by 0.1 per tick, and the camera keys run in every kind of tick.
class TickClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        StartPlayAt1000();
    }
    void StartPlayAt1000() {
        LoadGameAt(1, 1, 1000);
        gameState = kStatePlay;
        fadeMode = kFadeNone;
        pibCameras[0].height = kCameraNearHeight;
        KeyboardDown('k', 0, 0);
    }
    void TearDown() override {
        ClearKeyStates();
        UseRealClock();
    }
    int TicksSeen() {
        int ticks = int((pibCameras[0].height - kCameraNearHeight) / 0.1f + 0.5f);
        pibCameras[0].height = kCameraNearHeight;
        return ticks;
    }
    // A test that lets every clock read stand for a millisecond of work
    // takes away the figures' emitters, which read the clock too.
    void PlayAt(int now, int stepPerRead = 0) {
        UseFakeClock(now, stepPerRead);
        IdlePlay();
    }
};

TEST_F(TickClock, CarriesThePartOfATickToTheNextCall) {
    PlayAt(1100);  // 100 ms: 33 ticks
    EXPECT_EQ(TicksSeen(), 33);
    EXPECT_EQ(ticksPerIdle, 33);
    EXPECT_EQ(lastTickTime, 1100);
    PlayAt(1103);  // 3 ms give 0.99 of a tick: none yet
    EXPECT_EQ(TicksSeen(), 0);
    EXPECT_EQ(ticksPerIdle, 0);
    PlayAt(1104);  // the 3 ms were kept: 4 ms give one tick
    EXPECT_EQ(TicksSeen(), 1);
    EXPECT_EQ(ticksPerIdle, 1);
    PlayAt(1200);  // the rest of the 100 ms: 33 in all
    EXPECT_EQ(TicksSeen(), 32);
    EXPECT_EQ(lastTickTime, 1200);
}

TEST_F(TickClock, Runs330TicksASecondWhateverTheFrameRate) {
    const double kFrameMs[] = {0.5, 1, 2, 3, 16.7, 50};
    for (double frame : kFrameMs) {
        StartPlayAt1000();
        int ticks = 0;
        // The clock reads whole milliseconds, as GLUT's does; the last call
        // comes at 10 s exactly.
        for (int call = 1, at = 0; at < 10000; ++call) {
            at = std::min(int(call * frame), 10000);
            PlayAt(1000 + at);
            ticks += TicksSeen();
        }
        EXPECT_NEAR(ticks, 3300, 1) << "a frame every " << frame << " ms";
    }
}

// A clock on which every tick run so far has taken 1 ms, however often the
// tick's own parts (the figures' emitters) read it.
int ClockOneMsPerTick() {
    return 1100 + int((pibCameras[0].height - kCameraNearHeight) / 0.1f + 0.5f);
}

TEST_F(TickClock, ReReadsTheClockAfterEveryTickAndCatchesUp) {
    // 100 ms due at first, and each tick takes 1 ms of its own: the call
    // runs until the ticks run meet the ticks due, 48 in all.
    SetClockSource(ClockOneMsPerTick);
    IdlePlay();
    EXPECT_EQ(TicksSeen(), 48);
    EXPECT_EQ(ticksPerIdle, 48);
    // 48 ticks stand for 145.45 ms: the next call owes from there.
    PlayAt(1200);
    EXPECT_EQ(TicksSeen(), 18);
}

TEST_F(TickClock, ALongStallRunsAtMostAQuarterSecondOfTicks) {
    PlayAt(11000);  // a 10 s stall
    EXPECT_EQ(TicksSeen(), kMaxTicksPerIdle);
    EXPECT_EQ(ticksPerIdle, kMaxTicksPerIdle);
    EXPECT_LE(kMaxTicksPerIdle, 83);
    PlayAt(11100);  // the rest of the stall was dropped
    EXPECT_EQ(TicksSeen(), 33);
}

TEST_F(TickClock, PausedTimeIsNotCaughtUp) {
    KeyboardDown('p', 0, 0);
    PlayAt(1200);
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(TicksSeen(), 0);
    EXPECT_EQ(ticksPerIdle, 66);  // the fade still moves with the clock
    PlayAt(5000);                   // "p" still held: one press, still paused
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(TicksSeen(), 0);
    KeyboardUp('p', 0, 0);
    PlayAt(6000);
    KeyboardDown('p', 0, 0);
    PlayAt(6100);
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(TicksSeen(), 33);  // only the 100 ms since the last call
}

TEST_F(TickClock, AbandonedPausedGameDoesNotStartTheNextOnePaused) {
    KeyboardDown('p', 0, 0);
    PlayAt(1100);
    ASSERT_EQ(paused, 1);
    KeyboardDown('a', 0, 0);
    Idle();
    EXPECT_EQ(gameState, kStateMenus);
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(pauseKeyLast, 0);
}

TEST_F(TickClock, GameOverFliesTheCamerasOutAndReturnsToTheTitle) {
    gameOver = 1;
    PlayAt(1003);  // no tick due yet, but the fade-out and circling start
    EXPECT_EQ(fadeMode, kFadeOut);
    EXPECT_DOUBLE_EQ(fadeStep, 0.5);
    EXPECT_EQ(IsPibModelHidden(0), 1);
    EXPECT_DOUBLE_EQ(pibCameras[0].yawOffset, 0.1);
    EXPECT_EQ(gameState, kStatePlay);
    int now = 1003;
    while (now < 2003) PlayAt(now += 100);  // 330 fly-out ticks: still on the way
    EXPECT_EQ(gameState, kStatePlay);
    EXPECT_GT(pibCameras[0].distX, kCameraNearDist);
    while (gameState == kStatePlay && now < 15003) PlayAt(now += 100);
    EXPECT_EQ(gameState, kStateMenus);
    EXPECT_EQ(gameOver, 0);
    EXPECT_EQ(ticksPerIdle, 10);  // the menus step the fade as usual
    EXPECT_EQ(fadeMode, kFadeNone);
}

TEST_F(TickClock, FadeOutWaitsForARunningFadeInToEnd) {
    StartFadeIn(1.0);
    fadeValue = 500;
    gameOver = 1;
    PlayAt(1100);
    EXPECT_EQ(fadeMode, kFadeIn);
    EXPECT_GT(pibCameras[0].distX, kCameraNearDist);  // cameras fly out all the same
}

class GetReady : public ::testing::Test {
protected:
    void TearDown() override {
        ClearKeyStates();
        UseRealClock();
    }
    void GetReadyAt(int now) {
        UseFakeClock(now);
        IdleGetReady();
    }
};

TEST_F(GetReady, CamerasWaitFiveSecondsThenFlyInAndPlayBegins) {
    LoadGameAt(1, 2, 1000);
    EXPECT_EQ(gameState, kStateGetReady);
    for (int now = 1100; now <= 6000; now += 100) GetReadyAt(now);  // 6000: exactly 5000 ms
    EXPECT_FLOAT_EQ(pibCameras[1].distX, kCameraFar);
    EXPECT_EQ(ticksPerIdle, 33);
    GetReadyAt(6010);
    EXPECT_LT(pibCameras[1].distX, kCameraFar);
    EXPECT_EQ(gameState, kStateGetReady);
    int now = 6010;
    while (gameState == kStateGetReady && now < 30000) GetReadyAt(now += 100);
    EXPECT_EQ(gameState, kStatePlay);
    // All the way down to 1.2 from 20 at 0.005 a tick: about 3740 ticks.
    EXPECT_GT(now, 6010 + 11200);
    EXPECT_LT(now, 6010 + 11500);
}

TEST_F(GetReady, TheHighestNumberedPlayersArrivalStartsPlay) {
    LoadGameAt(2, 3, 1000);
    // Player 2's camera is already in; player 0's is still far out.
    PibCamera& last = pibCameras[2];
    last.distX = last.distY = kCameraNearDist;
    last.height = kCameraNearHeight;
    last.yawOffset = 0;
    GetReadyAt(7000);
    EXPECT_EQ(gameState, kStatePlay);
    EXPECT_GT(pibCameras[0].distX, 10.0f);
}

TEST_F(GetReady, FirstCallRunsOnlyTheTicksSinceTheLoad) {
    LoadGameAt(1, 1, 40000);
    EXPECT_DOUBLE_EQ(fadeValue, 2000);
    EXPECT_EQ(fadeMode, kFadeIn);
    GetReadyAt(40100);
    EXPECT_EQ(ticksPerIdle, 33);
}

TEST(WorldLoad, SetsUpPibsCamerasFadeAndStateFromTheChoices) {
    LoadGameAt(3, 4, 1000);
    EXPECT_EQ(GetPlayerCount(), 4);
    EXPECT_DOUBLE_EQ(GetPibX(0), 3.5);
    EXPECT_DOUBLE_EQ(GetPibY(0), 4.5);
    EXPECT_EQ(GetPibDirIndex(0), 3);
    EXPECT_DOUBLE_EQ(GetPibX(3), 5.5);
    EXPECT_EQ(GetPibDirIndex(3), 2);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(GetCameraMode(p), kCameraOrbit);
        EXPECT_FLOAT_EQ(pibCameras[p].distY, kCameraFar);
        EXPECT_DOUBLE_EQ(pibCameras[p].yawOffset, 0.1);
    }
    EXPECT_EQ(gameState, kStateGetReady);
    EXPECT_DOUBLE_EQ(fadeStep, 1.0);
    UseRealClock();
}

TEST(WorldLoad, OnePlayerStillSetsUpEveryPibButOnlyItsOwnCamera) {
    LoadGameAt(2, 4, 1000);
    pibCameras[1].distX = 7;
    LoadGameAt(2, 1, 1000);
    EXPECT_EQ(GetPlayerCount(), 1);
    EXPECT_DOUBLE_EQ(GetPibX(2), 9.5);
    EXPECT_DOUBLE_EQ(GetPibY(2), 8.5);
    EXPECT_FLOAT_EQ(pibCameras[1].distX, 7);  // inactive camera left alone
    UseRealClock();
}

TEST(WorldLoad, ChoicesOutsideTheMenusRangesFallBackToTheNearest) {
    LoadGameAt(0, 0, 1000);
    EXPECT_EQ(GetPlayerCount(), 1);
    EXPECT_DOUBLE_EQ(GetPibX(1), 0.5);  // world 1's table
    EXPECT_DOUBLE_EQ(GetPibY(1), 9.5);
    LoadGameAt(9, 9, 1000);
    EXPECT_EQ(GetPlayerCount(), 4);
    EXPECT_DOUBLE_EQ(GetPibX(1), 4.5);  // world 3's table
    UseRealClock();
}

}  // namespace
