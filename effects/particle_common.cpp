#include "effects/particle_common.h"

#include <GL/gl.h>

#include <cmath>

EmissionClock StartEmissionClock(int now, float rate) { return {double(now), 0, rate}; }

double EmissionLastTime(const EmissionClock& clock) {
    return clock.origin + double(clock.periods) / double(clock.rate);
}

void SetEmissionRate(EmissionClock& clock, float rate) {
    clock = {EmissionLastTime(clock), 0, rate};
}

double EmissionDt(const EmissionClock& clock, int now) {
    return double(now) - EmissionLastTime(clock);
}

int64_t EmissionPeriods(const EmissionClock& clock, double dt) {
    return int64_t(dt * double(clock.rate));
}

namespace {
float Length3(const float* v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// The planes of the view volume from projection times modelview: the last
// row plus or minus each of the first three.
void ViewPlanes(const float* modelview, float planes[6][4]) {
    float p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += p[k * 4 + r] * modelview[c * 4 + k];
            m[c * 4 + r] = sum;
        }
    for (int i = 0; i < 6; ++i) {
        float sign = i % 2 ? -1.0f : 1.0f;
        float* plane = planes[i];
        for (int c = 0; c < 4; ++c) plane[c] = m[c * 4 + 3] + sign * m[c * 4 + i / 2];
        float n = Length3(plane);
        // A degenerate plane culls nothing.
        for (int c = 0; c < 4; ++c) plane[c] = n > 0 ? plane[c] / n : (c == 3 ? 1 : 0);
    }
}
}  // namespace

Billboard BeginBillboards() {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    Billboard b = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {}, 0};
    b.reach = Length3(b.right) + Length3(b.up);
    ViewPlanes(m, b.planes);
    const float* r = b.right;
    const float* u = b.up;
    glNormal3f(r[1] * u[2] - r[2] * u[1], r[2] * u[0] - r[0] * u[2], r[0] * u[1] - r[1] * u[0]);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return b;
}

void EndBillboards() {
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void BeginQuadRun(unsigned texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
}

void EndQuadRun() {
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
}

int BillboardInView(const Billboard& b, float x, float y, float z, float h) {
    float radius = b.reach * std::fabs(h);
    for (const float* p : b.planes)
        if (p[0] * x + p[1] * y + p[2] * z + p[3] < -radius) return 0;
    return 1;
}

void BillboardQuad(const Billboard& b, float x, float y, float z, float h) {
    const float* r = b.right;
    const float* u = b.up;
    glTexCoord2f(0, 0);
    glVertex3f(x - (r[0] + u[0]) * h, y - (r[1] + u[1]) * h, z - (r[2] + u[2]) * h);
    glTexCoord2f(1, 0);
    glVertex3f(x + (r[0] - u[0]) * h, y + (r[1] - u[1]) * h, z + (r[2] - u[2]) * h);
    glTexCoord2f(1, 1);
    glVertex3f(x + (r[0] + u[0]) * h, y + (r[1] + u[1]) * h, z + (r[2] + u[2]) * h);
    glTexCoord2f(0, 1);
    glVertex3f(x + (u[0] - r[0]) * h, y + (u[1] - r[1]) * h, z + (u[2] - r[2]) * h);
}

void SetFrontEmission(float r, float g, float b, float a) {
    const float c[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT, GL_EMISSION, c);
}

void SetFrontAmbientDiffuse(float r, float g, float b, float a) {
    const float c[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, c);
}

void SetGlowMaterial(const float* rgb, float a) {
    SetFrontEmission(rgb[0], rgb[1], rgb[2], a);
    SetFrontAmbientDiffuse(rgb[0], rgb[1], rgb[2], a);
}
