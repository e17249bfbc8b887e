// Which keys are held: one table of flags set as keys go down and up, and
// polled by every reader through IsKeyDown.
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

// Lets go of every key.
void ClearKeyStates();

// Keys by a number of their own: X names each key of the keyboard by its
// keycode, below kKeyboardKeys.
const int kKeyboardKeys = 256;
using KeyboardKeys = std::bitset<kKeyboardKeys>;

// A key goes down and sets its slot (-1: none); Escape's (27) ends the
// program. A key already down (the keyboard repeating it) changes nothing.
void PressKey(int key, int slot);
// A key comes up and lets go of what its own press set, unless another key
// still down set it too.
void ReleaseKey(int key);
// The keyboard's keys down now, as X tells when the window gets the keyboard
// back: any other is let go, and one that went down while the window had no
// keyboard holds nothing until it is pressed again.
void KeyboardKeysDownAre(const KeyboardKeys& down);

// The characters some reader reads.
bool IsControl(int slot);

// GLUT's callbacks, which hand over characters and not keys: where the game
// cannot ask X which key made an event, a letter counts small or capital
// (or as the code Ctrl makes of it), and a release lets go of the character
// it comes as.
void KeyboardDown(unsigned char key, int x, int y);
void KeyboardUp(unsigned char key, int x, int y);
void SpecialDown(int key, int x, int y);
void SpecialUp(int key, int x, int y);
// GLUT window-status callback: a hidden window hears no more releases, so
// every key is let go.
void WindowStatus(int state);
// Registers the window-status callback, and GLUT's key callbacks when the
// game takes its keys from them (key repeat ignored), or none.
void ListenToGlutKeys(bool characters);

// 1 while held; any slot outside the table answers 0.
int IsKeyDown(int slot);

// Readers that act once per press keep the key's last polled state here and
// act when it turns from 0 to 1.
int KeyPressed(int slot, int* last);
