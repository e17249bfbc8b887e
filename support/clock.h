// The one clock of the game: GLUT's elapsed time in milliseconds. Tests and
// benchmarks replace its source to drive time by hand.
#pragma once

int ElapsedMs();

// The scenes' frame pacing: reads the clock until at least periodMs have
// passed since sinceMs, and answers that reading.
int WaitForPeriodAfter(int sinceMs, int periodMs);

// nullptr restores GLUT's clock.
void SetClockSource(int (*source)());
