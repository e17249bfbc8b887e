// The elastic sheet of a band: flat at rest, a bicubic surface that swings a
// few times across the pib's path when plucked.
#pragma once
#include <GL/glu.h>

struct NurbsPatch {
    GLUnurbsObj* renderer;
    float controlPoints[4][4][3];  // x, height, z
    int amplitudeIndex[4][4];
    float amplitudes[3];
    int factor;  // +1 or -1: the side the pluck pushes toward
    float time;  // updates since the last pluck
};

NurbsPatch* CreateNurbsPatch();
// Frees the patch and its renderer; null is ignored.
void DeleteNurbsPatch(NurbsPatch* patch);
void StrikeNurbsPatch(NurbsPatch* patch, int factor);
int IsNurbsPatchMoving(const NurbsPatch* patch);
void UpdateNurbsPatch(NurbsPatch* patch);
void DrawNurbsPatch(NurbsPatch* patch);
