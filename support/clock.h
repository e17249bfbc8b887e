// The one clock of the game: GLUT's elapsed time in milliseconds. Tests and
// benchmarks replace its source to drive time by hand.
#pragma once

int ElapsedMs();

// nullptr restores GLUT's clock.
void SetClockSource(int (*source)());
