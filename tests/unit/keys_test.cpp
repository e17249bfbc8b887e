#include <GL/glut.h>
#include <gtest/gtest.h>

#include "core/keys.h"
#include "test_support.h"

// KeyboardDown posts a redisplay, which needs GLUT set up.
TEST(Keys, LettersAreCaseSensitiveAndRepeatIsHarmless) {
    ASSERT_TRUE(EnsureGlContext());
    ClearKeyStates();
    KeyboardDown('S', 0, 0);
    EXPECT_EQ(IsKeyDown('S'), 1);
    EXPECT_EQ(IsKeyDown('s'), 0);
    KeyboardDown('S', 0, 0);
    KeyboardUp('S', 0, 0);
    EXPECT_EQ(IsKeyDown('S'), 0);
    KeyboardDown(200, 0, 0);  // codes above 127 are slots too, not negative indices
    EXPECT_EQ(IsKeyDown(200), 1);
}

TEST(Keys, LeftAndRightArrowsExcludeEachOther) {
    ClearKeyStates();
    SpecialDown(GLUT_KEY_RIGHT, 0, 0);
    SpecialDown(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyRight), 1);
    EXPECT_EQ(IsKeyDown(kKeyLeft), 0);
    SpecialUp(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyRight), 0);
    EXPECT_EQ(IsKeyDown(kKeyLeft), 0);  // counts only once pressed again
    SpecialDown(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyLeft), 1);
    SpecialDown(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyRight), 0);
    SpecialUp(GLUT_KEY_RIGHT, 0, 0);  // releasing always clears, even unset
    SpecialUp(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyLeft), 0);
}

TEST(Keys, SpecialKeysMapToTheirSlotsAndOthersAreIgnored) {
    ClearKeyStates();
    SpecialDown(GLUT_KEY_UP, 0, 0);
    SpecialDown(GLUT_KEY_DOWN, 0, 0);
    SpecialDown(GLUT_KEY_F1, 0, 0);
    SpecialDown(GLUT_KEY_F2, 0, 0);
    EXPECT_EQ(IsKeyDown(kKeyUp), 1);
    EXPECT_EQ(IsKeyDown(kKeyDown), 1);
    EXPECT_EQ(IsKeyDown(kKeyF1), 1);
    EXPECT_EQ(IsKeyDown(kKeySpare), 0);
    ClearKeyStates();
    for (int slot = 0; slot < kKeySlotCount; ++slot) EXPECT_EQ(IsKeyDown(slot), 0);
}

TEST(Keys, OutOfRangeSlotsAnswerZero) {
    EXPECT_EQ(IsKeyDown(-1), 0);
    EXPECT_EQ(IsKeyDown(262), 0);
    EXPECT_EQ(IsKeyDown(1 << 30), 0);
}

TEST(Keys, PressDetectionActsOncePerPress) {
    ASSERT_TRUE(EnsureGlContext());
    ClearKeyStates();
    int last = 0;
    EXPECT_EQ(KeyPressed('p', &last), 0);
    KeyboardDown('p', 0, 0);
    EXPECT_EQ(KeyPressed('p', &last), 1);
    EXPECT_EQ(KeyPressed('p', &last), 0);
    KeyboardUp('p', 0, 0);
    EXPECT_EQ(KeyPressed('p', &last), 0);
    KeyboardDown('p', 0, 0);
    EXPECT_EQ(KeyPressed('p', &last), 1);
}

TEST(KeysDeathTest, EscapeEndsTheProgramWithCodeZero) {
    EXPECT_EXIT(KeyboardDown(27, 0, 0), ::testing::ExitedWithCode(0), "");
}
