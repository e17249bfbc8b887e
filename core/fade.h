// The fade curtain: a black quad over the whole window whose opacity runs
// from 0 (clear) to 2000 (black).
#pragma once

enum FadeMode { kFadeNone = 0, kFadeIn = 1, kFadeOut = 2 };

extern double fadeValue;
extern int fadeMode;
extern double fadeStep;
extern int ticksPerIdle;

void StartFadeIn(double step);
void StartFadeOut(double step);
void StepFade();
void StepFadeTicks();
void DrawFade();
