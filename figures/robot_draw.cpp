// Drawing a Robot: a cube body on two treads whose textures run through
// frames by the tread counter, arms with claws, a bow tie, a face, a domed
// hat and a propeller carrying the two riders. The fixed shapes are display
// lists; everything the fields move is placed around them.
#include <GL/glut.h>

#include "figures/figure_gl.h"
#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "support/helpers.h"

namespace {

// Shared by every Robot: a Robot that is not shaking is drawn by the last
// shaking one's offsets.
float shakeX, shakeY;

void DarkBlue() { SetFigureMaterial(0.1f, 0.1f, 0.2f); }
void White() { SetFigureMaterial(1, 1, 1); }
void Bind(unsigned texture) { glBindTexture(GL_TEXTURE_2D, texture); }

const float kHalfBody = 0.20625f;

// A square outline, for the body and head cubes' plain faces.
void SquarePrismFaces(float x0, float y0, float side, float zFront, float zBack) {
    const float square[4][2] = {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}};
    const int all[4] = {0, 1, 2, 3};
    DrawPrismSides(square, 4, 0, 4, zBack, zFront, PrismAxis::kZ, false);
    DrawPrismCap(square, all, 4, zBack, -1, PrismAxis::kZ);
}

void BodyFrontShape() {
    const float h = kHalfBody;
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 0);
    glVertex3f(-h, -h, h);
    glTexCoord2f(1, 0);
    glVertex3f(h, -h, h);
    glTexCoord2f(1, 1);
    glVertex3f(h, h, h);
    glTexCoord2f(0, 1);
    glVertex3f(-h, h, h);
    glEnd();
}
void BodyOtherFacesShape() { SquarePrismFaces(-kHalfBody, -kHalfBody, 2 * kHalfBody, kHalfBody, -kHalfBody); }

void BowKnotShape() { glutSolidSphere(0.0275, 10, 10); }
void BowWedgeShape() { DrawWedge(0.055f, 0.0825f, 0.01375f); }

// A box centred on the x axis.
void CentredBox(float w, float h, float d) {
    glPushMatrix();
    glTranslatef(0, -h / 2, d / 2);
    DrawBox(w, h, d);
    glPopMatrix();
}
void UpperArmShape() { CentredBox(0.231f, 0.132f, 0.09075f); }
void ForearmShape() { CentredBox(0.1617f, 0.0924f, 0.09075f); }

// Two jaws open toward +x around a notch; the back edge at x = 0 stays open.
const float kClawOutline[10][2] = {
    {0, 0.015708f},          {0.0502656f, 0.07854f}, {0.180642f, 0.07854f},  {0.180642f, 0.031416f},
    {0.090321f, 0.031416f},  {0.090321f, -0.031416f}, {0.180642f, -0.031416f}, {0.180642f, -0.07854f},
    {0.0502656f, -0.07854f}, {0, -0.015708f},
};
const int kClawPieces[4][4] = {{1, 2, 3, 4}, {8, 5, 6, 7}, {0, 1, 4, 5}, {0, 5, 8, 9}};
void ClawShape() {
    const float z = 0.0340312f;
    for (const auto& piece : kClawPieces) {
        DrawPrismCap(kClawOutline, piece, 4, z, 1, PrismAxis::kZ);
        DrawPrismCap(kClawOutline, piece, 4, -z, -1, PrismAxis::kZ);
    }
    DrawPrismSides(kClawOutline, 10, 0, 9, -z, z, PrismAxis::kZ, false);
}

// The tread's side outline as (z, y), rear to front along the top.
const float kTreadOutline[8][2] = {
    {-0.309375f, 0.0589286f}, {-0.103125f, 0.103125f},  {0.103125f, 0.103125f},   {0.309375f, 0.0589286f},
    {0.309375f, -0.0589286f}, {0.103125f, -0.103125f},  {-0.103125f, -0.103125f}, {-0.309375f, -0.0589286f},
};
const float kTreadWidth = 0.20625f;
// A side panel's corners: rear bottom, rear top, front top, front bottom; the
// texture's s runs from 1 at the rear to 0 at the front.
struct TreadPanel {
    int corner[4];
};
const TreadPanel kMiddlePanel{{6, 1, 2, 5}};
const TreadPanel kBackPanel{{7, 0, 1, 6}};
const TreadPanel kFrontPanel{{5, 2, 3, 4}};

void TreadPanelShape(const TreadPanel& panel) {
    const float st[4][2] = {{1, 0}, {1, 1}, {0, 1}, {0, 0}};
    glBegin(GL_QUADS);
    for (float x : {0.0f, kTreadWidth}) {
        glNormal3f(x == 0 ? -1.0f : 1.0f, 0, 0);
        for (int k = 0; k < 4; ++k) {
            const float* p = kTreadOutline[panel.corner[k]];
            glTexCoord2fv(st[k]);
            glVertex3f(x, p[1], p[0]);
        }
    }
    glEnd();
}
void TreadMiddleShape() { TreadPanelShape(kMiddlePanel); }
void TreadBackShape() { TreadPanelShape(kBackPanel); }
void TreadFrontShape() { TreadPanelShape(kFrontPanel); }
void TreadBandShape() { DrawPrismSides(kTreadOutline, 8, 0, 8, 0, kTreadWidth, PrismAxis::kX, true); }

