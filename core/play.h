// The fixed tick of get ready and play, and the world load.
#pragma once

extern int lastTickTime;
extern int worldLoadTime;
extern int paused;
extern int pauseKeyLast;
extern int gameOver;

void LoadWorld();
void IdleGetReady();
void IdlePlay();
