#include <GL/glut.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/keys.h"
#include "test_support.h"

// KeyboardDown posts a redisplay, which needs GLUT set up. GLUT's callbacks
// hand over characters: a release lets go of the character it comes as.
TEST(Keys, LettersCountSmallOrCapitalAndRepeatIsHarmless) {
    ASSERT_TRUE(EnsureGlContext());
    ClearKeyStates();
    KeyboardDown('S', 0, 0);
    EXPECT_EQ(IsKeyDown('s'), 1);
    EXPECT_EQ(IsKeyDown('S'), 0);
    KeyboardDown('s', 0, 0);
    KeyboardUp('S', 0, 0);
    EXPECT_EQ(IsKeyDown('s'), 0);
    KeyboardDown(200, 0, 0);  // codes above 127 are slots too, not negative indices
    EXPECT_EQ(IsKeyDown(200), 1);
}

namespace {
// Keys by name, A to Z, each a number of its own. Steps: a key, + and the
// character its press sets (or none), or - to let it go; "=" and the keys
// down as the keyboard comes back; W+ hides the window, W- covers it. held:
// every slot set after them. The rest is played with real keys.
const char* const kKeyCases[][3] = {
    {"the keyboard back: a key let go meanwhile is let go", "A+x B+z =BC", "z"},
    {"the keyboard back: a key held all along counts once let go and pressed again", "=C C+c C- C+c", "c"},
    {"window covered keeps its keys", "A+z W-", "z"},
    {"window hidden lets go, and a key pressed after counts", "A+x B+z W+ A+x", "x"},
};

}  // namespace

TEST(Keys, AReleaseLetsGoOfWhatItsOwnPressSet) {
    for (const auto& k : kKeyCases) {
        ClearKeyStates();
        std::istringstream steps(k[1]);
        for (std::string st; steps >> st;) {
            if (st[0] == '=') {
                KeyboardKeys down;
                for (char key : st.substr(1)) down.set(key);
                KeyboardKeysDownAre(down);
            } else if (st[0] == 'W') {
                WindowStatus(st[1] == '+' ? GLUT_HIDDEN : GLUT_FULLY_COVERED);
            } else if (st[1] == '+') {
                PressKey(st[0], st.size() > 2 ? st[2] : -1);
            } else {
                ReleaseKey(st[0]);
            }
        }
        for (int slot = 1; slot < kKeySlotCount; ++slot) {
            bool held = false;
            for (const char* h = k[2]; *h; ++h) held = held || *h == slot;
            EXPECT_EQ(IsKeyDown(slot), held) << k[0] << ": slot " << slot;
        }
    }
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
    SpecialUp(GLUT_KEY_LEFT, 0, 0);
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
    // Outside GLUT's callbacks no modifier is held, and asking needs GLUT set up.
    EXPECT_EXIT((EnsureGlContext(), KeyboardDown(27, 0, 0)), ::testing::ExitedWithCode(0), "");
}
