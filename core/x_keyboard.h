// What GLUT's callbacks leave out about the keyboard, asked of X on a
// connection of the game's own: which key made each event GLUT hands over,
// which keys are down now, and when the game's window lost the keyboard.
#pragma once

// Opens the connection, watches the window whose GL context is current and
// gives the key table the keyboard's word; call once the window exists.
// When X refuses the connection it says so on standard error, and the game
// goes by GLUT's callbacks alone.
void WatchWindowKeyboard();

// The idle step's look: when the window lost the keyboard, and GLUT has
// handed over every key event that came before the loss, every key is let
// go (a key event GLUT has yet to hand over lets go as it comes). It reads
// only what the server has already sent, so it never waits, and looks at
// most every few milliseconds.
void LetGoIfKeyboardLost();
