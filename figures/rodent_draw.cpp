// Drawing a Rodent: scaled spheres with a cone nose, whiskers and ears, in a
// material chosen by its colour marks. No texture. The shapes that never
// move against each other are one display list per material.
#include <GL/gl.h>

#include "figures/figure_gl.h"
#include "figures/figure_mesh.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"

namespace {

struct Rgb {
    float r, g, b;
};
const Rgb kDefaultFur{0.58f, 0.48f, 0.29f};
const Rgb kLilacFur{0.6f, 0.58f, 0.82f};
const Rgb kOliveFur{0.43f, 0.45f, 0.2f};

void FurMaterial(const Rodent* r) {
    const Rgb& c = r->lilac ? kLilacFur : r->olive ? kOliveFur : kDefaultFur;
    SetFigureMaterial(c.r, c.g, c.b);
}
void White() { SetFigureMaterial(1, 1, 1); }
void Black() { SetFigureMaterial(0, 0, 0); }

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
// A pupil is placed and sized by its fields; black shows no shading to spoil.
void PupilShape(TriangleMesh& m) { m.Sphere(1, 2, 2); }

struct Lists {
    unsigned body, headFur, headWhite, noseTip, pupil, arm, leg;
} lists;

float Side(const Rodent* r, int side, int f) { return r->field[f + side * kRodentSideFieldCount]; }

void DrawPupil(const Rodent* r, int side) {
    float radius = Side(r, side, kRodentEyeballRadius) / 2;
    const float* c = kEyeCorners[side == 0 ? 1 : 0];
    glPushMatrix();
    glTranslatef(c[0] + Side(r, side, kRodentEyeballXcor), c[1] + Side(r, side, kRodentEyeballYcor),
                 c[2] + radius + 0.0066667f);
    glScalef(radius, radius, radius);
    CallFixedList(lists.pupil, PupilShape);
    glPopMatrix();
}

void DrawHead(const Rodent* r) {
    const float* f = r->field;
    glPushMatrix();
    glTranslatef(0, 0.0625f, 0);  // the head position fields are not read
    glRotatef(f[kRodentHeadAngleX], 1, 0, 0);
    glRotatef(f[kRodentHeadAngleY], 0, 1, 0);
    glRotatef(f[kRodentHeadAngleZ], 0, 0, 1);
    FurMaterial(r);
    CallFixedList(lists.headFur, HeadFurShape);
    White();
    CallFixedList(lists.headWhite, HeadWhiteShape);
    Black();
    CallFixedList(lists.noseTip, NoseTipShape);
    DrawPupil(r, 1);
    DrawPupil(r, 0);
    glPopMatrix();
}

void DrawArm(const Rodent* r, int side) {
    glPushMatrix();
    glTranslatef(0, 0.025f, 0);
    glRotatef(Side(r, side, kRodentArmY), 0, 1, 0);
    glRotatef(Side(r, side, kRodentArmZ), 0, 0, 1);
    CallFixedList(lists.arm, ArmShape);
    glPopMatrix();
}

void DrawLeg(const Rodent* r, int side) {
    glPushMatrix();
    glTranslatef(-0.0075f, -0.0375f, 0);
    glRotatef(Side(r, side, kRodentLegX), 1, 0, 0);
    glRotatef(Side(r, side, kRodentLegZ), 0, 0, 1);
    CallFixedList(lists.leg, LegShape);
    glPopMatrix();
}

}  // namespace

void DrawRodent(Rodent* rodent) {
    const float* f = rodent->field;
    glBindTexture(GL_TEXTURE_2D, 0);
    if (!SphereInView(f[kRodentBodyPosX], f[kRodentBodyPosY], f[kRodentBodyPosZ], 0.15f)) {
        glEnable(GL_NORMALIZE);  // as a drawn one leaves it
        return;
    }
    glPushMatrix();
    glTranslatef(f[kRodentBodyPosX], f[kRodentBodyPosY], f[kRodentBodyPosZ]);
    glRotatef(f[kRodentBodyAngleX], 1, 0, 0);
    glRotatef(f[kRodentBodyAngleY], 0, 1, 0);
    glRotatef(f[kRodentBodyAngleZ], 0, 0, 1);
    FurMaterial(rodent);
    CallFixedList(lists.body, BodyShape);
    DrawHead(rodent);
    FurMaterial(rodent);
    DrawArm(rodent, 0);
    DrawLeg(rodent, 0);
    glPushMatrix();
    glEnable(GL_NORMALIZE);  // and it stays enabled
    glScalef(-1, 1, 1);
    DrawArm(rodent, 1);
    DrawLeg(rodent, 1);
    glPopMatrix();
    glPopMatrix();
}
