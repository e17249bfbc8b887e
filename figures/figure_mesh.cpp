#include "figures/figure_mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "support/helpers.h"

namespace {

const float kPi = 3.14159265358979f;

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

void TransformPoint(const float* m, const float* p, float* out) {
    for (int r = 0; r < 3; ++r) out[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
}

void TransformNormal(const float* nm, const float* n, float* out) {
    for (int r = 0; r < 3; ++r) out[r] = nm[r * 3] * n[0] + nm[r * 3 + 1] * n[1] + nm[r * 3 + 2] * n[2];
    Normalize(out);
}

}  // namespace

Placement::Placement() { Reset(); }

void Placement::Reset() {
    static const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::memcpy(matrix_, kIdentity, sizeof matrix_);
    stack_.clear();
}

void Placement::Load(const float* m) {
    std::memcpy(matrix_, m, sizeof matrix_);
    stack_.clear();
}

void Placement::Multiply(const float* r) {
    float out[16];
    MultiplyMatrices(matrix_, r, out);
    std::memcpy(matrix_, out, sizeof matrix_);
}

void Placement::Translate(float x, float y, float z) {
    for (int r = 0; r < 3; ++r) matrix_[12 + r] += matrix_[r] * x + matrix_[4 + r] * y + matrix_[8 + r] * z;
}

void Placement::Scale(float x, float y, float z) {
    for (int r = 0; r < 3; ++r) {
        matrix_[r] *= x;
        matrix_[4 + r] *= y;
        matrix_[8 + r] *= z;
    }
}

void Placement::Rotate(float degrees, float x, float y, float z) {
    float axis[3] = {x, y, z};
    Normalize(axis);
    float a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a), k = 1 - c;
    x = axis[0], y = axis[1], z = axis[2];
    const float r[16] = {x * x * k + c,     y * x * k + z * s, z * x * k - y * s, 0,
                         x * y * k - z * s, y * y * k + c,     z * y * k + x * s, 0,
                         x * z * k + y * s, y * z * k - x * s, z * z * k + c,     0,
                         0,                 0,                 0,                 1};
    Multiply(r);
}

void Placement::Push() { stack_.insert(stack_.end(), matrix_, matrix_ + 16); }

void Placement::Pop() {
    if (stack_.size() < 16) return;
    std::memcpy(matrix_, &stack_[stack_.size() - 16], sizeof matrix_);
    stack_.resize(stack_.size() - 16);
}

bool Placement::MirrorsWinding() const {
    auto at = [this](int row, int col) { return matrix_[col * 4 + row]; };
    float det = at(0, 0) * (at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1)) -
                at(0, 1) * (at(1, 0) * at(2, 2) - at(1, 2) * at(2, 0)) +
                at(0, 2) * (at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0));
    return det < 0;
}

float Placement::UniformScale() const {
    float cofactors[9];
    double det = UpperCofactors(matrix_, cofactors);
    double s = std::cbrt(std::fabs(det));
    return s > 0 ? float(s) : 1.0f;
}

void Placement::NormalMatrix(float* out) const {
    if (UpperCofactors(matrix_, out) < 0)
        for (int i = 0; i < 9; ++i) out[i] = -out[i];
}

// The vertex through the matrix; a vertex met before is shared.
unsigned TriangleMesh::Add(const float* p, const float* n, const float* st) {
    float nm[9];
    NormalMatrix(nm);
    Vertex v{};
    TransformPoint(Matrix(), p, v.p);
    TransformNormal(nm, n, v.n);
    if (st) {
        v.st[0] = st[0], v.st[1] = st[1];
        textured_ = true;
    }
    for (size_t i = vertices_.size(); i-- > 0 && i + 64 > vertices_.size();)
        if (std::memcmp(&vertices_[i], &v, sizeof v) == 0) return unsigned(i);
    for (int k = 0; k < 3; ++k) {
        low_[k] = vertices_.empty() ? v.p[k] : std::min(low_[k], v.p[k]);
        high_[k] = vertices_.empty() ? v.p[k] : std::max(high_[k], v.p[k]);
    }
    vertices_.push_back(v);
    return unsigned(vertices_.size() - 1);
}

