// Drawing a Rodent: scaled spheres with a cone nose, whiskers and ears, in a
// material chosen by its colour marks. No texture.
#include <GL/glut.h>

#include "figures/figure_gl.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"
#include "support/helpers.h"

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

// The fixed shapes, compiled once.
unsigned bodyList, headList, armList, legList, earsList, eyeWhiteList, noseConeList, noseTipList;

void BodyShape() {
    glPushMatrix();
    glScalef(0.7f, 1.5f, 1.0f);
    glutSolidSphere(0.025, 5, 5);
    glPopMatrix();
}
void HeadShape() { glutSolidSphere(0.025, 5, 5); }
void ArmShape() {
    glTranslatef(0.025f, 0, 0);
    glScalef(1.3f, 0.6f, 0.5f);
    glutSolidSphere(0.025, 6, 6);
}
void LegShape() {
    glTranslatef(0.025f, 0, 0);
    glScalef(0.6f, 1.3f, 0.5f);
    glutSolidSphere(0.025, 6, 6);
}
void EarsShape() {
    for (float x : {0.0225f, -0.0225f}) {
        glPushMatrix();
        glTranslatef(x, 0.0225f, 0);
        glScalef(1, 1, 0.3f);
        glutSolidSphere(0.02, 6, 4);
        glPopMatrix();
    }
}
void EyeWhiteShape() {
    glPushMatrix();
    glTranslatef(0.01f, 0.0075f, 0.0033333f);
    glScalef(0.01f, 0.0075f, 0.0033333f);
    glEnable(GL_NORMALIZE);
    glutSolidSphere(1, 3, 3);
    glDisable(GL_NORMALIZE);
    glPopMatrix();
}
void NoseConeShape() {
    GLUquadric* q = gluNewQuadric();
    glTranslatef(0, -0.0083333f, 0.02f);
    glRotatef(180, 0, 0, 1);
    gluCylinder(q, 0.0083333, 0, 0.0325, 4, 4);
    glRotatef(180, 0, 0, 1);
    glTranslatef(0, 0, 0.0325f);
    gluDeleteQuadric(q);
}
// Black tip, then white whiskers, three to a side.
void NoseTipShape() {
    GLUquadric* q = gluNewQuadric();
    Black();
    gluSphere(q, 0.0041667, 3, 3);
    gluDeleteQuadric(q);
    White();
    for (int side = 0; side < 2; ++side) {
        if (side == 1) glRotatef(180, 0, 1, 0);
        for (float turn : {0.0f, 0.75f, -0.75f}) {
            glPushMatrix();
            glRotatef(turn, 0, 0, 1);
            glTranslatef(-0.005f, 0, 0);
            DrawBox(-0.015f, -0.0005f, 0.0066667f);
            glPopMatrix();
        }
    }
}

float Side(const Rodent* r, int side, int f) { return r->field[f + side * kRodentSideFieldCount]; }

void DrawEye(const Rodent* r, int side, float cornerX) {
    const float* f = &r->field[side * kRodentSideFieldCount];
    float radius = f[kRodentEyeballRadius];
    glPushMatrix();
    glTranslatef(cornerX, -0.005625f, 0.025f);
    White();
    CallFixedList(eyeWhiteList, EyeWhiteShape);
    Black();
    glTranslatef(f[kRodentEyeballXcor], f[kRodentEyeballYcor], radius / 2 + 0.0066667f);
    glutSolidSphere(radius / 2, 2, 2);
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
    CallFixedList(headList, HeadShape);
    DrawEye(r, 1, -0.024f);
    DrawEye(r, 0, 0.004f);
    glPushMatrix();
    FurMaterial(r);
    CallFixedList(noseConeList, NoseConeShape);  // leaves the matrix at the tip
    CallFixedList(noseTipList, NoseTipShape);
    glPopMatrix();
    FurMaterial(r);
    CallFixedList(earsList, EarsShape);
    glPopMatrix();
}

void DrawArm(const Rodent* r, int side) {
    glPushMatrix();
    FurMaterial(r);
    glTranslatef(0, 0.025f, 0);
    glRotatef(Side(r, side, kRodentArmY), 0, 1, 0);
    glRotatef(Side(r, side, kRodentArmZ), 0, 0, 1);
    CallFixedList(armList, ArmShape);
    glPopMatrix();
}

void DrawLeg(const Rodent* r, int side) {
    glPushMatrix();
    FurMaterial(r);
    glTranslatef(-0.0075f, -0.0375f, 0);
    glRotatef(Side(r, side, kRodentLegX), 1, 0, 0);
    glRotatef(Side(r, side, kRodentLegZ), 0, 0, 1);
    CallFixedList(legList, LegShape);
    glPopMatrix();
}

}  // namespace

void DrawRodent(Rodent* rodent) {
    const float* f = rodent->field;
    glBindTexture(GL_TEXTURE_2D, 0);
    glPushMatrix();
    glTranslatef(f[kRodentBodyPosX], f[kRodentBodyPosY], f[kRodentBodyPosZ]);
    glRotatef(f[kRodentBodyAngleX], 1, 0, 0);
    glRotatef(f[kRodentBodyAngleY], 0, 1, 0);
    glRotatef(f[kRodentBodyAngleZ], 0, 0, 1);
    FurMaterial(rodent);
    CallFixedList(bodyList, BodyShape);
    DrawHead(rodent);
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
