#include <gtest/gtest.h>

#include <vector>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "game_test_support.h"
#include "test_support.h"

TEST(Frame, ResetToTitleClearsTheFlowForANewGame) {
    fadeValue = 1234;
    fadeMode = kFadeOut;
    gameState = kStatePlay;
    pauseKeyLast = upKeyLast = downKeyLast = spaceKeyLast = 1;
    ticksPerIdle = 77;
    playerChoice = 4;
    worldChoice = 3;
    menuPage = 2;
    titleItem = 2;
    gameOver = 1;
    paused = 1;
    ResetToTitle();
    EXPECT_EQ(fadeValue, 0.0);
    EXPECT_EQ(fadeMode, kFadeNone);
    EXPECT_EQ(gameState, kStateMenus);
    EXPECT_EQ(pauseKeyLast + upKeyLast + downKeyLast + spaceKeyLast, 0);
    EXPECT_EQ(ticksPerIdle, 10);
    EXPECT_EQ(playerChoice, 1);
    EXPECT_EQ(worldChoice, 1);
    EXPECT_EQ(menuPage, 0);
    EXPECT_EQ(titleItem, 1);
    EXPECT_EQ(gameOver, 0);
    EXPECT_EQ(paused, 0);
}

TEST(Frame, ReshapeOnlyRecordsTheSize) {
    int state = gameState;
    Reshape(320, 0);
    EXPECT_EQ(windowWidth, 320);
    EXPECT_EQ(windowHeight, 0);
    EXPECT_EQ(gameState, state);
    Reshape(600, 450);
}

// Needs the game's data folder as working directory (the screen pictures).
// The story scenes pace their frames from the last one drawn, which an
// earlier test may have left far ahead of this process's clock: a clock that
// moves on at every reading catches up at once rather than in real time.
class FrameDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        static bool graphics = false;
        if (!graphics) InitGraphics();
        graphics = true;
        ClearKeyStates();
        ResetToTitle();
        UseFakeClock(0, 1);
    }
    void TearDown() override { UseRealClock(); }
};

TEST_F(FrameDisplay, FrameCounterWrapsAtEight) {
    frameCounter8 = 6;
    Display();
    EXPECT_EQ(frameCounter8, 7);
    Display();
    EXPECT_EQ(frameCounter8, 0);
}

// "s" skips a story scene when it goes down: a press that several frames
// see, or a key held on, skips only the scene it was pressed in; a release
// is seen in any state, so the next press counts wherever it comes.
TEST_F(FrameDisplay, EachPressOfSSkipsOneStoryScene) {
    struct Step {
        int state;   // set before the displays (-1: as the last step left it)
        bool down;   // "s" during them
        int displays;
        int expect;  // the state after them
    };
    const Step steps[] = {
        {kStatePalace, true, 4, kStateArmy},   // one press over four frames
        {-1, true, 30, kStateArmy},            // held on: nothing more
        {-1, false, 1, kStateArmy},
        {-1, true, 3, kStateSpiral},           // the next press
        {-1, false, 1, kStateSpiral},
        {-1, true, 2, kStateMenus},
        {-1, false, 1, kStateMenus},           // released on the title page
        {kStatePalace, true, 1, kStateArmy},   // a new story: the first press counts
    };
    // The display polls "s" up (the keys are cleared), however an earlier
    // test's last display saw it.
    Display();
    for (const Step& step : steps) {
        if (step.state >= 0) gameState = step.state;
        if (step.down) KeyboardDown('s', 0, 0);
        else KeyboardUp('s', 0, 0);
        for (int i = 0; i < step.displays; ++i) Display();
        EXPECT_EQ(gameState, step.expect) << "after " << &step - steps;
    }
    KeyboardUp('s', 0, 0);
    Display();
}

TEST_F(FrameDisplay, HeldAReturnsToTheTitleFromEveryStateWithoutAnIdleStep) {
    KeyboardDown('a', 0, 0);
    for (int state : {kStateOpening, kStateMenus, kStatePalace, kStateArmy, kStateSpiral}) {
        gameState = state;
        paused = 1;
        Idle();
        EXPECT_EQ(gameState, kStateMenus) << state;
        EXPECT_EQ(paused, 0);
    }
    KeyboardUp('a', 0, 0);
}

TEST_F(FrameDisplay, FadeStepsTenTimesPerIdleInTheMenus) {
    StartFadeOut(2.0);
    Idle();
    EXPECT_EQ(fadeValue, 20.0);
}

// Memory freed in the middle of the heap (as the renderer frees a frame's
// blocks among ones that stay) is handed back within a thousand idle calls.
TEST_F(FrameDisplay, IdleCallsHandFreedPagesBack) {
    SKIP_UNDER_ADDRESS_SANITIZER();
    std::vector<std::vector<char>> freed, kept;
    for (int i = 0; i < 640; ++i) {  // 40 MB, in blocks under the allocator's own mapping size
        freed.emplace_back(64 * 1024, char(1));
        kept.emplace_back(1024);
    }
    // One more kept after them all: when the small blocks come from what
    // earlier tests freed rather than from between these, this one still
    // keeps them off the heap's top, which a free would hand back at once.
    kept.emplace_back(64 * 1024, char(1));
    freed = {};
    long held = ResidentKb();
    for (int i = 0; i < 1000; ++i) Idle();
    EXPECT_LT(ResidentKb(), held - 30 * 1024);
}
