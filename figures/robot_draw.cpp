// Drawing a Robot: a cube body on two treads whose textures run through
// frames by the tread counter, arms with claws, a bow tie, a face, a domed
// hat and a propeller carrying the two riders. The fixed shapes are display
// lists; everything the fields move is placed around them.
#include <GL/gl.h>

#include "figures/figure_gl.h"
#include "figures/figure_mesh.h"
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

// A square outline's four sides and back, for the body and head cubes.
void SquarePrismFaces(TriangleMesh& m, float x0, float y0, float side, float zFront, float zBack) {
    const float square[4][2] = {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}};
    const int all[4] = {0, 1, 2, 3};
    m.PrismSides(square, 4, 0, 4, zBack, zFront);
    m.PrismCap(square, all, 4, zBack, -1);
}

void BodyFrontShape(TriangleMesh& m) {
    const float h = kHalfBody;
    const float corner[4][3] = {{-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}};
    const float normal[3] = {0, 0, 1};
    const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    m.Quad(corner, normal, st);
}
void BodyOtherFacesShape(TriangleMesh& m) {
    SquarePrismFaces(m, -kHalfBody, -kHalfBody, 2 * kHalfBody, kHalfBody, -kHalfBody);
}

void BowKnotShape(TriangleMesh& m) { m.Sphere(0.0275f, 10, 10); }
void BowWedgesShape(TriangleMesh& m) {
    m.Wedge(0.055f, 0.0825f, 0.01375f);
    m.Rotate(180, 0, 0, 1);
    m.Wedge(0.055f, 0.0825f, 0.01375f);
}

// A box centred on the x axis.
void CentredBox(TriangleMesh& m, float w, float h, float d) {
    m.Translate(0, -h / 2, d / 2);
    m.Box(w, h, d);
}
void UpperArmShape(TriangleMesh& m) { CentredBox(m, 0.231f, 0.132f, 0.09075f); }
void ForearmShape(TriangleMesh& m) { CentredBox(m, 0.1617f, 0.0924f, 0.09075f); }

// Two jaws open toward +x around a notch; the back edge at x = 0 stays open.
const float kClawOutline[10][2] = {
    {0, 0.015708f},          {0.0502656f, 0.07854f}, {0.180642f, 0.07854f},  {0.180642f, 0.031416f},
    {0.090321f, 0.031416f},  {0.090321f, -0.031416f}, {0.180642f, -0.031416f}, {0.180642f, -0.07854f},
    {0.0502656f, -0.07854f}, {0, -0.015708f},
};
const int kClawPieces[4][4] = {{1, 2, 3, 4}, {8, 5, 6, 7}, {0, 1, 4, 5}, {0, 5, 8, 9}};
void ClawShape(TriangleMesh& m) {
    const float z = 0.0340312f;
    for (const auto& piece : kClawPieces) {
        m.PrismCap(kClawOutline, piece, 4, z, 1);
        m.PrismCap(kClawOutline, piece, 4, -z, -1);
    }
    m.PrismSides(kClawOutline, 10, 0, 9, -z, z);
}

// The tread's side outline as (z, y), rear to front along the top.
const float kTreadOutline[8][2] = {
    {-0.309375f, 0.0589286f}, {-0.103125f, 0.103125f},  {0.103125f, 0.103125f},   {0.309375f, 0.0589286f},
    {0.309375f, -0.0589286f}, {0.103125f, -0.103125f},  {-0.103125f, -0.103125f}, {-0.309375f, -0.0589286f},
};
const float kTreadWidth = 0.20625f;

// Both treads are fixed to the body and show the same frames: each list
// holds one kind of face of both, the second mirrored.
void BothTreads(TriangleMesh& m, void (*faces)(TriangleMesh&)) {
    for (int side = 0; side < 2; ++side) {
        m.Push();
        if (side == 1) m.Scale(-1, 1, 1);
        m.Translate(0.119625f, -0.20625f, 0);
        faces(m);
        m.Pop();
    }
}
// A side panel's corners: rear bottom, rear top, front top, front bottom; the
// texture's s runs from 1 at the rear to 0 at the front.
void TreadPanels(TriangleMesh& m, const int (&corners)[4]) {
    const float st[4][2] = {{1, 0}, {1, 1}, {0, 1}, {0, 0}};
    for (float x : {0.0f, kTreadWidth}) {
        const float normal[3] = {x == 0 ? -1.0f : 1.0f, 0, 0};
        float corner[4][3];
        for (int k = 0; k < 4; ++k) {
            const float* p = kTreadOutline[corners[k]];
            corner[k][0] = x, corner[k][1] = p[1], corner[k][2] = p[0];
        }
        m.Quad(corner, normal, st);
    }
}
void TreadMiddleShape(TriangleMesh& m) {
    BothTreads(m, [](TriangleMesh& t) { TreadPanels(t, {6, 1, 2, 5}); });
}
void TreadBackShape(TriangleMesh& m) {
    BothTreads(m, [](TriangleMesh& t) { TreadPanels(t, {7, 0, 1, 6}); });
}
void TreadFrontShape(TriangleMesh& m) {
    BothTreads(m, [](TriangleMesh& t) { TreadPanels(t, {5, 2, 3, 4}); });
}
void TreadBandShape(TriangleMesh& m) {
    BothTreads(m, [](TriangleMesh& t) {
        t.PrismSides(kTreadOutline, 8, 0, 8, 0, kTreadWidth, TriangleMesh::Axis::kX, true);
    });
}

