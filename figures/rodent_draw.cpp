// Drawing a Rodent: scaled spheres with a cone nose, whiskers and ears, in a
// material chosen by its colour marks. No texture. The whole figure goes to
// the renderer with the other figures' untextured parts, each part in its
// material's colour.
#include <GL/gl.h>

#include "figures/figure_gl.h"
#include "figures/figure_mesh.h"
#include "figures/figure_pool.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"

namespace {

struct Rgb {
    float r, g, b;
};
const Rgb kDefaultFur{0.58f, 0.48f, 0.29f};
const Rgb kLilacFur{0.6f, 0.58f, 0.82f};
const Rgb kOliveFur{0.43f, 0.45f, 0.2f};
const Rgb kWhite{1, 1, 1};
const Rgb kBlack{0, 0, 0};

const Rgb& Fur(const Rodent* r) { return r->lilac ? kLilacFur : r->olive ? kOliveFur : kDefaultFur; }

// Corners of the right and the left eye on the head.
const float kEyeCorners[2][3] = {{-0.024f, -0.005625f, 0.025f}, {0.004f, -0.005625f, 0.025f}};

void BodyShape(TriangleMesh& m) {
    m.Scale(0.7f, 1.5f, 1.0f);
    m.Sphere(0.025f, 5, 5);
}
void ArmShape(TriangleMesh& m) {
    m.Translate(0.025f, 0, 0);
    m.Scale(1.3f, 0.6f, 0.5f);
    m.Sphere(0.025f, 6, 6);
}
void LegShape(TriangleMesh& m) {
    m.Translate(0.025f, 0, 0);
    m.Scale(0.6f, 1.3f, 0.5f);
    m.Sphere(0.025f, 6, 6);
}
// From the head's centre to the nose tip, along the cone.
void ToNoseTip(TriangleMesh& m) {
    m.Translate(0, -0.0083333f, 0.02f);
    m.Translate(0, 0, 0.0325f);
}
// In the fur: the head, the nose cone and the ears.
void HeadFurShape(TriangleMesh& m) {
    m.Sphere(0.025f, 5, 5);
    m.Push();
    m.Translate(0, -0.0083333f, 0.02f);
    m.Rotate(180, 0, 0, 1);
    m.Cylinder(0.0083333f, 0, 0.0325f, 4, 4);
    m.Pop();
    for (float x : {0.0225f, -0.0225f}) {
        m.Push();
        m.Translate(x, 0.0225f, 0);
        m.Scale(1, 1, 0.3f);
        m.Sphere(0.02f, 6, 4);
        m.Pop();
    }
}
// In white: the eye whites and six whiskers, three to a side.
void HeadWhiteShape(TriangleMesh& m) {
    for (const float* c : kEyeCorners) {
        m.Push();
        m.Translate(c[0] + 0.01f, c[1] + 0.0075f, c[2] + 0.0033333f);
        m.Scale(0.01f, 0.0075f, 0.0033333f);
        m.Sphere(1, 3, 3);
        m.Pop();
    }
    ToNoseTip(m);
    for (int side = 0; side < 2; ++side) {
        if (side == 1) m.Rotate(180, 0, 1, 0);
        for (float turn : {0.0f, 0.75f, -0.75f}) {
            m.Push();
            m.Rotate(turn, 0, 0, 1);
            m.Translate(-0.005f, 0, 0);
            m.Box(-0.015f, -0.0005f, 0.0066667f);
            m.Pop();
        }
    }
}
void NoseTipShape(TriangleMesh& m) {
    ToNoseTip(m);
    m.Sphere(0.0041667f, 3, 3);
}
void PupilShape(TriangleMesh& m) { m.Sphere(1, 2, 2); }

struct Shapes {
    TriangleMesh *body, *headFur, *headWhite, *noseTip, *pupil, *arm, *leg;
} shapes;

// A figure being put together: the batch it goes into and the placement.
struct Build {
    FigureBatch& batch;
    Placement& at;
    float normalLength;
};

void Add(Build& d, TriangleMesh*& slot, void (*build)(TriangleMesh&), const Rgb& c) {
    const float rgba[4] = {c.r, c.g, c.b, 1};
    d.batch.Append(CachedShape(slot, build), d.at, rgba, d.normalLength);
}

float Side(const Rodent* r, int side, int f) { return r->field[f + side * kRodentSideFieldCount]; }

void AddPupil(Build& d, const Rodent* r, int side) {
    float radius = Side(r, side, kRodentEyeballRadius) / 2;
    const float* c = kEyeCorners[side == 0 ? 1 : 0];
    d.at.Push();
    d.at.Translate(c[0] + Side(r, side, kRodentEyeballXcor), c[1] + Side(r, side, kRodentEyeballYcor),
                c[2] + radius + 0.0066667f);
    d.at.Scale(radius, radius, radius);
    Add(d, shapes.pupil, PupilShape, kBlack);
    d.at.Pop();
}

void AddHead(Build& d, const Rodent* r) {
    const float* f = r->field;
    d.at.Push();
    d.at.Translate(0, 0.0625f, 0);  // the head position fields are not read
    d.at.Rotate(f[kRodentHeadAngleX], 1, 0, 0);
    d.at.Rotate(f[kRodentHeadAngleY], 0, 1, 0);
    d.at.Rotate(f[kRodentHeadAngleZ], 0, 0, 1);
    Add(d, shapes.headFur, HeadFurShape, Fur(r));
    Add(d, shapes.headWhite, HeadWhiteShape, kWhite);
    Add(d, shapes.noseTip, NoseTipShape, kBlack);
    AddPupil(d, r, 1);
    AddPupil(d, r, 0);
    d.at.Pop();
}

void AddArm(Build& d, const Rodent* r, int side) {
    d.at.Push();
    d.at.Translate(0, 0.025f, 0);
    d.at.Rotate(Side(r, side, kRodentArmY), 0, 1, 0);
    d.at.Rotate(Side(r, side, kRodentArmZ), 0, 0, 1);
    Add(d, shapes.arm, ArmShape, Fur(r));
    d.at.Pop();
}

void AddLeg(Build& d, const Rodent* r, int side) {
    d.at.Push();
    d.at.Translate(-0.0075f, -0.0375f, 0);
    d.at.Rotate(Side(r, side, kRodentLegX), 1, 0, 0);
    d.at.Rotate(Side(r, side, kRodentLegZ), 0, 0, 1);
    Add(d, shapes.leg, LegShape, Fur(r));
    d.at.Pop();
}

}  // namespace

