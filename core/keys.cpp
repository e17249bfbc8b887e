#include "core/keys.h"

#include <GL/glut.h>

#include "support/helpers.h"

namespace {
int keyState[kKeySlotCount];

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
}  // namespace

void ClearKeyStates() {
    for (int& flag : keyState) flag = 0;
}

void KeyboardDown(unsigned char key, int, int) {
    if (key == 27) ExitProgram(0);
    keyState[key] = 1;
    glutPostRedisplay();
}

void KeyboardUp(unsigned char key, int, int) { keyState[key] = 0; }

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
