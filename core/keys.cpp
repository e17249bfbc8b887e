#include "core/keys.h"

#include <GL/glut.h>

#include <cstring>

#include "support/helpers.h"

namespace {
int keyState[kKeySlotCount];

// GLUT's callbacks name no key, so each slot they set stands for a key of
// its own, numbered after the keyboard's.
const int kGlutKeys = kKeyboardKeys;
const int kKeyCount = kGlutKeys + kKeySlotCount;
// Which keys are down, and the slot each one's press set (-1 none).
std::bitset<kKeyCount> keyDown;
int pressSet[kKeyCount];

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
// those stay as they come. Under Ctrl, X makes 0 of 2, the codes from Escape
// (27) to 31 of 3 to 7 and 127 of 8: those count as the digits, so Ctrl+3 is
// no Escape. The punctuation whose codes they share (Ctrl+space, [ and /
// among them) counts as that digit too.
bool IsCodeOfCtrlDigit(unsigned char key) { return key == 0 || (key >= 27 && key <= 31) || key == 127; }

int CharacterSlot(unsigned char key) {
    if (IsCodeOfCtrlDigit(key) && (glutGetModifiers() & GLUT_ACTIVE_CTRL))
        return key == 0 ? '2' : key == 127 ? '8' : key - 27 + '3';
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    if (key >= 1 && key <= 26 && key != '\b' && key != '\t' && key != '\r') return key - 1 + 'a';
    return key;
}
}  // namespace

void ClearKeyStates() {
    for (int& flag : keyState) flag = 0;
    keyDown.reset();
}

void PressKey(int key, int slot) {
    if (key < 0 || key >= kKeyCount || keyDown[key]) return;
    if (slot == 27) ExitProgram(0);
    keyDown.set(key);
    pressSet[key] = -1;
    if (slot < 0 || slot >= kKeySlotCount) return;
    // The left and right arrows exclude each other: the one held first counts.
    if (slot == kKeyLeft && keyState[kKeyRight]) return;
    if (slot == kKeyRight && keyState[kKeyLeft]) return;
    pressSet[key] = slot;
    keyState[slot] = 1;
}

void ReleaseKey(int key) {
    if (key < 0 || key >= kKeyCount || !keyDown[key]) return;
    keyDown.reset(key);
    int slot = pressSet[key];
    if (slot < 0) return;
    for (int k = 0; k < kKeyCount; ++k)
        if (keyDown[k] && pressSet[k] == slot) return;
    keyState[slot] = 0;
}

void KeyboardKeysDownAre(const KeyboardKeys& down) {
    for (int key = 0; key < kKeyboardKeys; ++key) {
        if (keyDown[key] && !down[key]) ReleaseKey(key);
        if (!keyDown[key] && down[key]) {
            keyDown.set(key);
            pressSet[key] = -1;
        }
    }
}

// One a layout makes only with Shift counts as it comes (on a German keyboard
// "/" is Shift+7, on a French one the digits are shifted).
bool IsControl(int slot) { return slot > 0 && slot < 128 && std::strchr("zcx,/.798" "1234" "jkui6" "pas0 ", slot); }

void KeyboardDown(unsigned char key, int, int) {
    int slot = CharacterSlot(key);
    PressKey(kGlutKeys + slot, slot);
    glutPostRedisplay();
}

void KeyboardUp(unsigned char key, int, int) { ReleaseKey(kGlutKeys + CharacterSlot(key)); }

void SpecialDown(int key, int, int) {
    int slot = SpecialSlot(key);
    if (slot >= 0) PressKey(kGlutKeys + slot, slot);
}

void SpecialUp(int key, int, int) {
    int slot = SpecialSlot(key);
    if (slot >= 0) ReleaseKey(kGlutKeys + slot);
}

void WindowStatus(int state) {
    if (state == GLUT_HIDDEN) ClearKeyStates();
}

void ListenToGlutKeys(bool characters) {
    // A held key stays down: the repeats of the keyboard would otherwise show
    // as a release and a new press, and a held "p" would flip the pause.
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(characters ? KeyboardDown : nullptr);
    glutKeyboardUpFunc(characters ? KeyboardUp : nullptr);
    glutSpecialFunc(characters ? SpecialDown : nullptr);
    glutSpecialUpFunc(characters ? SpecialUp : nullptr);
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
