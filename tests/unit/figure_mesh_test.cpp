// The figures' CPU-built geometry: every face turned outward (faces turned away are
// left out, so one wound wrongly would vanish); placements work as GL's matrix stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/figure_mesh.h"

namespace {

// Faces whose winding disagrees with their vertices' normals.
int InwardFaces(const TriangleMesh& m) {
    const auto& v = m.Vertices();
    const auto& k = m.Indices();
    int bad = 0;
    for (size_t t = 0; t + 2 < k.size(); t += 3) {
        const float *a = v[k[t]].p, *b = v[k[t + 1]].p, *c = v[k[t + 2]].p;
        float facing = 0;
        for (int i = 0; i < 3; ++i) {
            int j = (i + 1) % 3, l = (i + 2) % 3;
            float cross = (b[j] - a[j]) * (c[l] - a[l]) - (b[l] - a[l]) * (c[j] - a[j]);
            facing += cross * (v[k[t]].n[i] + v[k[t + 1]].n[i] + v[k[t + 2]].n[i]);
        }
        bad += facing <= 0;
    }
    return bad;
}

// Normals that point toward the centre given.
int NormalsFacingIn(const TriangleMesh& m, const float* c) {
    int bad = 0;
    for (const auto& v : m.Vertices())
        bad += (v.p[0] - c[0]) * v.n[0] + (v.p[1] - c[1]) * v.n[1] + (v.p[2] - c[2]) * v.n[2] < 0;
    return bad;
}

}  // namespace

TEST(FigureMesh, EveryShapesFacesTurnOutwardWhateverItsPlacement) {
    struct Case { std::string what; void (*build)(TriangleMesh&); float centre[3]; };
    static const float kOutline[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};  // clockwise on purpose
    static const float (*outline)[2] = kOutline;
    const Case cases[] = {
        {"sphere of two slices", [](TriangleMesh& m) { m.Sphere(1, 2, 2); }, {0, 0, 0}},
        {"mirrored sphere", [](TriangleMesh& m) { m.Scale(-1, 1, 1); m.Sphere(1, 6, 4); }, {0, 0, 0}},
        {"box", [](TriangleMesh& m) { m.Box(1, 2, 3); }, {0.5f, 1, -1.5f}},
        {"box of negative sizes", [](TriangleMesh& m) { m.Box(-0.015f, -0.0005f, 0.0066667f); },
         {-0.0075f, -0.00025f, -0.0033333f}},
        {"wedge", [](TriangleMesh& m) { m.Wedge(1, 2, 0.5f); }, {0, 1.3f, 0.25f}},
        {"prism along x", [](TriangleMesh& m) {
             const int all[4] = {0, 1, 2, 3};
             m.PrismSides(outline, 4, 0, 4, 0, 1, TriangleMesh::Axis::kX);
             for (int end : {0, 1}) m.PrismCap(outline, all, 4, end, end ? 1 : -1, TriangleMesh::Axis::kX);
         }, {0.5f, 0.5f, 0.5f}},
        {"cone", [](TriangleMesh& m) { m.Cylinder(0.5f, 0, 2, 4, 4); }, {0, 0, 0.0f}},
        {"frustum along x", [](TriangleMesh& m) { m.FrustumSides(0, 0, 0.02f, 0.13f, 0.08f); }, {0.06f, 0, 0}},
        {"frustum along y", [](TriangleMesh& m) { m.FrustumSides(1, 0, 0.05f, 0.11f, 0.02f); }, {0, 0.05f, 0}},
        {"frustum along -z", [](TriangleMesh& m) { m.FrustumSides(2, -0.1f, 0.025f, -0.15f, 0.045f); },
         {0, 0, -0.12f}},
        {"disk", [](TriangleMesh& m) { m.Disk(1, 10); }, {0, 0, -1}},
    };
    for (const Case& c : cases) {
        TriangleMesh m;
        c.build(m);
        EXPECT_GT(m.Indices().size(), 0u) << c.what;
        EXPECT_EQ(InwardFaces(m), 0) << c.what;
        if (c.what != "cone") {
            EXPECT_EQ(NormalsFacingIn(m, c.centre), 0) << c.what;
        }
    }
}

TEST(FigureMesh, PlacementsComposeAsTheGlMatrixStack) {
    Placement p;
    p.Translate(1, 0, 0);
    p.Push();
    p.Rotate(90, 0, 0, 1);
    p.Translate(2, 0, 0);  // along the turned x axis: up
    EXPECT_NEAR(p.Matrix()[12], 1, 1e-6);
    EXPECT_NEAR(p.Matrix()[13], 2, 1e-6);
    p.Pop();
    EXPECT_NEAR(p.Matrix()[13], 0, 1e-6);
    p.Pop();  // one pop too many is ignored
    p.Scale(2, 3, 4);
    EXPECT_NEAR(p.Matrix()[5], 3, 1e-6);
    EXPECT_NEAR(p.Matrix()[12], 1, 1e-6);
}

// The box as DrawBox sends it keeps each face's normal where DrawBox puts it,
// also when a negative size turns a pair of faces inward (the outward box
// turns them back), and its front's texture runs the repeats across and up.
TEST(FigureMesh, SentBoxKeepsDrawBoxNormalsAndRepeats) {
    struct Case { float w, h, d; int inward; };
    const Case cases[] = {{0.1f, 0.2f, 0.3f, 0}, {0.077f, -0.089775f, 0.077f, 2}, {-0.15f, -0.005f, 0.033f, 4}};
    const float repeat[3] = {1, 0.5f, 0.25f};
    for (const Case& c : cases) {
        TriangleMesh sent, outward;
        sent.SentBox(c.w, c.h, c.d, repeat);
        outward.Box(c.w, c.h, c.d);
        const float centre[3] = {c.w / 2, c.h / 2, -c.d / 2};
        EXPECT_EQ(NormalsFacingIn(sent, centre), 4 * c.inward) << c.w << " " << c.h;  // four corners a face
        EXPECT_EQ(NormalsFacingIn(outward, centre), 0) << c.w << " " << c.h;
        float most[2] = {0, 0};
        for (const auto& v : sent.Vertices())
            if (v.n[2] == 1) most[0] = std::max(most[0], v.st[0]), most[1] = std::max(most[1], v.st[1]);
        EXPECT_FLOAT_EQ(most[0], 1);
        EXPECT_FLOAT_EQ(most[1], 0.5f);
    }
}
