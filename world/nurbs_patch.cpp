#include "world/nurbs_patch.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "support/helpers.h"

namespace {
// One bicubic Bezier piece in each direction.
GLfloat kKnots[8] = {0, 0, 0, 0, 1, 1, 1, 1};
const GLfloat kBandColor[4] = {1.0f, 1.0f, 0.0f, 1.0f};
const float kControlSpacing = 0.35f;
const float kPluckAmplitudes[3] = {0.0f, 0.8f, 0.3f};
const float kAmplitudeDecay = 0.004f;
const float kMovingAmplitude = 0.01f;
const double kSwingRate = 0.08;  // radians per update
}  // namespace

NurbsPatch* CreateNurbsPatch() {
    NurbsPatch* patch = new (CheckedAlloc(int(sizeof(NurbsPatch)))) NurbsPatch();
    patch->renderer = gluNewNurbsRenderer();
    if (!patch->renderer) {
        std::printf("Not enough memory for a band surface\n");
        ExitProgram(1);
    }
    // Steps measured on the band itself, not on the screen: a tolerance in
    // pixels splits a band next to a camera (or reaching behind it) into
    // millions of pieces, and one frame takes many seconds.
    gluNurbsProperty(patch->renderer, GLU_SAMPLING_METHOD, GLU_OBJECT_PATH_LENGTH);
    gluNurbsProperty(patch->renderer, GLU_SAMPLING_TOLERANCE, 0.2f);
    gluNurbsProperty(patch->renderer, GLU_DISPLAY_MODE, GLU_FILL);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            patch->controlPoints[i][j][0] = (i - 1.5f) * kControlSpacing;
            patch->controlPoints[i][j][1] = 0.0f;
            patch->controlPoints[i][j][2] = (j - 1.5f) * kControlSpacing;
            // Only the inner rows swing; the ends stay on their poles.
            patch->amplitudeIndex[i][j] = (i == 1 || i == 2) ? 1 : 0;
        }
    }
    patch->factor = 1;
    patch->time = 10000.0f;
    return patch;
}

void DeleteNurbsPatch(NurbsPatch* patch) {
    if (!patch) return;
    gluDeleteNurbsRenderer(patch->renderer);
    patch->~NurbsPatch();
    std::free(patch);
}

void StrikeNurbsPatch(NurbsPatch* patch, int factor) {
    for (int k = 0; k < 3; ++k) patch->amplitudes[k] = kPluckAmplitudes[k];
    patch->factor = factor;
    patch->time = 0.0f;
}

int IsNurbsPatchMoving(const NurbsPatch* patch) {
    for (float a : patch->amplitudes)
        if (a >= kMovingAmplitude) return 1;
    return 0;
}

void UpdateNurbsPatch(NurbsPatch* patch) {
    if (IsNurbsPatchMoving(patch)) {
        float height[3];
        for (int k = 0; k < 3; ++k) {
            double a = patch->amplitudes[k];
            height[k] = a > 0 ? float(a * std::sin(kSwingRate * patch->time)) : 0.0f;
        }
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                patch->controlPoints[i][j][1] = patch->factor * height[patch->amplitudeIndex[i][j]];
        for (float& a : patch->amplitudes) a -= kAmplitudeDecay;
    }
    patch->time += 1.0f;
}

void DrawNurbsPatch(NurbsPatch* patch) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, kBandColor);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    if (IsNurbsPatchMoving(patch)) {
        glEnable(GL_AUTO_NORMAL);
        gluBeginSurface(patch->renderer);
        gluNurbsSurface(patch->renderer, 8, kKnots, 8, kKnots, 12, 3,
                        &patch->controlPoints[0][0][0], 4, 4, GL_MAP2_VERTEX_3);
        gluEndSurface(patch->renderer);
        glDisable(GL_AUTO_NORMAL);
    } else {
        glBegin(GL_QUADS);
        glNormal3f(0, -1, 0);
        glVertex3f(-0.5f, 0, -0.5f);
        glVertex3f(0.5f, 0, -0.5f);
        glVertex3f(0.5f, 0, 0.5f);
        glVertex3f(-0.5f, 0, 0.5f);
        glEnd();
    }
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
}