// The head cube with a mouth opening in its front face.
const float kHeadSide = 0.275f;
void HeadShellShape() {
    const float s = kHeadSide;
    const float strips[4][4] = {// x0, y0, x1, y1 around the mouth
                                {0, 0, s, 0.055f},
                                {0, 0.11f, s, s},
                                {0, 0.055f, 0.06875f, 0.11f},
                                {0.20625f, 0.055f, s, 0.11f}};
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    for (const auto& q : strips) {
        glVertex3f(q[0], q[1], 0);
        glVertex3f(q[2], q[1], 0);
        glVertex3f(q[2], q[3], 0);
        glVertex3f(q[0], q[3], 0);
    }
    glEnd();
    SquarePrismFaces(0, 0, s, 0, -s);
}
void TongueShape() {
    glPushMatrix();
    glTranslatef(0.103125f, 0.0825f, -0.1375f);
    DrawBox(0.06875f, 0.0275f, 0.0916667f);
    glPopMatrix();
}
void HatDomeShape() {
    GLUquadric* q = gluNewQuadric();
    gluQuadricTexture(q, GL_TRUE);
    glRotatef(225, 0, 1, 0);
    gluSphere(q, 0.12375, 10, 10);
    glRotatef(-225, 0, 1, 0);
    gluDeleteQuadric(q);
}
void BladeShape() { DrawWedge(0.12375f, 0.2475f, 0.0176786f); }

const float kEyePlateOutline[5][2] = {{0, 0}, {0.0825f, 0}, {0.0825f, 0.06875f}, {0.04125f, 0.11f}, {0, 0.11f}};
void EyePlateShape() { DrawConvexPrism(kEyePlateOutline, 5, 0, 0.0275f); }
void BrowShape() { DrawWedge(0.04125f, 0.0825f, 0.0275f); }

struct Lists {
    unsigned bodyFront, bodyOther, bowKnot, bowWedge, upperArm, forearm, claw;
    unsigned treadMiddle, treadBack, treadFront, treadBand;
    unsigned headShell, tongue, hatDome, blade, eyePlate, brow;
} lists;

float Side(const Robot* r, int side, int f) { return r->field[f + side * kRobotSideFieldCount]; }

void RotateXyz(const float* angle) {
    glRotatef(angle[0], 1, 0, 0);
    glRotatef(angle[1], 0, 1, 0);
    glRotatef(angle[2], 0, 0, 1);
}

void DrawBowtie(const Robot* r) {
    glPushMatrix();
    glTranslatef(0, 0.18975f, 0.20625f);
    SetFigureMaterial(1, 0, 1);
    glTranslatef(0, 0, 0.0275f);
    CallFixedList(lists.bowKnot, BowKnotShape);
    glRotatef(r->field[kRobotBowtie], 0, 0, 1);
    CallFixedList(lists.bowWedge, BowWedgeShape);
    glRotatef(180, 0, 0, 1);
    CallFixedList(lists.bowWedge, BowWedgeShape);
    glPopMatrix();
}

void DrawArm(const Robot* r, int side) {
    glPushMatrix();
    if (side == 1) glScalef(-1, 1, 1);
    DarkBlue();
    glTranslatef(0.165f, 0.12375f, 0);
    glRotatef(Side(r, side, kRobotBackarmY), 0, 1, 0);
    glRotatef(Side(r, side, kRobotBackarmZ), 0, 0, 1);
    CallFixedList(lists.upperArm, UpperArmShape);
    glTranslatef(0.2079f, 0, 0);
    glRotatef(Side(r, side, kRobotForearmY), 0, 1, 0);
    glRotatef(Side(r, side, kRobotForearmZ), 0, 0, 1);
    CallFixedList(lists.forearm, ForearmShape);
    glTranslatef(0.1617f, 0, 0);
    RotateXyz(&r->field[side * kRobotSideFieldCount + kRobotClawX]);
    CallFixedList(lists.claw, ClawShape);
    glPopMatrix();
}

void DrawTread(const Robot* r, int side) {
    int frame = RobotTreadPanelFrame(r) - 1;
    glPushMatrix();
    if (side == 1) glScalef(-1, 1, 1);
    glTranslatef(0.119625f, -0.20625f, 0);
    White();
    Bind(robotTextures[kRobotHamsterTextures + frame]);
    CallFixedList(lists.treadMiddle, TreadMiddleShape);
    Bind(robotTextures[kRobotRightSquishTextures + frame]);
    CallFixedList(lists.treadBack, TreadBackShape);
    Bind(robotTextures[kRobotLeftSquishTextures + frame]);
    CallFixedList(lists.treadFront, TreadFrontShape);
    Bind(robotTextures[kRobotBandTextures + RobotTreadBandFrame(r) - 1]);
    CallFixedList(lists.treadBand, TreadBandShape);
    Bind(0);
    glPopMatrix();
}

