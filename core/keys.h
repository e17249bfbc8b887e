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
// Hands the current window's keys to the callbacks above, key repeat ignored.
void ListenToKeys();

// 1 while held; any slot outside the table answers 0.
int IsKeyDown(int slot);

// Readers that act once per press keep the key's last polled state here and
// act when it turns from 0 to 1.
int KeyPressed(int slot, int* last);

// What GLUT hands over for a key, as one number: a character 0 to 255, or
// kGlutSpecial plus a GLUT special key code.
const int kGlutSpecial = 256;
const int kGlutKeyCount = kGlutSpecial + 128;
using GlutKeys = std::bitset<kGlutKeyCount>;

// The keyboard's own account of the event GLUT hands over now.
struct HeardKey {
    bool lostBefore = false;  // the window lost the keyboard after the event before it
    int alone = -1;           // the character its key makes with no modifier, -1 none
};

// What the keyboard tells beyond GLUT's callbacks; each answers false when it
// cannot say. The game asks X; tests play a keyboard of their own. Without
// one a callback goes by what GLUT hands over alone: a letter counts small
// or capital, and a release lets go of its own slot.
struct KeyboardWord {
    bool (*hear)(bool press, int glutKey, HeardKey* heard);
    // Everything the keys down now make under any modifiers.
    bool (*keysDownMake)(GlutKeys* made);
};
// Answers the word it replaces.
const KeyboardWord* SetKeyboardWord(const KeyboardWord* word);
