#include "figures/figure_mesh.h"

#include <GL/gl.h>

#include <cmath>

namespace {

const float kPi = 3.14159265358979f;

void Multiply(std::vector<float>& m, const float* r) {
    std::vector<float> out(16, 0.0f);
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) out[c * 4 + row] += m[k * 4 + row] * r[c * 4 + k];
    m = out;
}

void Normalize(float* v) {
    float len = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (len > 0)
        for (int i = 0; i < 3; ++i) v[i] /= len;
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

void Place(TriangleMesh::Axis axis, float a, float b, float c, float* out) {
    if (axis == TriangleMesh::Axis::kZ) {
        out[0] = a, out[1] = b, out[2] = c;
    } else {
        out[0] = c, out[1] = b, out[2] = a;
    }
}

}  // namespace

TriangleMesh::TriangleMesh() : matrix_{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

void TriangleMesh::Translate(float x, float y, float z) {
    const float t[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    Multiply(matrix_, t);
}

void TriangleMesh::Scale(float x, float y, float z) {
    const float s[16] = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
    Multiply(matrix_, s);
}

void TriangleMesh::Rotate(float degrees, float x, float y, float z) {
    float axis[3] = {x, y, z};
    Normalize(axis);
    float a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a), k = 1 - c;
    x = axis[0], y = axis[1], z = axis[2];
    const float r[16] = {x * x * k + c,     y * x * k + z * s, z * x * k - y * s, 0,
                         x * y * k - z * s, y * y * k + c,     z * y * k + x * s, 0,
                         x * z * k + y * s, y * z * k - x * s, z * z * k + c,     0,
                         0,                 0,                 0,                 1};
    Multiply(matrix_, r);
}

void TriangleMesh::Push() { stack_.push_back(matrix_); }

void TriangleMesh::Pop() {
    if (stack_.empty()) return;
    matrix_ = stack_.back();
    stack_.pop_back();
}

// The vertex through the matrix, its normal through the inverse transpose
// (the cofactors of the upper 3x3, which differ from it only by a scale).
void TriangleMesh::Add(const float* p, const float* n, const float* st) {
    const std::vector<float>& m = matrix_;
    Vertex v{};
    for (int r = 0; r < 3; ++r) v.p[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
    auto at = [&](int row, int col) { return m[col * 4 + row]; };
    for (int r = 0; r < 3; ++r) {
        int r1 = (r + 1) % 3, r2 = (r + 2) % 3;
        float cof[3];
        for (int c = 0; c < 3; ++c) {
            int c1 = (c + 1) % 3, c2 = (c + 2) % 3;
            cof[c] = at(r1, c1) * at(r2, c2) - at(r1, c2) * at(r2, c1);
        }
        v.n[r] = cof[0] * n[0] + cof[1] * n[1] + cof[2] * n[2];
    }
    Normalize(v.n);
    float det = at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
                at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
                at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
    if (det < 0)
        for (float& c : v.n) c = -c;
    if (st) {
        v.st[0] = st[0], v.st[1] = st[1];
        textured_ = true;
    }
    vertices_.push_back(v);
}

void TriangleMesh::Sphere(float radius, int slices, int stacks, bool textured) {
    auto point = [&](int i, int j, float* p, float* n, float* st) {
        float phi = kPi * float(i) / float(stacks);  // from the +z pole
        float theta = 2 * kPi * float(j) / float(slices);
        n[0] = std::sin(phi) * -std::sin(theta);
        n[1] = std::sin(phi) * std::cos(theta);
        n[2] = std::cos(phi);
        for (int k = 0; k < 3; ++k) p[k] = n[k] * radius;
        st[0] = float(j) / float(slices);
        st[1] = 1 - float(i) / float(stacks);
    };
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            float p[4][3], n[4][3], st[4][2];
            point(i, j, p[0], n[0], st[0]);
            point(i + 1, j, p[1], n[1], st[1]);
            point(i + 1, j + 1, p[2], n[2], st[2]);
            point(i, j + 1, p[3], n[3], st[3]);
            const int order[6] = {0, 1, 2, 0, 2, 3};
            for (int k : order) Add(p[k], n[k], textured ? st[k] : nullptr);
        }
}

void TriangleMesh::Cylinder(float base, float top, float height, int slices, int stacks) {
    float slope = (base - top) / height;
    auto point = [&](int i, int j, float* p, float* n) {
        float theta = 2 * kPi * float(j) / float(slices);
        float z = height * float(i) / float(stacks);
        float r = base + (top - base) * float(i) / float(stacks);
        p[0] = r * std::sin(theta), p[1] = r * std::cos(theta), p[2] = z;
        n[0] = std::sin(theta), n[1] = std::cos(theta), n[2] = slope;
        Normalize(n);
    };
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            float p[4][3], n[4][3];
            point(i, j, p[0], n[0]);
            point(i, j + 1, p[1], n[1]);
            point(i + 1, j + 1, p[2], n[2]);
            point(i + 1, j, p[3], n[3]);
            const int order[6] = {0, 1, 2, 0, 2, 3};
            for (int k : order) Add(p[k], n[k], nullptr);
        }
}

