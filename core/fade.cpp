#include "core/fade.h"

#include <GL/gl.h>

#include "core/frame.h"

double fadeValue = 0.0;
int fadeMode = kFadeNone;
double fadeStep = 0.0;
int ticksPerIdle = 0;

void StartFadeIn(double step) {
    fadeMode = kFadeIn;
    fadeStep = step;
}

void StartFadeOut(double step) {
    fadeMode = kFadeOut;
    fadeStep = step;
}

void StepFade() {
    if (fadeMode == kFadeIn) {
        fadeValue -= fadeStep;
        if (fadeValue <= 0) fadeMode = kFadeNone;
    } else if (fadeMode == kFadeOut) {
        // A fade-out holds at (or just past) black until someone replaces it.
        if (fadeValue <= 2000) fadeValue += fadeStep;
    }
}

void StepFadeTicks() {
    for (int i = 0; i < ticksPerIdle; ++i) StepFade();
}

void DrawFade() {
    float a = float(fadeValue / 2000);
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 2);
    glEnable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float black[4] = {0, 0, 0, a};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, black);
    glBegin(GL_QUADS);
    glVertex3f(0, 0, 1);
    glVertex3f(0, 1, 1);
    glVertex3f(1, 1, 1);
    glVertex3f(1, 0, 1);
    glEnd();
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_LIGHTING);
}
