// The game's keys as X tells them, on a connection of the game's own: every
// key event with the key that made it, in the order they happened, and when
// the window loses the keyboard and gets it back, which GLUT's callbacks do
// not tell.
#pragma once

// Takes the current window's keys from X; where X refuses the connection it
// says so on standard error, and the game goes by GLUT's callbacks, which
// hand over characters alone. Call once the window exists.
void ListenToKeys();

// Hands the key table every key event and every loss and return of the
// keyboard X has sent so far, in order. It reads only what has come, so it
// never waits; called on every pass of the main loop before anything reads
// a key, no key comes later than GLUT's callbacks would hand it over.
void ReadWindowKeyboard();

// Closes the connection, and the game goes by GLUT's callbacks; for the
// benchmark that weighs the two.
void StopWatchingWindowKeyboard();
