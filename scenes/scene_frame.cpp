#include "scenes/scene_frame.h"

#include <GL/glu.h>

#include "support/clock.h"

void WaitForScenePeriod(int* lastMs, int periodMs) {
    int now = ElapsedMs();
    while (now - *lastMs < periodMs) now = ElapsedMs();
    *lastMs = now;
}

int BeginSceneView(int w, int h, float fovy, float nearClip, float farClip) {
    // A minimised window has no aspect to divide by and nothing to show.
    if (w <= 0 || h <= 0) return 0;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy, double(w) / double(h), nearClip, farClip);
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
    return 1;
}

void SetSceneLights(float x0, float x1, float firstAmbient) {
    const GLfloat pos0[4] = {x0, 0, 500, 1};
    const GLfloat pos1[4] = {x1, 0, 20, 0};
    const GLfloat ambient[4] = {firstAmbient, firstAmbient, firstAmbient, 1};
    const GLfloat dim[4] = {0.2f, 0.2f, 0.2f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, pos0);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_POSITION, pos1);
    glLightfv(GL_LIGHT1, GL_AMBIENT, dim);
}

void SetSceneMaterial(float r, float g, float b) {
    const GLfloat colour[4] = {r, g, b, 1};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, colour);
}

void DrawSceneQuad(float x0, float y0, float x1, float y1) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x0, y0, 0);
    glTexCoord2f(1, 0);
    glVertex3f(x1, y0, 0);
    glTexCoord2f(1, 1);
    glVertex3f(x1, y1, 0);
    glTexCoord2f(0, 1);
    glVertex3f(x0, y1, 0);
    glEnd();
}
