#include "effects/particle_common.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "support/helpers.h"

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
    MultiplyMatrices(p, modelview, m);
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

Billboard ViewBillboard() {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    Billboard b = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}, {}, 0};
    b.reach = Length3(b.right) + Length3(b.up);
    ViewPlanes(m, b.planes);
    return b;
}

void FaceViewer(const Billboard& b) {
    const float* r = b.right;
    const float* u = b.up;
    glNormal3f(r[1] * u[2] - r[2] * u[1], r[2] * u[0] - r[0] * u[2], r[0] * u[1] - r[1] * u[0]);
}

void StartBlendedQuads() {
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

Billboard BeginBillboards() {
    Billboard b = ViewBillboard();
    FaceViewer(b);
    StartBlendedQuads();
    return b;
}

void EndBillboards() {
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

namespace {
// The run being gathered: drawing is single-threaded.
struct QuadRun {
    unsigned texture = 0;
    bool bound = false;  // the texture, at the first quads sent
    std::vector<float> xyz, st, glow, unlit;  // per corner; glow and unlit only for glowing quads
} run;

void ClearCorners() {
    for (std::vector<float>* v : {&run.xyz, &run.st, &run.glow, &run.unlit}) v->clear();
}

void AddCorners(const Billboard& b, float x, float y, float z, float h) {
    const float* r = b.right;
    const float* u = b.up;
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};  // along right, along up
    for (const auto& k : corners) {
        run.xyz.insert(run.xyz.end(), {x + (k[0] * r[0] + k[1] * u[0]) * h, y + (k[0] * r[1] + k[1] * u[1]) * h,
                                       z + (k[0] * r[2] + k[1] * u[2]) * h});
        run.st.insert(run.st.end(), {k[0] > 0 ? 1.0f : 0.0f, k[1] > 0 ? 1.0f : 0.0f});
    }
}

// A glowing quad's emission equals its ambient and diffuse colour c, so GL
// lights it as c times (1 + the scene's ambient) plus the lights' share:
// with the colour tracked as ambient and diffuse material, no emission and
// the scene's ambient raised by one, every quad of the run is lit exactly
// so, and the run goes out as one array.
void SendGlowingRun(GLsizei corners) {
    bool lit = glIsEnabled(GL_LIGHTING);
    if (!lit && run.unlit.empty()) {
        glDrawArrays(GL_QUADS, 0, corners);
        return;
    }
    float current[4], ambient[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    if (lit) {
        const float raised[4] = {ambient[0] + 1, ambient[1] + 1, ambient[2] + 1, ambient[3]};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, raised);
        SetFrontEmission(0, 0, 0, 0);
        glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
    }
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_FLOAT, 0, lit ? run.glow.data() : run.unlit.data());
    glDrawArrays(GL_QUADS, 0, corners);
    glDisableClientState(GL_COLOR_ARRAY);
    if (lit) {
        glDisable(GL_COLOR_MATERIAL);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    }
    glColor4fv(current);
}
}  // namespace

void BeginQuadRun(unsigned texture) {
    run.texture = texture;
    run.bound = false;
    ClearCorners();
}

void SendQuadRun() {
    GLsizei corners = GLsizei(run.xyz.size() / 3);
    if (corners > 0) {
        if (!run.bound) glBindTexture(GL_TEXTURE_2D, run.texture);
        run.bound = true;
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, run.xyz.data());
        glTexCoordPointer(2, GL_FLOAT, 0, run.st.data());
        if (!run.glow.empty()) SendGlowingRun(corners);
        else glDrawArrays(GL_QUADS, 0, corners);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    ClearCorners();
}

void EndQuadRun() {
    SendQuadRun();
    glBindTexture(GL_TEXTURE_2D, 0);
}

int BillboardInView(const Billboard& b, float x, float y, float z, float h) {
    float radius = b.reach * std::fabs(h);
    for (const float* p : b.planes)
        if (p[0] * x + p[1] * y + p[2] * z + p[3] < -radius) return 0;
    return 1;
}

void BillboardQuad(const Billboard& b, float x, float y, float z, float h) { AddCorners(b, x, y, z, h); }

void GlowingBillboardQuad(const Billboard& b, float x, float y, float z, float h, const float* rgb, float alpha,
                          const float* unlit) {
    AddCorners(b, x, y, z, h);
    for (int k = 0; k < 4; ++k) {
        run.glow.insert(run.glow.end(), {rgb[0], rgb[1], rgb[2], alpha});
        if (unlit) run.unlit.insert(run.unlit.end(), unlit, unlit + 4);
    }
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
