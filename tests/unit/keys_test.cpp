#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>
#include <string>

#include "core/keys.h"
#include "test_support.h"

// KeyboardDown posts a redisplay, which needs GLUT set up. Without the
// keyboard's word a release clears its own character's slot.
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
// A keyboard as X tells it: what each key makes under any modifiers. "k" is
// the keypad's 7, "1" the French key that makes 1 with Shift.
std::map<char, std::string> keyMakes = {{'a', "aA"}, {'z', "zZ\x1a"}, {'x', "xX\x18"}, {',', ",<"},
                                        {'0', "0)"}, {'7', "7&"},      {'k', "7"},       {'1', "&1"}};
std::string keysDown;

bool FakeCharactersOfKeysDown(std::bitset<256>* made) {
    made->reset();
    for (char key : keysDown)
        for (char c : keyMakes[key]) made->set((unsigned char)c);
    return true;
}

// Steps: the key (L the left arrow, H the window), + or -, then what GLUT
// hands over, # for a special key (Home, or the arrow); H+ hides, H- covers.
// held: every slot set after them.
const char* const kKeyCases[][3] = {
    {"a let go as A (Shift or Caps Lock meanwhile)", "a+a a-A", ""},
    {", and 0 let go as < and ), 1 as &", ",+, 0+0 1+1 ,-< 0-) 1-&", ""},
    {"z let go as Z, x still held", "z+z x+x z-Z", "x"},
    {"two sevens, one let go", "7+7 k+7 7-7", "7"},
    {"keypad 7 let go as Home", "k+7 k-#", ""},
    {"z typed with Ctrl counts, x let go with Ctrl", "z+\x1a x+x x-\x18", "z"},
    {"left arrow let go, z still held", "z+z L+# L-#", "z"},
    {"window covered, then hidden", "z+z H- x+x H+", ""},
};
}  // namespace

TEST(Keys, AKeyLetGoIsLetGoWhateverCharacterItComesBackAs) {
    ASSERT_TRUE(EnsureGlContext());
    SetCharactersOfKeysDown(FakeCharactersOfKeysDown);
    for (const auto& k : kKeyCases) {
        ClearKeyStates();
        keysDown.clear();
        std::istringstream steps(k[1]);
        for (std::string st; steps >> st;) {
            bool down = st[1] == '+';
            if (st[0] == 'H') {
                WindowStatus(down ? GLUT_HIDDEN : GLUT_FULLY_COVERED);
                continue;
            }
            down ? keysDown += st[0] : keysDown.erase(keysDown.find(st[0]), 1);
            if (st[2] == '#') (down ? SpecialDown : SpecialUp)(st[0] == 'L' ? GLUT_KEY_LEFT : GLUT_KEY_HOME, 0, 0);
            else (down ? KeyboardDown : KeyboardUp)((unsigned char)st[2], 0, 0);
        }
        for (int slot = 1; slot < kKeySlotCount; ++slot)
            EXPECT_EQ(IsKeyDown(slot), slot < 256 && std::strchr(k[2], slot)) << k[0] << ": slot " << slot;
    }
    SetCharactersOfKeysDown(nullptr);
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