void AddRodentToBatch(FigureBatch& batch, Placement& at, float normalLength, const Rodent* rodent) {
    Build d{batch, at, normalLength};
    const float* f = rodent->field;
    d.at.Push();
    d.at.Translate(f[kRodentBodyPosX], f[kRodentBodyPosY], f[kRodentBodyPosZ]);
    d.at.Rotate(f[kRodentBodyAngleX], 1, 0, 0);
    d.at.Rotate(f[kRodentBodyAngleY], 0, 1, 0);
    d.at.Rotate(f[kRodentBodyAngleZ], 0, 0, 1);
    Add(d, shapes.body, BodyShape, Fur(rodent));
    AddHead(d, rodent);
    AddArm(d, rodent, 0);
    AddLeg(d, rodent, 0);
    d.at.Push();
    d.at.Scale(-1, 1, 1);
    AddArm(d, rodent, 1);
    AddLeg(d, rodent, 1);
    d.at.Pop();
    d.at.Pop();
}

void DrawRodent(Rodent* rodent) {
    const float* f = rodent->field;
    glBindTexture(GL_TEXTURE_2D, 0);
    glEnable(GL_NORMALIZE);  // and it stays enabled
    const float bound[4] = {f[kRodentBodyPosX], f[kRodentBodyPosY], f[kRodentBodyPosZ], 0.15f};
    if (!SphereInView(bound[0], bound[1], bound[2], bound[3])) return;
    // In eye coordinates, held with the other figures' untextured parts, or
    // in its own frame when the near plane may cut it; every part is closed,
    // its faces turned away culled.
    FigureFrame frame = StartFigure(bound[0], bound[1], bound[2], bound[3]);
    FigureBatch& batch = HeldBatch({0, GL_DECAL, true, true}, frame.view);
    AddRodentToBatch(batch, frame.at, frame.normalLength, rodent);
    glDisable(GL_CULL_FACE);  // as drawing the figure on its own left it
    FigureDrawn();
}