// Wound counter-clockwise seen from the side its normals face, so that the
// batch can leave out the faces turned away from the eye.
void TriangleMesh::Triangle(unsigned a, unsigned b, unsigned c, const float* facing) {
    if (a == b || b == c || a == c) return;  // a pole's empty sliver
    const Vertex &va = vertices_[a], &vb = vertices_[b], &vc = vertices_[c];
    float u[3], v[3], toward[3], sum = 0;
    for (int i = 0; i < 3; ++i) {
        u[i] = vb.p[i] - va.p[i], v[i] = vc.p[i] - va.p[i];
        toward[i] = facing ? facing[i] : va.n[i] + vb.n[i] + vc.n[i];
    }
    for (int i = 0; i < 3; ++i) {
        int j = (i + 1) % 3, k = (i + 2) % 3;
        sum += (u[j] * v[k] - u[k] * v[j]) * toward[i];
    }
    if (sum == 0) return;  // no area: nothing to see
    if (sum < 0) std::swap(b, c);
    indices_.insert(indices_.end(), {a, b, c});
}

void TriangleMesh::AddInsideFaces() {
    size_t count = indices_.size();
    for (size_t t = 0; t < count; t += 3) {
        unsigned k[3];
        for (int i = 0; i < 3; ++i) {
            Vertex v = vertices_[indices_[t + i]];
            for (float& c : v.n) c = -c;
            vertices_.push_back(v);
            k[i] = unsigned(vertices_.size() - 1);
        }
        indices_.insert(indices_.end(), {k[0], k[2], k[1]});
    }
}

void TriangleMesh::AddBackFaces() {
    size_t count = indices_.size();
    for (size_t t = 0; t < count; t += 3) {
        unsigned a = indices_[t], b = indices_[t + 1], c = indices_[t + 2];
        indices_.insert(indices_.end(), {a, c, b});
    }
}

void TriangleMesh::Sphere(float radius, int slices, int stacks, bool textured, bool glutDiagonals) {
    auto point = [&](int i, int j) {
        float phi = kPi * float(i) / float(stacks);  // from the +z pole
        float theta = 2 * kPi * float(j % slices) / float(slices);
        float n[3] = {std::sin(phi) * -std::sin(theta), std::sin(phi) * std::cos(theta), std::cos(phi)};
        if (i == 0 || i == stacks) n[0] = n[1] = 0;
        float p[3] = {n[0] * radius, n[1] * radius, n[2] * radius};
        float st[2] = {float(j) / float(slices), 1 - float(i) / float(stacks)};
        if (!textured && (i == 0 || i == stacks)) st[0] = 0;
        return Add(p, n, textured ? st : nullptr);
    };
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            unsigned a = point(i, j), b = point(i + 1, j), c = point(i + 1, j + 1), d = point(i, j + 1);
            if (glutDiagonals) {
                Triangle(a, b, d);
                Triangle(b, c, d);
            } else {
                Triangle(a, b, c);
                Triangle(a, c, d);
            }
        }
}

void TriangleMesh::Cylinder(float base, float top, float height, int slices, int stacks) {
    float slope = (base - top) / height;
    auto point = [&](int i, int j) {
        float theta = 2 * kPi * float(j % slices) / float(slices);
        float r = base + (top - base) * float(i) / float(stacks);
        float p[3] = {r * std::sin(theta), r * std::cos(theta), height * float(i) / float(stacks)};
        float n[3] = {std::sin(theta), std::cos(theta), slope};
        Normalize(n);
        return Add(p, n, nullptr);
    };
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j) {
            unsigned a = point(i, j), b = point(i, j + 1), c = point(i + 1, j + 1), d = point(i + 1, j);
            Triangle(a, b, c);
            Triangle(a, c, d);
        }
}

void TriangleMesh::Quad(const float (*corner)[3], const float* normal, const float (*st)[2]) {
    Polygon(corner, 4, normal, st);
}

