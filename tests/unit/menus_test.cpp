#include <GL/glut.h>
#include <unistd.h>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "game_test_support.h"
#include "players/pib.h"
#include "scenes/palace.h"
#include "test_support.h"

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartFromGlDefaults());
        ClearKeyStates();
        ResetToTitle();
    }
    void TearDown() override {
        ClearKeyStates();
        UseRealClock();
    }
    // One display call with the key held, then one with it released.
    void Press(int special) {
        SpecialDown(special, 0, 0);
        DrawMenuScreen();
        SpecialUp(special, 0, 0);
        DrawMenuScreen();
    }
    void PressSpace() {
        KeyboardDown(' ', 0, 0);
        DrawMenuScreen();
        KeyboardUp(' ', 0, 0);
        DrawMenuScreen();
    }
};

TEST_F(Menus, ArrowsActOncePerPressAndStopAtTheBounds) {
    SpecialDown(GLUT_KEY_DOWN, 0, 0);
    for (int i = 0; i < 5; ++i) DrawMenuScreen();
    EXPECT_EQ(titleItem, 2);
    SpecialUp(GLUT_KEY_DOWN, 0, 0);
    Press(GLUT_KEY_DOWN);
    EXPECT_EQ(titleItem, 2);
    Press(GLUT_KEY_UP);
    Press(GLUT_KEY_UP);
    EXPECT_EQ(titleItem, 1);
}

TEST_F(Menus, HeldSpaceMovesOnOnePageOnly) {
    Press(GLUT_KEY_DOWN);
    KeyboardDown(' ', 0, 0);
    for (int i = 0; i < 5; ++i) DrawMenuScreen();
    EXPECT_EQ(menuPage, kMenuWorld);
    EXPECT_EQ(gameState, kStateMenus);
}

TEST_F(Menus, WorldAndPlayersPagesLeadToTheFadeOutAndTheLoad) {
    Press(GLUT_KEY_DOWN);
    PressSpace();
    for (int i = 0; i < 4; ++i) Press(GLUT_KEY_DOWN);
    EXPECT_EQ(worldChoice, 3);
    PressSpace();
    EXPECT_EQ(menuPage, kMenuPlayers);
    for (int i = 0; i < 5; ++i) Press(GLUT_KEY_DOWN);
    EXPECT_EQ(playerChoice, 4);
    PressSpace();
    EXPECT_EQ(menuPage, kMenuLeaving);
    EXPECT_EQ(fadeMode, kFadeOut);
    EXPECT_DOUBLE_EQ(fadeStep, 2.0);

    // While the fade runs the keys do nothing.
    Press(GLUT_KEY_UP);
    EXPECT_EQ(playerChoice, 4);

    UseFakeClock(12345);
    for (int call = 1; call <= 100; ++call) {
        IdleMenu();
        ASSERT_EQ(gameState, kStateMenus) << "loaded early, at call " << call;
        StepFadeTicks();
    }
    EXPECT_DOUBLE_EQ(fadeValue, 2000);
    IdleMenu();
    EXPECT_EQ(gameState, kStateGetReady);
    EXPECT_EQ(GetPlayerCount(), 4);
    EXPECT_DOUBLE_EQ(GetPibX(0), 3.5);  // world 3
    EXPECT_EQ(worldLoadTime, 12345);
    EXPECT_EQ(lastTickTime, 12345);
    EXPECT_EQ(fadeMode, kFadeIn);
}

TEST_F(Menus, StoryItemStartsThePalaceSceneUnderAFadeIn) {
    // The game loads the palace's pictures at start-up: a start before them
    // would make its props' display lists, kept for the process, untextured.
    ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
    LoadPalaceTextures();
    PressSpace();
    EXPECT_EQ(gameState, kStatePalace);
    EXPECT_DOUBLE_EQ(fadeValue, 2000);
    EXPECT_EQ(fadeMode, kFadeIn);
    EXPECT_DOUBLE_EQ(fadeStep, 2.0);
}

TEST_F(Menus, ArrowComesBeforeSpaceInTheSameDisplayCall) {
    SpecialDown(GLUT_KEY_DOWN, 0, 0);
    KeyboardDown(' ', 0, 0);
    DrawMenuScreen();
    EXPECT_EQ(gameState, kStateMenus);  // play, not the story
    EXPECT_EQ(menuPage, kMenuWorld);
}

TEST_F(Menus, ReturnToTheTitleForgetsTheChoices) {
    Press(GLUT_KEY_DOWN);
    PressSpace();
    Press(GLUT_KEY_DOWN);
    KeyboardDown('a', 0, 0);
    Idle();
    EXPECT_EQ(menuPage, kMenuTitle);
    EXPECT_EQ(titleItem, 1);
    EXPECT_EQ(worldChoice, 1);
}

TEST_F(Menus, ChoicesOutsideTheRowsStillDraw) {
    // A stray value draws the nearest row rather than reading past the table.
    titleItem = 9;
    DrawMenuScreen();
    menuPage = kMenuWorld;
    worldChoice = -3;
    DrawMenuScreen();
    menuPage = kMenuPlayers;
    playerChoice = 0;
    DrawMenuScreen();
    glFinish();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
