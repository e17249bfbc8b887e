// Shared by the tests of the game flow: a clock the test drives by hand and
// a fresh game loaded from the menus' choices.
#pragma once

// The clock reads fakeNow, plus clockStepPerRead more after every reading.
extern int fakeNow;
extern int clockStepPerRead;
void UseFakeClock(int now, int stepPerRead = 0);
void UseRealClock();

// The title menu, then a world load of that world and player count, with
// the clock at now.
void LoadGameAt(int world, int players, int now);
