#include "figures/figure_gl.h"

#include <GL/gl.h>

#include <cmath>

void SetFigureMaterial(float r, float g, float b, float a) {
    const GLfloat color[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, color);
}

void CallFixedList(unsigned& slot, void (*draw)()) {
    if (slot == 0) {
        slot = glGenLists(1);
        if (slot == 0) {  // no list to be had: draw directly
            draw();
            return;
        }
        glNewList(slot, GL_COMPILE);
        draw();
        glEndList();
    }
    glCallList(slot);
}

namespace {

void PrismVertex(PrismAxis axis, float a, float b, float c) {
    if (axis == PrismAxis::kZ) glVertex3f(a, b, c);
    else glVertex3f(c, b, a);
}

void PrismNormal(PrismAxis axis, float a, float b, float c) {
    if (axis == PrismAxis::kZ) glNormal3f(a, b, c);
    else glNormal3f(c, b, a);
}

// Twice the outline's signed area: positive when it runs counter-clockwise.
float SignedArea(const float (*p)[2], int n) {
    float sum = 0;
    for (int i = 0; i < n; ++i) {
        const float* q = p[(i + 1) % n];
        sum += p[i][0] * q[1] - q[0] * p[i][1];
    }
    return sum;
}

}  // namespace

void DrawPrismSides(const float (*p)[2], int n, int first, int count, float c0, float c1, PrismAxis axis,
                    bool textured) {
    float outward = SignedArea(p, n) >= 0 ? 1.0f : -1.0f;
    glBegin(GL_QUADS);
    for (int e = first; e < first + count; ++e) {
        const float* u = p[e % n];
        const float* v = p[(e + 1) % n];
        float na = (v[1] - u[1]) * outward, nb = (u[0] - v[0]) * outward;
        float len = std::sqrt(na * na + nb * nb);
        if (len > 0) PrismNormal(axis, na / len, nb / len, 0);
        const float corners[4][3] = {{u[0], u[1], c0}, {v[0], v[1], c0}, {v[0], v[1], c1}, {u[0], u[1], c1}};
        const float st[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
        for (int k = 0; k < 4; ++k) {
            if (textured) glTexCoord2fv(st[k]);
            PrismVertex(axis, corners[k][0], corners[k][1], corners[k][2]);
        }
    }
    glEnd();
}

void DrawPrismCap(const float (*p)[2], const int* piece, int corners, float c, int facing, PrismAxis axis) {
    glBegin(GL_POLYGON);
    PrismNormal(axis, 0, 0, float(facing));
    for (int k = 0; k < corners; ++k) PrismVertex(axis, p[piece[k]][0], p[piece[k]][1], c);
    glEnd();
}

void DrawConvexPrism(const float (*p)[2], int n, float c0, float c1) {
    int all[16];
    for (int i = 0; i < n && i < 16; ++i) all[i] = i;
    DrawPrismCap(p, all, n, c1, 1, PrismAxis::kZ);
    DrawPrismCap(p, all, n, c0, -1, PrismAxis::kZ);
    DrawPrismSides(p, n, 0, n, c0, c1, PrismAxis::kZ, false);
}

void DrawWedge(float w, float l, float t) {
    const float outline[3][2] = {{0, 0}, {w / 2, l}, {-w / 2, l}};
    DrawConvexPrism(outline, 3, 0, t);
}