void TriangleMesh::Polygon(const float (*corner)[3], int corners, const float* normal, const float (*st)[2],
                           const float* facing) {
    const int kMostCorners = 16;
    unsigned k[kMostCorners];
    if (corners > kMostCorners) corners = kMostCorners;
    for (int i = 0; i < corners; ++i) k[i] = Add(corner[i], normal, st ? st[i] : nullptr);
    float placed[3];
    if (facing) {
        float nm[9];
        NormalMatrix(nm);
        TransformNormal(nm, facing, placed);
    }
    for (int i = 1; i + 1 < corners; ++i) Triangle(k[0], k[i], k[i + 1], facing ? placed : nullptr);
}

void TriangleMesh::Box(float w, float h, float d) {
    // A negative size spans the other way from the corner; the faces still
    // face out.
    if (w < 0 || h < 0 || d < 0) {
        Push();
        Translate(w < 0 ? w : 0, h < 0 ? h : 0, d < 0 ? -d : 0);
        Box(std::fabs(w), std::fabs(h), std::fabs(d));
        Pop();
        return;
    }
    SentBox(w, h, d);
}

void TriangleMesh::SentBox(float w, float h, float d, const float* repeat) {
    for (int face = 0; face < 6; ++face) {
        float normal[3], corner[4][3], st[4][2];
        BoxCorner c[4];
        GetBoxFace(face, w, h, d, repeat, normal, c);
        for (int k = 0; k < 4; ++k) {
            std::memcpy(corner[k], c[k].p, sizeof corner[k]);
            std::memcpy(st[k], c[k].st, sizeof st[k]);
        }
        // A negative size turns that axis's normals inward, not the faces:
        // each is still seen from outside.
        const float size[3] = {w, h, d};
        float outward[3];
        for (int a = 0; a < 3; ++a) outward[a] = size[a] < 0 ? -normal[a] : normal[a];
        Polygon(corner, 4, normal, repeat ? st : nullptr, outward);
    }
}

namespace {
void FrustumCorner(float* out, int axis, float along, float u, float v) {
    out[axis] = along;
    out[(axis + 1) % 3] = u;
    out[(axis + 2) % 3] = v;
}
}  // namespace

void TriangleMesh::FrustumSides(int axis, float a0, float h0, float a1, float h1, const float* st) {
    static const float kSquare[5][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 1}};
    const float sts[4][2] = {{st ? st[0] : 0, st ? st[1] : 0}, {st ? st[0] : 0, st ? st[1] : 0},
                             {st ? st[0] : 0, st ? st[1] : 0}, {st ? st[0] : 0, st ? st[1] : 0}};
    for (int i = 0; i < 4; ++i) {
        float q[4][3];
        FrustumCorner(q[0], axis, a0, kSquare[i][0] * h0, kSquare[i][1] * h0);
        FrustumCorner(q[1], axis, a0, kSquare[i + 1][0] * h0, kSquare[i + 1][1] * h0);
        FrustumCorner(q[2], axis, a1, kSquare[i + 1][0] * h1, kSquare[i + 1][1] * h1);
        FrustumCorner(q[3], axis, a1, kSquare[i][0] * h1, kSquare[i][1] * h1);
        float n[3];
        ComputeTriangleNormal(q[0], q[1], q[2], n);
        float off[3];  // the middle of the side, seen from the axis
        for (int k = 0; k < 3; ++k) off[k] = q[0][k] + q[1][k];
        off[axis] = 0;
        if (n[0] * off[0] + n[1] * off[1] + n[2] * off[2] < 0)
            for (float& c : n) c = -c;
        Quad(q, n, st ? sts : nullptr);
    }
}

void TriangleMesh::Disk(float radius, int slices, const float* st) {
    const int kMostSlices = 16;
    if (slices > kMostSlices) slices = kMostSlices;
    float rim[kMostSlices][3], sts[kMostSlices][2];
    const float normal[3] = {0, 0, 1};
    for (int i = 0; i < slices; ++i) {
        float a = 2 * kPi * float(i) / float(slices);
        rim[i][0] = radius * std::sin(a), rim[i][1] = radius * std::cos(a), rim[i][2] = 0;
        sts[i][0] = st ? st[0] : 0, sts[i][1] = st ? st[1] : 0;
    }
    Polygon(rim, slices, normal, st ? sts : nullptr);
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
    float normal[3], q[3];
    Place(axis, 0, 0, float(facing), normal);
    std::vector<unsigned> k;
    for (int i = 0; i < corners; ++i) {
        Place(axis, p[piece[i]][0], p[piece[i]][1], c, q);
        k.push_back(Add(q, normal, nullptr));
    }
    for (int i = 1; i + 1 < corners; ++i) Triangle(k[0], k[i], k[i + 1]);  // a fan: the pieces are convex
}

