// Which keys are held: one table of flags filled by the GLUT keyboard callbacks
// and polled by every reader through IsKeyDown.
#pragma once

#include <bitset>

enum KeySlot {
    kKeyUp = 256,
    kKeyDown = 257,
    kKeyLeft = 258,
    kKeyRight = 259,
    kKeyF1 = 260,
    kKeySpare = 261,
    kKeySlotCount = 262
};

void ClearKeyStates();
void KeyboardDown(unsigned char key, int x, int y);
void KeyboardUp(unsigned char key, int x, int y);
void SpecialDown(int key, int x, int y);
void SpecialUp(int key, int x, int y);
// GLUT window-status callback: a hidden window hears no more releases, so
// every key is let go.
void WindowStatus(int state);

// 1 while held; any slot outside the table answers 0.
int IsKeyDown(int slot);

// Readers that act once per press keep the key's last polled state here and
// act when it turns from 0 to 1.
int KeyPressed(int slot, int* last);

// Which characters the keys down now can make, whatever the modifiers; false
// when the keyboard cannot say. The game asks X; tests play a keyboard of
// their own. Without one, a release clears only its own character's slot.
using CharactersOfKeysDownFn = bool (*)(std::bitset<256>* made);
void SetCharactersOfKeysDown(CharactersOfKeysDownFn lookup);
