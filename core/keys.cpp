#include "core/keys.h"

#include <GL/glut.h>

#include <cstring>

#include "support/helpers.h"

namespace {
int keyState[kKeySlotCount];
const KeyboardWord* keyboard = nullptr;

const struct {
    int glutKey;
    int slot;
} kSpecialSlots[] = {
    {GLUT_KEY_UP, kKeyUp},       {GLUT_KEY_DOWN, kKeyDown}, {GLUT_KEY_LEFT, kKeyLeft},
    {GLUT_KEY_RIGHT, kKeyRight}, {GLUT_KEY_F1, kKeyF1},
};

int SpecialSlot(int key) {
    for (const auto& s : kSpecialSlots)
        if (s.glutKey == key) return s.slot;
    return -1;
}

// GLUT hands over characters, not keys. A letter counts whether it comes
// small, capital (Shift, Caps Lock) or as the control code Ctrl makes of it;
// Backspace, Tab and Return make the codes of Ctrl+h, i and m themselves, so
// those stay as they come.
int CharacterSlot(unsigned char key) {
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    if (key >= 1 && key <= 26 && key != '\b' && key != '\t' && key != '\r') return key - 1 + 'a';
    return key;
}

// The characters some reader reads. One that a layout makes only with Shift
// counts as it comes (on a German keyboard "/" is Shift+7, on a French one
// the digits are shifted); any other character counts as what its key makes
// alone, so Shift+. still fires and Shift+7 still turns.
bool IsControl(int c) { return c > 0 && c < 128 && std::strchr("zcx,/.798" "1234" "jkui6" "pas0 ", c); }

int PressedSlot(unsigned char key, const HeardKey& heard) {
    int c = CharacterSlot(key);
    if (IsControl(c) || heard.alone < 0) return c;
    return CharacterSlot((unsigned char)heard.alone);
}

// Finds the event among what the keyboard saw. The releases of keys held as
// the window lost the keyboard went elsewhere, so the loss lets go of every
// key held before it, and of none pressed after it.
HeardKey Hear(bool press, int glutKey) {
    HeardKey heard;
    if (keyboard && keyboard->hear(press, glutKey, &heard) && heard.lostBefore) ClearKeyStates();
    return heard;
}

// A key let go may come back as another character or special key than it
// went down as, if Shift, Caps Lock, Ctrl or Num Lock changed meanwhile, and
// two keys may make one character. So at every release the keyboard is
// asked which keys are still down, and each slot none of them makes is let go.
bool LetGoWhatNoKeyDownMakes() {
    GlutKeys made;
    if (!keyboard || !keyboard->keysDownMake(&made)) return false;
    for (int c = 0; c < 256; ++c)
        if (!made[c]) keyState[c] = 0;
    for (const auto& s : kSpecialSlots)
        if (!made[kGlutSpecial + s.glutKey]) keyState[s.slot] = 0;
    return true;
}
}  // namespace

void ClearKeyStates() {
    for (int& flag : keyState) flag = 0;
}

void KeyboardDown(unsigned char key, int, int) {
    if (key == 27) ExitProgram(0);
    keyState[PressedSlot(key, Hear(true, key))] = 1;
    glutPostRedisplay();
}

void KeyboardUp(unsigned char key, int, int) {
    Hear(false, key);
    if (!LetGoWhatNoKeyDownMakes()) keyState[CharacterSlot(key)] = 0;
}

void SpecialDown(int key, int, int) {
    Hear(true, kGlutSpecial + key);
    int slot = SpecialSlot(key);
    if (slot < 0) return;
    // The left and right arrows exclude each other: the one held first counts.
    if (slot == kKeyLeft && keyState[kKeyRight]) return;
    if (slot == kKeyRight && keyState[kKeyLeft]) return;
    keyState[slot] = 1;
}

// Shift let go, or a key whose other character is no character at all (a
// keypad digit under Shift): a character may be let go here too.
void SpecialUp(int key, int, int) {
    Hear(false, kGlutSpecial + key);
    int slot = SpecialSlot(key);
    if (!LetGoWhatNoKeyDownMakes() && slot >= 0) keyState[slot] = 0;
}

void WindowStatus(int state) {
    if (state == GLUT_HIDDEN) ClearKeyStates();
}

void ListenToKeys() {
    // A held key stays down: the repeats of the keyboard would otherwise show
    // as a release and a new press, and a held "p" would flip the pause.
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(KeyboardDown);
    glutKeyboardUpFunc(KeyboardUp);
    glutSpecialFunc(SpecialDown);
    glutSpecialUpFunc(SpecialUp);
    glutWindowStatusFunc(WindowStatus);
}

int IsKeyDown(int slot) {
    if (slot < 0 || slot >= kKeySlotCount) return 0;
    return keyState[slot];
}

int KeyPressed(int slot, int* last) {
    int down = IsKeyDown(slot);
    int pressed = down && !*last;
    *last = down;
    return pressed;
}

const KeyboardWord* SetKeyboardWord(const KeyboardWord* word) {
    const KeyboardWord* before = keyboard;
    keyboard = word;
    return before;
}
