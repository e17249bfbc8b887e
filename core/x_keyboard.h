// What GLUT's callbacks leave out about the keyboard, asked of X on a
// connection of the game's own: which keys are down now, and whether the
// game's window has lost the keyboard.
#pragma once

#include <bitset>

// Opens the connection and watches the window whose GL context is current;
// call once the window exists. Without it the two below answer nothing.
void WatchWindowKeyboard();

// Sets, for every key down now, each character it makes with any of Shift,
// Caps Lock, Ctrl, Num Lock and AltGr in any layout group; false when X
// cannot say.
bool CharactersOfKeysDown(std::bitset<256>* made);

// True when the window lost the keyboard since the last call. It reads only
// what the server has already sent, so it never waits, and looks at most
// every few milliseconds.
bool WindowLostKeyboard();
