#include "support/helpers.h"

#include <GL/gl.h>
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
void (*exitHandler)(int) = nullptr;

void Color(double r, double g, double b, double a) {
    glColor4f(float(r), float(g), float(b), float(a));
}
}  // namespace

double DegToRad(double deg) { return 3.14159 * deg / 180.0; }

void* CheckedAlloc(int size) {
    void* block = size > 0 ? std::malloc(size_t(size)) : nullptr;
    if (!block) {
        std::printf("Called asking for %d bytes, but no mem available!", size);
        std::fflush(stdout);
        ExitProgram(1);
    }
    return block;
}

void ReleaseFreeMemory() { malloc_trim(0); }

namespace {
bool seedHeld = false;
unsigned heldSeed = 0;
}  // namespace

void SeedRandom() { std::srand(seedHeld ? heldSeed : unsigned(std::time(nullptr))); }

void HoldRandomSeed(unsigned seed) { seedHeld = true, heldSeed = seed; }

void SeedRandomWith(unsigned seed) { std::srand(seed); }

double RandomInRange(double lo, double hi) {
    // The formula wants a 15-bit draw; glibc's rand() gives 31 bits, which
    // would throw results far outside the range.
    int r = std::rand() & 0x7FFF;
    return lo + (hi - lo) * (r / 32768.0);
}

void SetPibColor0(double alpha) { Color(1.0, 0.5, 0.5, alpha); }
void SetPibColor1(double alpha) { Color(0.9, 0.1, 0.1, alpha); }
void SetPibColor2(double alpha) { Color(0.9, 0.9, 0.9, alpha); }
void SetPibColor3(double alpha) { Color(0.1, 0.1, 0.9, alpha); }

void SetPibColorAlpha(int p, double alpha) {
    static void (*const setters[4])(double) = {SetPibColor0, SetPibColor1, SetPibColor2,
                                                SetPibColor3};
    if (p < 0 || p > 3) {
        std::printf("Set pib Color: invalid pib num");
        return;
    }
    setters[p](alpha);
}

void SetPibColor(int p) { SetPibColorAlpha(p, 1.0); }

int MaxInt(int a, int b) { return a > b ? a : b; }

int ClampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

double AbsDouble(double v) { return v > 0 ? v : -v; }

void ComputeTriangleCross(const float* p0, const float* p1, const float* p2, float* out) {
    float u[3], v[3];
    for (int i = 0; i < 3; ++i) {
        u[i] = p1[i] - p0[i];
        v[i] = p2[i] - p0[i];
    }
    out[0] = float(double(u[1]) * v[2] - double(u[2]) * v[1]);
    out[1] = float(double(u[2]) * v[0] - double(u[0]) * v[2]);
    out[2] = float(double(u[0]) * v[1] - double(u[1]) * v[0]);
}

void MultiplyMatrices(const float* a, const float* b, float* out) {
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[c * 4 + k];
            out[c * 4 + row] = sum;
        }
}

float UpperCofactors(const float* m, float* out) {
    auto at = [m](int row, int col) { return m[col * 4 + row]; };
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            int r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            out[r * 3 + c] = at(r1, c1) * at(r2, c2) - at(r1, c2) * at(r2, c1);
        }
    return at(0, 0) * out[0] + at(0, 1) * out[1] + at(0, 2) * out[2];
}

void NormalizeVec3(float* v) {
    double len = std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]);
    for (int i = 0; i < 3; ++i) v[i] = float(v[i] / len);
}

void ComputeTriangleNormal(const float* p0, const float* p1, const float* p2, float* out) {
    ComputeTriangleCross(p0, p1, p2, out);
    NormalizeVec3(out);
}

namespace {
// One face of the box: its normal, then four corners as (x, y, z) multipliers
// of (w, h, -d) and texture coordinates as multipliers of the repeats.
struct BoxFace {
    float normal[3];
    float corner[4][3];
    // s and t of each corner: index 0 = sx, 1 = sy, 2 = sz, times a 0/1 flag.
    int sAxis, tAxis;
    float s[4], t[4];
};

const BoxFace kBoxFaces[6] = {
    {{0, 0, 1}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 0, 1, {0, 1, 1, 0}, {0, 0, 1, 1}},
    {{1, 0, 0}, {{1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 1, 0}}, 2, 1, {0, 1, 1, 0}, {0, 0, 1, 1}},
    {{0, 1, 0}, {{0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}}, 0, 2, {0, 1, 1, 0}, {0, 0, 1, 1}},
    {{-1, 0, 0}, {{0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}}, 2, 1, {1, 1, 0, 0}, {0, 1, 1, 0}},
    {{0, -1, 0}, {{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}}, 0, 2, {0, 0, 1, 1}, {1, 0, 0, 1}},
    // The back face takes its repeat across x from sz.
    {{0, 0, -1}, {{0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {1, 0, 1}}, 2, 1, {1, 1, 0, 0}, {0, 1, 1, 0}},
};

void DrawBoxFaces(float w, float h, float d, const float* repeat) {
    glBegin(GL_QUADS);
    for (int face = 0; face < 6; ++face) {
        float normal[3];
        BoxCorner corner[4];
        GetBoxFace(face, w, h, d, repeat, normal, corner);
        glNormal3fv(normal);
        for (const BoxCorner& c : corner) {
            if (repeat) glTexCoord2fv(c.st);
            glVertex3fv(c.p);
        }
    }
    glEnd();
}
}  // namespace

void GetBoxFace(int face, float w, float h, float d, const float* repeat, float* normal, BoxCorner* corner) {
    const BoxFace& f = kBoxFaces[face];
    for (int k = 0; k < 3; ++k) normal[k] = f.normal[k];
    for (int i = 0; i < 4; ++i) {
        corner[i].p[0] = f.corner[i][0] * w;
        corner[i].p[1] = f.corner[i][1] * h;
        corner[i].p[2] = -f.corner[i][2] * d;
        corner[i].st[0] = repeat ? f.s[i] * repeat[f.sAxis] : 0;
        corner[i].st[1] = repeat ? f.t[i] * repeat[f.tAxis] : 0;
    }
}

void DrawBox(float w, float h, float d) { DrawBoxFaces(w, h, d, nullptr); }

void DrawTexturedBox(float w, float h, float d, float sx, float sy, float sz) {
    const float repeat[3] = {sx, sy, sz};
    DrawBoxFaces(w, h, d, repeat);
}

void SetExitHandler(void (*handler)(int)) { exitHandler = handler; }

void ExitProgram(int code) {
    std::fflush(stdout);
    std::fflush(stderr);
    if (exitHandler) exitHandler(code);
    std::exit(code);
}
