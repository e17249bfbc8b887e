#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
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
// A keyboard as X tells it: the characters each key makes, the first of them
// alone, and the special keys (L left, U up, H Home).
struct FakeKey {
    char key;
    const char* characters;
    const char* specials;
};
const FakeKey kFakeKeys[] = {
    {'a', "aA", ""}, {'z', "zZ\x1a", ""}, {'x', "xX\x18", ""}, {',', ",<", ""}, {'0', "0)", ""},
    {'1', "&1", ""}, {'k', "7", "H"},     {'8', "8", "U"},     {'L', "", "L"},  {'U', "", "U"},
};  // 1: the French 1; k, 8: the keypad's
std::string keysDown;
char keyOfEvent;

const FakeKey& Fake(char key) {
    for (const FakeKey& k : kFakeKeys)
        if (k.key == key) return k;
    throw std::out_of_range(std::string("no fake key ") + key);
}

int SpecialOf(char s) { return kGlutSpecial + (s == 'L' ? GLUT_KEY_LEFT : s == 'U' ? GLUT_KEY_UP : GLUT_KEY_HOME); }

bool FakeHear(bool, int, HeardKey* heard) {
    heard->alone = Fake(keyOfEvent).characters[0] ? (unsigned char)Fake(keyOfEvent).characters[0] : -1;
    return true;
}

bool FakeKeysDownMake(GlutKeys* made) {
    made->reset();
    for (char key : keysDown) {
        for (const char* c = Fake(key).characters; *c; ++c) made->set((unsigned char)*c);
        for (const char* s = Fake(key).specials; *s; ++s) made->set(SpecialOf(*s));
    }
    return true;
}
const KeyboardWord kFakeWord = {FakeHear, FakeKeysDownMake};

// Steps: the key, + or -, then what GLUT hands over (# and L, U or H for a
// special key); W+ hides the window, W- covers it. held: every slot set after them (L and U for the arrows).
const char* const kKeyCases[][3] = {
    {"a let go as A (Shift or Caps Lock meanwhile)", "a+a a-A", ""},
    {", and 0 let go as < and ), the French 1 as &", ",+, 0+0 1+1 ,-< 0-) 1-&", ""},
    {"z let go as Z, x still held", "z+z x+x z-Z", "x"},
    {"keypad 7 let go as Home", "k+7 k-#H", ""},
    {"z typed with Ctrl counts, x let go with Ctrl", "z+\x1a x+x x-\x18", "z"},
    {"left arrow let go, z still held", "z+z L+#L L-#L", "z"},
    {"keypad 8 let go as the up arrow, the up arrow held", "U+#U 8+8 8-#U", "U"},
    {"window covered keeps its keys", "z+z W-", "z"},
    {"window hidden lets go", "z+z W+", ""},
};

int HeldSlot(char c) { return c == 'L' ? int(kKeyLeft) : c == 'U' ? int(kKeyUp) : (unsigned char)c; }
}  // namespace

TEST(Keys, EveryKeyCountsAsItselfWhateverCharacterItComesAs) {
    ASSERT_TRUE(EnsureGlContext());
    SetKeyboardWord(&kFakeWord);
    for (const auto& k : kKeyCases) {
        ClearKeyStates();
        keysDown.clear();
        std::istringstream steps(k[1]);
        for (std::string st; steps >> st;) {
            bool down = st.size() > 1 && st[1] == '+';
            if (st[0] == 'W') {
                WindowStatus(down ? GLUT_HIDDEN : GLUT_FULLY_COVERED);
                continue;
            }
            down ? keysDown += st[0] : keysDown.erase(keysDown.find(st[0]), 1);
            keyOfEvent = st[0];
            if (st[2] == '#') (down ? SpecialDown : SpecialUp)(SpecialOf(st[3]) - kGlutSpecial, 0, 0);
            else (down ? KeyboardDown : KeyboardUp)((unsigned char)st[2], 0, 0);
        }
        for (int slot = 1; slot < kKeySlotCount; ++slot) {
            bool held = false;
            for (const char* h = k[2]; *h; ++h) held = held || HeldSlot(*h) == slot;
            EXPECT_EQ(IsKeyDown(slot), held) << k[0] << ": slot " << slot;
        }
    }
    SetKeyboardWord(nullptr);
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