void TriangleMesh::ConvexPrism(const float (*p)[2], int n, float c0, float c1) {
    const int kMostCorners = 16;  // the figures' outlines have at most 10
    int all[kMostCorners] = {};
    if (n > kMostCorners) n = kMostCorners;
    for (int i = 0; i < n; ++i) all[i] = i;
    PrismCap(p, all, n, c1, 1);
    PrismCap(p, all, n, c0, -1);
    PrismSides(p, n, 0, n, c0, c1);
}

void TriangleMesh::Wedge(float w, float l, float t) {
    const float outline[3][2] = {{0, 0}, {w / 2, l}, {-w / 2, l}};
    ConvexPrism(outline, 3, 0, t);
}

PixelView CurrentPixelView(bool eyeCoordinates) {
    PixelView view;
    float projection[16], modelview[16];
    glGetFloatv(GL_VIEWPORT, view.viewport);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    if (eyeCoordinates) {
        std::memcpy(view.clip, projection, sizeof view.clip);
    } else {
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
        MultiplyMatrices(projection, modelview, view.clip);
    }
    return view;
}

Placement CurrentPlacement() {
    float modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    Placement at;
    at.Load(modelview);
    return at;
}

void FigureBatch::Append(const TriangleMesh& part, float r, float g, float b) {
    const float rgba[4] = {r, g, b, 1};
    Append(part, *this, rgba);
}

namespace {
void ToBytes(const float* rgba, unsigned char* out) {
    for (int k = 0; k < 4; ++k) {
        float c = rgba[k] < 0 ? 0 : rgba[k] > 1 ? 1 : rgba[k];
        out[k] = (unsigned char)(c * 255 + 0.5f);
    }
}
}  // namespace

void FigureBatch::AppendVertex(const TriangleMesh::Vertex& v, const Placement& at, const float* nm,
                               const unsigned char* rgba, float normalLength) {
    vertices_.emplace_back();
    BatchVertex& out = vertices_.back();
    TransformPoint(at.Matrix(), v.p, out.p);
    TransformNormal(nm, v.n, out.n);
    if (normalLength != 1)
        for (float& c : out.n) c *= normalLength;
    out.st[0] = v.st[0], out.st[1] = v.st[1];
    std::memcpy(out.rgba, rgba, 4);
}

void FigureBatch::Append(const TriangleMesh& part, const Placement& at, const float* rgba, float normalLength) {
    unsigned char bytes[4];
    ToBytes(rgba, bytes);
    textured_ = textured_ || part.Textured();
    if (culling_) {
        AppendShowing(part, at, bytes, normalLength);
        return;
    }
    float nm[9];
    at.NormalMatrix(nm);
    size_t base = vertices_.size();
    for (const TriangleMesh::Vertex& v : part.Vertices()) AppendVertex(v, at, nm, bytes, normalLength);
    // A mirror turns the winding over: turn it back.
    const std::vector<unsigned>& k = part.Indices();
    bool mirrored = at.MirrorsWinding();
    size_t first = indices_.size();
    indices_.resize(first + k.size());
    for (size_t t = 0; t + 2 < k.size(); t += 3) {
        indices_[first + t] = unsigned(base + k[t]);
        indices_[first + t + 1] = unsigned(base + k[t + (mirrored ? 2 : 1)]);
        indices_[first + t + 2] = unsigned(base + k[t + (mirrored ? 1 : 2)]);
    }
    Extend(false, first);
}

void FigureBatch::Extend(bool lines, size_t first) {
    if (indices_.size() == first) return;
    if (runs_.empty() || runs_.back().lines != lines) runs_.push_back({lines, first, 0});
    runs_.back().count = indices_.size() - runs_.back().first;
}

size_t FigureBatch::TriangleCount() const {
    size_t n = 0;
    for (const Run& r : runs_)
        if (!r.lines) n += r.count / 3;
    return n;
}

