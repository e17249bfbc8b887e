#include <gtest/gtest.h>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
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
class FrameDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        static bool graphics = false;
        if (!graphics) InitGraphics();
        graphics = true;
        ClearKeyStates();
        ResetToTitle();
    }
};

TEST_F(FrameDisplay, FrameCounterWrapsAtEight) {
    frameCounter8 = 6;
    Display();
    EXPECT_EQ(frameCounter8, 7);
    Display();
    EXPECT_EQ(frameCounter8, 0);
}

TEST_F(FrameDisplay, HeldSkipAdvancesOneStorySceneperDisplay) {
    KeyboardDown('s', 0, 0);
    gameState = kStatePalace;
    Display();
    EXPECT_EQ(gameState, kStateArmy);
    Display();
    EXPECT_EQ(gameState, kStateSpiral);
    Display();
    EXPECT_EQ(gameState, kStateMenus);
    KeyboardUp('s', 0, 0);
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
