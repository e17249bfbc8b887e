// The Bunny's fixed shapes: body, neck, head, eyes, brows, whiskers, face
// mark, ears, teeth, lenses, arms, legs, hands, feet, gun and shoe.
#include "figures/bunny_draw_parts.h"

#include "figures/figure_mesh.h"
#include "support/helpers.h"

namespace {
const float kThird = 1.0f / 30.0f;
const float kSixtieth = 1.0f / 60.0f;

// GLUT's spheres start their slices a quarter turn round from GLU's, and
// their strips cut each quad along its other diagonal.
void GlutSphere(TriangleMesh& m, int slices, int stacks) {
    m.Rotate(-90, 0, 0, 1);
    m.Sphere(1, slices, stacks, false, true);
}

// The body: a pyramid pointing down, its corners below; the front face
// carries the suit, the others the vertical cloth. Each face's normal is
// worked out from three of its corners, the top's is straight up.
const float kBodyCorner[4][3] = {
    {0, -0.1875f, 0.05f}, {0, 0.1875f, -0.2f}, {-0.175f, 0.1875f, 0.175f}, {0.175f, 0.1875f, 0.175f}};
struct BodyFace {
    int normalFrom[3];  // -1: straight up
    int corner[3];
    float st[3][2];
};
const BodyFace kBodyFaces[4] = {
    {{3, 2, 0}, {2, 0, 3}, {{0, 1}, {0.5f, 0}, {1, 1}}},
    {{3, 0, 1}, {0, 3, 1}, {{0.5f, 0}, {0, 1}, {1, 1}}},
    {{-1}, {3, 1, 2}, {{0, 1}, {0.5f, 0}, {1, 1}}},
    {{2, 1, 0}, {1, 2, 0}, {{0, 1}, {1, 1}, {0.5f, 0}}},
};
void BodyFaces(TriangleMesh& m, int first, int count) {
    for (int k = first; k < first + count; ++k) {
        const BodyFace& face = kBodyFaces[k];
        float n[3] = {0, 1, 0};
        const int* from = face.normalFrom;
        if (from[0] >= 0) ComputeTriangleNormal(kBodyCorner[from[0]], kBodyCorner[from[1]], kBodyCorner[from[2]], n);
        float corner[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) corner[i][j] = kBodyCorner[face.corner[i]][j];
        m.Polygon(corner, 3, n, face.st);
    }
}
void BodySuit(TriangleMesh& m) { BodyFaces(m, 0, 1); }
void BodyCloth(TriangleMesh& m) { BodyFaces(m, 1, 3); }

void Neck(TriangleMesh& m) { m.Cylinder(0.025f, 0.025f, 1, 4, 4); }
void Head(TriangleMesh& m) { m.Sphere(0.25f, 14, 14); }
void EyeWhite(TriangleMesh& m) {
    m.Translate(0.05f, 0.1375f, kSixtieth);
    m.Scale(0.05f, 0.1375f, kSixtieth);
    GlutSphere(m, 9, 9);
}
void Pupil(TriangleMesh& m) { GlutSphere(m, 6, 6); }
// The left brow is the right one drawn the other way along x.
void RightBrow(TriangleMesh& m) { m.SentBox(0.13f, 0.025f, kThird); }
void LeftBrow(TriangleMesh& m) { m.SentBox(-0.13f, 0.025f, kThird); }
void Whisker(TriangleMesh& m) { m.SentBox(-0.15f, -0.005f, kThird); }
void Tooth(TriangleMesh& m) { m.SentBox(0.035714287f, 0.075f, kThird); }

// Two triangles under the nose, standing out past the head, lit alike from
// both sides by their one normal, which points into the head.
void FaceMark(TriangleMesh& m) {
    const float normal[3] = {0, 0, -1};
    const float halves[2][3][3] = {{{-0.2f, -0.14f, 0}, {0, -0.084f, 0}, {0, 0, 0}},
                                   {{0, -0.084f, 0}, {0.2f, -0.14f, 0}, {0, 0, 0}}};
    const float front[3] = {0, 0, 1};
    m.Translate(0, -0.104f, 0.25f);
    for (const auto& half : halves) m.Polygon(half, 3, normal, nullptr, front);
    m.AddBackFaces();
}

// One ear segment 0.1 long: half-widths at its foot and tip (a zero one
// is a point, the quad a triangle).
const float kEarWidths[8][2] = {{0, 0.025f},      {0.025f, 0.05f},  {0.05f, 0.0625f},  {0.0625f, 0.075f},
                                {0.075f, 0.075f}, {0.075f, 0.0625f}, {0.0625f, 0.0375f}, {0.0375f, 0}};
// Each segment's front faces +z; its back, the same outline facing -z, is
// lit as two-sided lighting lights the back of a face (there in the
// ear-back colour).
void EarSegment(TriangleMesh& m, int s, float facing) {
    const float normal[3] = {0, 0, facing};
    float corner[4][3];
    int n = 0;
    float foot = kEarWidths[s][0], tip = kEarWidths[s][1];
    auto add = [&](float x, float y) { corner[n][0] = x, corner[n][1] = y, corner[n][2] = 0, ++n; };
    if (foot > 0) add(-foot, 0), add(foot, 0);
    else add(0, 0);
    if (tip > 0) add(tip, 0.1f), add(-tip, 0.1f);
    else add(0, 0.1f);
    m.Polygon(corner, n, normal);
}
template <int S>
void EarFront(TriangleMesh& m) { EarSegment(m, S, 1); }
template <int S>
void EarBack(TriangleMesh& m) { EarSegment(m, S, -1); }

// The lenses have no texture coordinates of their own: they show the lens
// texture at the coordinate the body's last corner leaves current.
const float kLeftOverST[2] = {0.5f, 0};
void Lens(TriangleMesh& m) { m.Disk(1, 10, kLeftOverST); }

const float kClothRepeat[3] = {1, 0.5f, 0.5f};
void Arm(TriangleMesh& m) { m.SentBox(1, 0.077f, 0.077f, kClothRepeat); }
void UpperLeg(TriangleMesh& m) { m.SentBox(0.077f, -0.089775f, 0.077f, kClothRepeat); }
void LowerLeg(TriangleMesh& m) { m.SentBox(0.077f, -0.07182f, 0.077f, kClothRepeat); }
void Hand(TriangleMesh& m) { m.Sphere(1, 6, 6); }
void BareFoot(TriangleMesh& m) {
    m.Scale(1, 1, 2.5f);
    m.Sphere(0.0385f, 6, 6);
}

// A square frustum open at the top, standing on its base.
void GunBody(TriangleMesh& m) {
    const float h = 0.052938f;
    const float base[4][3] = {{-h, 0, -h}, {h, 0, -h}, {h, 0, h}, {-h, 0, h}};
    const float down[3] = {0, -1, 0};
    m.Quad(base, down);
    m.FrustumSides(1, 0, h, 0.111169f, 0.021175f);
}
// The gun's boxes, each placed from the one before; the mouth follows the last.
const float kGunBoxMove[5][3] = {{-0.0407619f, 0.111169f, 0.0407619f},
                                 {0.0271746f, 0.0815238f, -0.0285333f},
                                 {0.0543492f, -0.0570666f, 0.00407619f},
                                 {0.0456533f, -0.0529904f, 0.0326095f},
                                 {0.0244571f, 0.0692952f, -0.0489142f}};
const float kGunBoxSize[4][3] = {{0.0815238f, 0.0815238f, 0.0815238f},
                                 {0.0244571f, 0.0407619f, 0.0244571f},
                                 {0.0456533f, 0.0326095f, 0.0326095f},
                                 {0.0244571f, 0.13859f, 0.0978285f}};
void ToGunPart(TriangleMesh& m, int part) {
    for (int k = 0; k <= part; ++k) m.Translate(kGunBoxMove[k][0], kGunBoxMove[k][1], kGunBoxMove[k][2]);
}
template <int K>
void GunBox(TriangleMesh& m) {
    ToGunPart(m, K);
    m.SentBox(kGunBoxSize[K][0], kGunBoxSize[K][1], kGunBoxSize[K][2]);
}
// A square horn along +x, its wide end the textured face, its narrow end open.
const float kMouthX = 0.127503f, kMouthHalf = 0.079689f;
void GunMouthFace(TriangleMesh& m) {
    const float x = kMouthX, h = kMouthHalf;
    const float corner[4][3] = {{x, h, h}, {x, h, -h}, {x, -h, -h}, {x, -h, h}};
    const float st[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    const float normal[3] = {1, 0, 0};
    ToGunPart(m, 4);
    m.Quad(corner, normal, st);
}
void GunMouthSides(TriangleMesh& m) {
    ToGunPart(m, 4);
    m.FrustumSides(0, 0, 0.020789f, kMouthX, kMouthHalf);
}

const float kShoeW = 0.040425f;  // half the shoe's width
const float kToeZ = 0.09625f;
// The shoe's side outline as (y, z) with its texture coordinates.
struct ShoeSidePoint {
    float y, z, s, t;
};
const ShoeSidePoint kShoeSide[5] = {
    {-0.025025f, -kToeZ, 1, 0.5f}, {-0.025025f, kToeZ, 0, 0.5f}, {-0.0077f, kToeZ, 0, 0.75f},
    {0.0385f, 0.0231f, 0.5f, 1},   {0.0385f, -kToeZ, 1, 1},
};
// Both sides of the upper; the right one runs the outline backwards.
void ShoeSides(TriangleMesh& m) {
    for (int side = 0; side < 2; ++side) {
        const float normal[3] = {side ? 1.0f : -1.0f, 0, 0};
        float corner[5][3], st[5][2];
        for (int k = 0; k < 5; ++k) {
            const ShoeSidePoint& p = kShoeSide[side ? 4 - k : k];
            corner[k][0] = side ? kShoeW : -kShoeW, corner[k][1] = p.y, corner[k][2] = p.z;
            st[k][0] = p.s, st[k][1] = p.t;
        }
        m.Polygon(corner, 5, normal, st);
    }
}
void ShoeToe(TriangleMesh& m) {
    const float w = kShoeW;
    const float toe[4][3] = {{-w, -0.025025f, kToeZ}, {w, -0.025025f, kToeZ}, {w, -0.0077f, kToeZ}, {-w, -0.0077f, kToeZ}};
    const float top[4][3] = {{-w, 0.0385f, 0.0231f}, {w, 0.0385f, 0.0231f}, {w, 0.0385f, -kToeZ}, {-w, 0.0385f, -kToeZ}};
    const float forward[3] = {0, 0, 1}, up[3] = {0, 1, 0};
    m.Quad(toe, forward);
    m.Quad(top, up);
}
// The laces slope over the instep; the heel takes the laces texture at one
// coordinate.
void ShoeLaces(TriangleMesh& m) {
    const float w = kShoeW;
    const float a[3] = {-w, 0.0385f, 0.0231f}, b[3] = {-w, -0.0077f, kToeZ}, c[3] = {w, 0.0385f, 0.0231f};
    float n[3];
    ComputeTriangleNormal(a, b, c, n);
    const float laces[4][3] = {{-w, -0.0077f, kToeZ}, {w, -0.0077f, kToeZ}, {w, 0.0385f, 0.0231f}, {-w, 0.0385f, 0.0231f}};
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    m.Quad(laces, n, st);
    const float heel[4][3] = {{w, 0.0385f, -kToeZ}, {-w, 0.0385f, -kToeZ}, {-w, -0.025025f, -kToeZ}, {w, -0.025025f, -kToeZ}};
    const float heelST[4][2] = {{0, 1}, {0, 1}, {0, 1}, {0, 1}};
    const float back[3] = {0, 0, -1};
    m.Quad(heel, back, heelST);
}
// The sole's faces: normal, then corners as (x, y, z) picks of the slab's
// low (0) or high (1) bound, with texture coordinates 0 to 1.
struct SlabFace {
    float normal[3];
    int corner[4][3];
};
const SlabFace kSoleFaces[5] = {
    {{-1, 0, 0}, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
    {{1, 0, 0}, {{1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}}},
    {{0, 0, 1}, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
    {{0, 0, -1}, {{1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}}},
    {{0, -1, 0}, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
};
void ShoeSole(TriangleMesh& m) {
    const float bounds[3][2] = {{-kShoeW, kShoeW}, {-0.0385f, -0.025025f}, {-kToeZ, kToeZ}};
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const SlabFace& f : kSoleFaces) {
        float corner[4][3];
        for (int k = 0; k < 4; ++k)
            for (int a = 0; a < 3; ++a) corner[k][a] = bounds[a][f.corner[k][a]];
        m.Quad(corner, f.normal, st);
    }
}
// Behind the heel, open at both ends; the sole texture is still bound, at
// the coordinate its last corner left.
void ShoeCuff(TriangleMesh& m) {
    const float st[2] = {0, 1};
    m.FrustumSides(2, -kToeZ, 0.025025f, -0.154f, 0.045045f, st);
    m.AddBackFaces();  // its inside shows from behind
}

void (*const kBuild[kBunnyShapeCount])(TriangleMesh&) = {
    BodySuit,        BodyCloth,       Neck,           Head,           EyeWhite,       Pupil,
    RightBrow,       LeftBrow,        Whisker,        FaceMark,       EarFront<0>,    EarFront<1>,
    EarFront<2>,     EarFront<3>,     EarFront<4>,    EarFront<5>,    EarFront<6>,    EarFront<7>,
    EarBack<0>,      EarBack<1>,      EarBack<2>,     EarBack<3>,     EarBack<4>,     EarBack<5>,
    EarBack<6>,      EarBack<7>,      Tooth,           Lens,            Arm,            UpperLeg,       LowerLeg,       Hand,
    BareFoot,        GunBody,         GunBox<0>,      GunBox<1>,      GunBox<2>,      GunBox<3>,
    GunMouthFace,    GunMouthSides,   ShoeSides,      ShoeToe,        ShoeLaces,      ShoeSole,
    ShoeCuff,
};

int sendAsArrays = 1;
}  // namespace

const BunnyPiece kBunnyGunPieces[7] = {
    {kGunBodyShape, kPlainBatch, {0.2f, 0.4f, 0.6f, 1}},
    {kGunBoxShape, kPlainBatch, {0.4f, 0.6f, 0.8f, 1}},
    {kGunBoxShape + 1, kPlainBatch, {0.7f, 0.7f, 0.9f, 1}},
    {kGunBoxShape + 2, kPlainBatch, {0.65f, 0.65f, 1.0f, 1}},
    {kGunBoxShape + 3, kPlainBatch, {0.6f, 0.4f, 0.8f, 1}},
    {kGunMouthFaceShape, kGunMouthBatch, {1, 1, 1, 1}},
    {kGunMouthSidesShape, kPlainBatch, {0.4f, 0.6f, 1.0f, 1}},
};

// The shoe's textures replace its lit colour; the toe and the top show it.
const BunnyPiece kBunnyShoePieces[5] = {
    {kShoeSidesShape, kShoeSideBatch, {0, 0.956863f, 1, 1}},
    {kShoeToeShape, kPlainBatch, {0, 0.956863f, 1, 1}},
    {kShoeLacesShape, kShoeLacesBatch, {0, 0.956863f, 1, 1}},
    {kShoeSoleShape, kShoeSoleBatch, {1, 1, 1, 1}},
    {kShoeCuffShape, kShoeSoleBatch, {0.411765f, 0.411765f, 0.34902f, 1}},
};

const TriangleMesh& GetBunnyShape(int shape) {
    static TriangleMesh* made[kBunnyShapeCount];
    if (shape < 0 || shape >= kBunnyShapeCount) shape = kHeadShape;
    return CachedShape(made[shape], kBuild[shape]);
}

bool BunnyShapeHasBackFaces(int shape) {
    return shape == kFaceMarkShape || (shape >= kEarFrontShape && shape < kEarBackShape + 8) ||
           shape == kShoeCuffShape;
}

void SetBunnyPartLists(int on) { sendAsArrays = on; }
int BunnyPartLists() { return sendAsArrays; }