// The head cube with a mouth opening in its front face.
const float kHeadSide = 0.275f;
void HeadShellShape(TriangleMesh& m) {
    const float s = kHeadSide;
    const float strips[4][4] = {// x0, y0, x1, y1 around the mouth
                                {0, 0, s, 0.055f},
                                {0, 0.11f, s, s},
                                {0, 0.055f, 0.06875f, 0.11f},
                                {0.20625f, 0.055f, s, 0.11f}};
    const float normal[3] = {0, 0, 1};
    for (const auto& q : strips) {
        const float corner[4][3] = {{q[0], q[1], 0}, {q[2], q[1], 0}, {q[2], q[3], 0}, {q[0], q[3], 0}};
        m.Quad(corner, normal);
    }
    SquarePrismFaces(m, 0, 0, s, 0, -s);
}
void TongueShape(TriangleMesh& m) {
    m.Translate(0.103125f, 0.0825f, -0.1375f);
    m.Box(0.06875f, 0.0275f, 0.0916667f);
}
// Where the hat sits on the head.
void ToHat(TriangleMesh& m) { m.Translate(0.1375f, 0.275f, -0.1375f); }
void HatDomeShape(TriangleMesh& m) {
    ToHat(m);
    m.Rotate(225, 0, 1, 0);
    m.Sphere(0.12375f, 10, 10, true);
}
void BladesShape(TriangleMesh& m) {
    m.Wedge(0.12375f, 0.2475f, 0.0176786f);
    m.Rotate(180, 0, 0, 1);
    m.Wedge(0.12375f, 0.2475f, 0.0176786f);
}

// Both eye plates, from the face's centre: the right one at -x, the left
// one its mirror.
const float kEyePlateOutline[5][2] = {{0, 0}, {0.0825f, 0}, {0.0825f, 0.06875f}, {0.04125f, 0.11f}, {0, 0.11f}};
void ToFace(TriangleMesh& m) { m.Translate(0.1375f, 0.1375f, 0); }
void EyePlatesShape(TriangleMesh& m) {
    ToFace(m);
    for (int side = 0; side < 2; ++side) {
        m.Push();
        if (side == 1) m.Scale(-1, 1, 1);
        m.Translate(-0.1045f, 0, 0);
        m.ConvexPrism(kEyePlateOutline, 5, 0, 0.0275f);
        m.Pop();
    }
}
void UnitBoxShape(TriangleMesh& m) { m.Box(1, 1, 1); }
void BrowShape(TriangleMesh& m) { m.Wedge(0.04125f, 0.0825f, 0.0275f); }

struct Lists {
    unsigned bodyFront, bodyOther, bowKnot, bowWedges, upperArm, forearm, claw;
    unsigned treadMiddle, treadBack, treadFront, treadBand;
    unsigned headShell, tongue, hatDome, blades, eyePlates, unitBox, brow;
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
    CallFixedList(lists.bowWedges, BowWedgesShape);
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

// Both treads at once: every face shows the frame of the tread counter.
void DrawTreads(const Robot* r) {
    int frame = RobotTreadPanelFrame(r) - 1;
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
}

void DrawPropeller(Robot* r) {
    Bind(0);
    glTranslatef(0.1375f, 0.275f + 0.1414286f, -0.1375f);  // above the hat's centre
    glRotatef(90, 1, 0, 0);
    glRotatef(r->field[kRobotPropeller], 0, 0, 1);
    for (int blade = 0; blade < 2; ++blade) {
        glPushMatrix();
        glRotatef(-90, 1, 0, 0);
        glTranslatef(0, 0, 0.12375f);
        glRotatef(90, 0, 1, 0);
        DrawRodent(r->rider[blade]);
        glPopMatrix();
        glRotatef(180, 0, 0, 1);
    }
    White();
    CallFixedList(lists.blades, BladesShape);
}

void DrawHat(Robot* r) {
    glPushMatrix();
    White();
    Bind(robotTextures[kRobotHatTexture]);
    CallFixedList(lists.hatDome, HatDomeShape);
    DrawPropeller(r);
    glPopMatrix();
}

// The eyeballs and brows the fields place on the plates; the left side is
// the right one mirrored.
void DrawEyeballAndBrow(const Robot* r, int side) {
    const float* f = &r->field[side * kRobotSideFieldCount];
    glPushMatrix();
    if (side == 0) glScalef(-1, 1, 1);
    glPushMatrix();
    SetFigureMaterial(1, 1, 0);
    glTranslatef(-0.1045f + f[kRobotEyeballXcor], f[kRobotEyeballYcor], 0.055f);
    glScalef(f[kRobotEyeballWidth], f[kRobotEyeballHeight], 0.0275f);
    CallFixedList(lists.unitBox, UnitBoxShape);
    glPopMatrix();
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
    SetFigureMaterial(1, 0, 0);
    CallFixedList(lists.eyePlates, EyePlatesShape);
    glPushMatrix();
    glTranslatef(0.1375f, 0.1375f, 0);
    DrawEyeballAndBrow(r, 1);
    DrawEyeballAndBrow(r, 0);
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
    // Everything the figure reaches, riders included, lies within this sphere.
    if (!SphereInView(f[kRobotBodyPosX], f[kRobotBodyPosY] + 0.3f, f[kRobotBodyPosZ], 1.0f)) {
        glEnable(GL_NORMALIZE);  // as the riders would have left it
        return;
    }
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
    DrawTreads(robot);
    DrawHead(robot);
    glPopMatrix();
}