void DrawPropeller(Robot* r) {
    Bind(0);
    glTranslatef(0, 0.1414286f, 0);
    glRotatef(90, 1, 0, 0);
    glRotatef(r->field[kRobotPropeller], 0, 0, 1);
    for (int blade = 0; blade < 2; ++blade) {
        glPushMatrix();
        glRotatef(-90, 1, 0, 0);
        glTranslatef(0, 0, 0.12375f);
        glRotatef(90, 0, 1, 0);
        DrawRodent(r->rider[blade]);
        glPopMatrix();
        White();
        CallFixedList(lists.blade, BladeShape);
        glRotatef(180, 0, 0, 1);
    }
}

void DrawHat(Robot* r) {
    glPushMatrix();
    glTranslatef(0.1375f, 0.275f, -0.1375f);
    White();
    Bind(robotTextures[kRobotHatTexture]);
    CallFixedList(lists.hatDome, HatDomeShape);
    DrawPropeller(r);
    glPopMatrix();
}

// One eye and its brow; the left side is the right one mirrored.
void DrawEyeAndBrow(const Robot* r, int side) {
    const float* f = &r->field[side * kRobotSideFieldCount];
    glPushMatrix();
    if (side == 0) glScalef(-1, 1, 1);
    glTranslatef(-0.1045f, 0, 0);
    SetFigureMaterial(1, 0, 0);
    CallFixedList(lists.eyePlate, EyePlateShape);
    SetFigureMaterial(1, 1, 0);
    glTranslatef(f[kRobotEyeballXcor], f[kRobotEyeballYcor], 0.055f);
    DrawBox(f[kRobotEyeballWidth], f[kRobotEyeballHeight], 0.0275f);
    glPopMatrix();
    glPushMatrix();
    if (side == 0) glScalef(-1, 1, 1);
    SetFigureMaterial(0, 1, 0);
    glTranslatef(-f[kRobotEyebrowXloc], f[kRobotEyebrowYloc], 0);
    glRotatef(f[kRobotEyebrowOrientation], 0, 0, 1);
    CallFixedList(lists.brow, BrowShape);
    glPopMatrix();
}

void DrawHead(Robot* r) {
    const float* f = r->field;
    glPushMatrix();
    glTranslatef(shakeX + f[kRobotHeadPosX], shakeY + f[kRobotHeadPosY], f[kRobotHeadPosZ]);
    RotateXyz(&f[kRobotHeadAngleX]);
    DarkBlue();
    CallFixedList(lists.headShell, HeadShellShape);
    DrawHat(r);
    SetFigureMaterial(1.0f, 0.7f, 0.7f);
    CallFixedList(lists.tongue, TongueShape);
    glPushMatrix();
    glTranslatef(0.1375f, 0.1375f, 0);
    DrawEyeAndBrow(r, 1);
    DrawEyeAndBrow(r, 0);
    glPopMatrix();
    glPopMatrix();
}

}  // namespace

void GetRobotShakeOffsets(float* jx, float* jy) {
    *jx = shakeX;
    *jy = shakeY;
}

void ResetRobotShakeOffsets() { shakeX = shakeY = 0; }

int RobotTreadPanelFrame(const Robot* robot) {
    float c = float(robot->treadCounter), r = robot->treadRate;
    return c < 5 * r ? 1 : c < 10 * r ? 2 : c < 15 * r ? 3 : 4;
}

int RobotTreadBandFrame(const Robot* robot) { return (RobotTreadPanelFrame(robot) - 1) % 2 + 1; }

void DrawRobot(Robot* robot) {
    const float* f = robot->field;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    if (robot->shake) {
        shakeY = float(RandomInRange(-0.01, 0.01));
        shakeX = float(RandomInRange(-0.01, 0.01));
    }
    Bind(0);
    glPushMatrix();
    glTranslatef(shakeX + f[kRobotBodyPosX], shakeY + f[kRobotBodyPosY], shakeX + f[kRobotBodyPosZ]);
    RotateXyz(&f[kRobotBodyAngleX]);
    DarkBlue();
    Bind(robotTextures[kRobotFrontPanelTexture]);
    CallFixedList(lists.bodyFront, BodyFrontShape);
    Bind(0);
    CallFixedList(lists.bodyOther, BodyOtherFacesShape);
    DrawBowtie(robot);
    DrawArm(robot, 0);
    DrawArm(robot, 1);
    DrawTread(robot, 0);
    DrawTread(robot, 1);
    DrawHead(robot);
    glPopMatrix();
}