void TriangleMesh::Quad(const float (*corner)[3], const float* normal, const float (*st)[2]) {
    const int order[6] = {0, 1, 2, 0, 2, 3};
    for (int k : order) Add(corner[k], normal, st ? st[k] : nullptr);
}

void TriangleMesh::Box(float w, float h, float d) {
    struct Face {
        float normal[3];
        float corner[4][3];  // multipliers of (w, h, -d)
    };
    static const Face kFaces[6] = {
        {{0, 0, 1}, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}},
        {{1, 0, 0}, {{1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 1, 0}}},
        {{0, 1, 0}, {{0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}}},
        {{-1, 0, 0}, {{0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}}},
        {{0, -1, 0}, {{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}}},
        {{0, 0, -1}, {{0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {1, 0, 1}}},
    };
    for (const Face& f : kFaces) {
        float corner[4][3];
        for (int k = 0; k < 4; ++k) {
            corner[k][0] = f.corner[k][0] * w;
            corner[k][1] = f.corner[k][1] * h;
            corner[k][2] = -f.corner[k][2] * d;
        }
        Quad(corner, f.normal);
    }
}

void TriangleMesh::PrismSides(const float (*p)[2], int n, int first, int count, float c0, float c1, Axis axis,
                              bool textured) {
    float outward = SignedArea(p, n) >= 0 ? 1.0f : -1.0f;
    for (int e = first; e < first + count; ++e) {
        const float* u = p[e % n];
        const float* v = p[(e + 1) % n];
        float normal[3];
        Place(axis, (v[1] - u[1]) * outward, (u[0] - v[0]) * outward, 0, normal);
        Normalize(normal);
        float corner[4][3];
        Place(axis, u[0], u[1], c0, corner[0]);
        Place(axis, v[0], v[1], c0, corner[1]);
        Place(axis, v[0], v[1], c1, corner[2]);
        Place(axis, u[0], u[1], c1, corner[3]);
        const float st[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
        Quad(corner, normal, textured ? st : nullptr);
    }
}

void TriangleMesh::PrismCap(const float (*p)[2], const int* piece, int corners, float c, int facing, Axis axis) {
    float normal[3];
    Place(axis, 0, 0, float(facing), normal);
    float first[3], prev[3], next[3];
    Place(axis, p[piece[0]][0], p[piece[0]][1], c, first);
    for (int k = 1; k + 1 < corners; ++k) {  // a fan: the pieces are convex
        Place(axis, p[piece[k]][0], p[piece[k]][1], c, prev);
        Place(axis, p[piece[k + 1]][0], p[piece[k + 1]][1], c, next);
        Add(first, normal, nullptr);
        Add(prev, normal, nullptr);
        Add(next, normal, nullptr);
    }
}

void TriangleMesh::ConvexPrism(const float (*p)[2], int n, float c0, float c1) {
    int all[16];
    for (int i = 0; i < n && i < 16; ++i) all[i] = i;
    PrismCap(p, all, n, c1, 1);
    PrismCap(p, all, n, c0, -1);
    PrismSides(p, n, 0, n, c0, c1);
}

void TriangleMesh::Wedge(float w, float l, float t) {
    const float outline[3][2] = {{0, 0}, {w / 2, l}, {-w / 2, l}};
    ConvexPrism(outline, 3, 0, t);
}

void TriangleMesh::Emit() const {
    glBegin(GL_TRIANGLES);
    for (const Vertex& v : vertices_) {
        if (textured_) glTexCoord2fv(v.st);
        glNormal3fv(v.n);
        glVertex3fv(v.p);
    }
    glEnd();
}
