#include "core/keys.h"

#include <GL/glut.h>

#include "support/helpers.h"

namespace {
int keyState[kKeySlotCount];
CharactersOfKeysDownFn charactersOfKeysDown = nullptr;

int SpecialSlot(int key) {
    switch (key) {
    case GLUT_KEY_UP: return kKeyUp;
    case GLUT_KEY_DOWN: return kKeyDown;
    case GLUT_KEY_LEFT: return kKeyLeft;
    case GLUT_KEY_RIGHT: return kKeyRight;
    case GLUT_KEY_F1: return kKeyF1;
    default: return -1;
    }
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

// A key let go may come back as another character than it went down as, if
// Shift, Caps Lock or Ctrl changed meanwhile, and two keys may make one
// character. So at every release the keyboard is asked which keys are still
// down, and each character none of them makes is let go.
bool LetGoCharactersOfNoKeyDown() {
    std::bitset<256> made;
    if (!charactersOfKeysDown || !charactersOfKeysDown(&made)) return false;
    for (int c = 0; c < 256; ++c)
        if (!made[c]) keyState[c] = 0;
    return true;
}
}  // namespace

void ClearKeyStates() {
    for (int& flag : keyState) flag = 0;
}

void KeyboardDown(unsigned char key, int, int) {
    if (key == 27) ExitProgram(0);
    keyState[CharacterSlot(key)] = 1;
    glutPostRedisplay();
}

void KeyboardUp(unsigned char key, int, int) {
    if (!LetGoCharactersOfNoKeyDown()) keyState[CharacterSlot(key)] = 0;
}

void SpecialDown(int key, int, int) {
    int slot = SpecialSlot(key);
    if (slot < 0) return;
    // The left and right arrows exclude each other: the one held first counts.
    if (slot == kKeyLeft && keyState[kKeyRight]) return;
    if (slot == kKeyRight && keyState[kKeyLeft]) return;
    keyState[slot] = 1;
}

void SpecialUp(int key, int, int) {
    int slot = SpecialSlot(key);
    if (slot >= 0) keyState[slot] = 0;
    // Shift let go, or a key whose other character is no character at all
    // (a keypad digit under Shift): a character may be let go here too.
    LetGoCharactersOfNoKeyDown();
}

void WindowStatus(int state) {
    if (state == GLUT_HIDDEN) ClearKeyStates();
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

void SetCharactersOfKeysDown(CharactersOfKeysDownFn lookup) { charactersOfKeysDown = lookup; }