namespace {
// A vertex in the view: beyond which of the view volume's six planes it
// lies and, in front of the eye, where it falls on the window.
struct Projected {
    float x, y;
    unsigned beyond;  // a bit per plane
    bool inFront;
};

Projected Project(const PixelView& view, const float* clipFromPart, const float* p) {
    float c[4];
    const float* m = clipFromPart;
    for (int r = 0; r < 4; ++r) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
    Projected out{0, 0, 0, c[3] > 0};
    for (int axis = 0; axis < 3; ++axis) {
        if (c[axis] < -c[3]) out.beyond |= 1u << (2 * axis);
        if (c[axis] > c[3]) out.beyond |= 2u << (2 * axis);
    }
    if (out.inFront) {
        const float* vp = view.viewport;
        out.x = vp[0] + (c[0] / c[3] + 1) * 0.5f * vp[2];
        out.y = vp[1] + (c[1] / c[3] + 1) * 0.5f * vp[3];
    }
    return out;
}

// Room left for the renderer's own rounding: it snaps window coordinates to
// a 256th of a pixel, and its arithmetic is not ours.
const float kPixelSlack = 1.0f / 64;

// The largest whole number not above v, for window coordinates (well inside
// an int's range: a vertex is only placed on the window in front of the eye).
int Floor(float v) {
    int i = int(v);
    return i - (v < float(i));
}

// Whether some pixel centre (k + 0.5) may lie from lo to hi.
bool SpansACentre(float lo, float hi) {
    return -Floor(-(lo - kPixelSlack - 0.5f)) <= Floor(hi + kPixelSlack - 0.5f);
}

// A triangle's pixels are those whose centres it holds; a triangle wholly
// beyond one side of the view volume, or whose bounds hold no centre, has
// none. Turned away (clockwise on the window) it is culled, unless it is so
// thin that the renderer might see it the other way round.
bool MayShow(const Projected& a, const Projected& b, const Projected& c, bool backFacesCulled) {
    if (a.beyond & b.beyond & c.beyond) return false;
    if (!a.inFront || !b.inFront || !c.inFront) return true;  // the renderer's clipping decides
    float x0 = std::min({a.x, b.x, c.x}), x1 = std::max({a.x, b.x, c.x});
    float y0 = std::min({a.y, b.y, c.y}), y1 = std::max({a.y, b.y, c.y});
    if (!SpansACentre(x0, x1) || !SpansACentre(y0, y1)) return false;
    if (!backFacesCulled) return true;
    float twiceArea = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    return twiceArea >= -kPixelSlack * ((x1 - x0) + (y1 - y0));
}

// Whether anything in the box from low to high can make a pixel: not when
// its corners lie beyond one side of the view volume, nor when, all in front
// of the eye, they fall on the window within bounds that hold no pixel's
// centre (the box's picture lies within its corners' there).
bool BoxMayShow(const PixelView& view, const float* clipFromPart, const float* low, const float* high) {
    unsigned beyondAll = ~0u;
    bool inFront = true;
    float x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (int k = 0; k < 8; ++k) {
        const float corner[3] = {k & 1 ? high[0] : low[0], k & 2 ? high[1] : low[1], k & 4 ? high[2] : low[2]};
        Projected p = Project(view, clipFromPart, corner);
        beyondAll &= p.beyond;
        inFront = inFront && p.inFront;
        x0 = k ? std::min(x0, p.x) : p.x, x1 = k ? std::max(x1, p.x) : p.x;
        y0 = k ? std::min(y0, p.y) : p.y, y1 = k ? std::max(y1, p.y) : p.y;
    }
    if (beyondAll) return false;
    return !inFront || (SpansACentre(x0, x1) && SpansACentre(y0, y1));
}
}  // namespace

void FigureBatch::KeepWhatShowsIn(const PixelView& view, bool backFacesCulled) {
    view_ = view;
    culling_ = true;
    backFacesCulled_ = backFacesCulled;
}

