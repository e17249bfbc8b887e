#include <gtest/gtest.h>

#include "core/fade.h"

namespace {
void ResetFade(double value, int mode, double step) {
    fadeValue = value;
    fadeMode = mode;
    fadeStep = step;
}
}  // namespace

TEST(Fade, MenuFadeOutReachesExactlyBlackAfterAHundredIdleCalls) {
    ResetFade(0, kFadeNone, 0);
    StartFadeOut(2.0);
    EXPECT_EQ(fadeValue, 0.0);  // starting does not move the value
    ticksPerIdle = 10;
    for (int call = 0; call < 99; ++call) StepFadeTicks();
    EXPECT_EQ(fadeValue, 1980.0);
    StepFadeTicks();
    EXPECT_EQ(fadeValue, 2000.0);
    EXPECT_EQ(fadeMode, kFadeOut);
    StepFade();  // one more tick passes black by a step
    EXPECT_EQ(fadeValue, 2002.0);
    StepFade();  // and then it holds
    EXPECT_EQ(fadeValue, 2002.0);
    EXPECT_EQ(fadeMode, kFadeOut);
}

TEST(Fade, FadeInEndsItsModeAtOrBelowZero) {
    ResetFade(2000, kFadeNone, 0);
    StartFadeIn(1.0);
    for (int i = 0; i < 1999; ++i) StepFade();
    EXPECT_EQ(fadeMode, kFadeIn);
    StepFade();
    EXPECT_EQ(fadeValue, 0.0);
    EXPECT_EQ(fadeMode, kFadeNone);

    ResetFade(2000, kFadeNone, 0);
    StartFadeIn(3.0);  // 3 does not divide 2000: ends below zero
    while (fadeMode == kFadeIn) StepFade();
    EXPECT_EQ(fadeValue, -1.0);
    StepFade();
    EXPECT_EQ(fadeValue, -1.0);
}

TEST(Fade, NoTicksWhenTicksPerIdleIsZeroOrLess) {
    ResetFade(100, kFadeOut, 1.0);
    ticksPerIdle = 0;
    StepFadeTicks();
    ticksPerIdle = -3;
    StepFadeTicks();
    EXPECT_EQ(fadeValue, 100.0);
    ticksPerIdle = 33;
    StepFadeTicks();
    EXPECT_EQ(fadeValue, 133.0);
}
