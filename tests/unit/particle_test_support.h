// Shared by the particle tests: one frame drawn the way the game draws
// effects, and how much of it lit up.
#pragma once
#include <GL/gl.h>

#include "test_support.h"

// Clears a 64-pixel frame, looks through an orthographic box of half-width
// half, lets place() set the modelview, and draws with lighting and textures
// on; the draw must leave no GL error and blending off.
template <class Place, class Draw>
void DrawEffectFrame(double half, Place place, Draw draw) {
    glViewport(0, 0, 64, 64);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-half, half, -half, half, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    place();
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    draw();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// Mean channel value of a square of the back buffer.
inline double MeanBrightness(int x, int y, int size) {
    ReadBack shot = ReadBackBuffer(x, y, size, size);
    double sum = 0;
    for (unsigned char v : shot.rgb) sum += v;
    return sum / shot.rgb.size();
}