// Only the triangles that may show, each vertex placed (and its normal
// turned) once, the first time a kept triangle uses it.
void FigureBatch::AppendShowing(const TriangleMesh& part, const Placement& at, const unsigned char* rgba,
                                float normalLength) {
    // Scratch kept from part to part: drawing is single-threaded.
    static std::vector<Projected> projected;
    static std::vector<unsigned> placed;
    const std::vector<TriangleMesh::Vertex>& vs = part.Vertices();
    float clipFromPart[16];
    MultiplyMatrices(view_.clip, at.Matrix(), clipFromPart);
    if (!BoxMayShow(view_, clipFromPart, part.Low(), part.High())) return;
    projected.resize(vs.size());
    for (size_t i = 0; i < vs.size(); ++i) projected[i] = Project(view_, clipFromPart, vs[i].p);
    const unsigned kNone = ~0u;
    placed.assign(vs.size(), kNone);
    float nm[9];
    at.NormalMatrix(nm);
    const std::vector<unsigned>& k = part.Indices();
    bool mirrored = at.MirrorsWinding();  // turn the winding back, as above
    size_t first = indices_.size();
    for (size_t t = 0; t + 2 < k.size(); t += 3) {
        const unsigned corner[3] = {k[t], k[t + (mirrored ? 2 : 1)], k[t + (mirrored ? 1 : 2)]};
        if (!MayShow(projected[corner[0]], projected[corner[1]], projected[corner[2]], backFacesCulled_))
            continue;
        for (unsigned i : corner) {
            if (placed[i] == kNone) {
                placed[i] = unsigned(vertices_.size());
                AppendVertex(vs[i], at, nm, rgba, normalLength);
            }
            indices_.push_back(placed[i]);
        }
    }
    Extend(false, first);
}

void FigureBatch::AppendLineStrip(const Placement& at, const float (*points)[3], int count, const float* normal,
                                  const float* st, const float* rgba) {
    float nm[9];
    at.NormalMatrix(nm);
    BatchVertex v{};
    TransformNormal(nm, normal, v.n);
    if (st) v.st[0] = st[0], v.st[1] = st[1], textured_ = true;
    ToBytes(rgba, v.rgba);
    size_t first = indices_.size();
    for (int i = 0; i < count; ++i) {
        TransformPoint(at.Matrix(), points[i], v.p);
        vertices_.push_back(v);
        if (i > 0) indices_.insert(indices_.end(), {unsigned(vertices_.size() - 2), unsigned(vertices_.size() - 1)});
    }
    Extend(true, first);
}

void FigureBatch::BeginSending(bool colourBothFaces) {
    glColorMaterial(colourBothFaces ? GL_FRONT_AND_BACK : GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
}

void FigureBatch::EndSending() {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisable(GL_COLOR_MATERIAL);
}

void FigureBatch::SendArrays() const {
    const GLsizei stride = sizeof(BatchVertex);
    glVertexPointer(3, GL_FLOAT, stride, vertices_[0].p);
    glNormalPointer(GL_FLOAT, stride, vertices_[0].n);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, vertices_[0].rgba);
    if (textured_) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, vertices_[0].st);
    } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    // The range spares the renderer a search of the indices for it.
    const GLuint last = GLuint(vertices_.size() - 1);
    for (const Run& r : runs_)
        glDrawRangeElements(r.lines ? GL_LINES : GL_TRIANGLES, 0, last, GLsizei(r.count), GL_UNSIGNED_INT,
                            &indices_[r.first]);
}

void FigureBatch::SendVertices() const {
    for (const Run& r : runs_) {
        glBegin(r.lines ? GL_LINES : GL_TRIANGLES);
        for (size_t k = r.first; k < r.first + r.count; ++k) {
            const BatchVertex& v = vertices_[indices_[k]];
            glColor4ubv(v.rgba);
            glNormal3fv(v.n);
            if (textured_) glTexCoord2fv(v.st);
            glVertex3fv(v.p);
        }
        glEnd();
    }
}

void FigureBatch::Send() {
    if (!vertices_.empty()) {
        if (oneByOne_) SendVertices();
        else SendArrays();
    }
    vertices_.clear();
    indices_.clear();
    runs_.clear();
    textured_ = false;
    culling_ = false;
    Reset();
}

const TriangleMesh& CachedShape(TriangleMesh*& slot, void (*build)(TriangleMesh& mesh)) {
    if (!slot) {
        slot = new TriangleMesh();
        build(*slot);
    }
    return *slot;
}
