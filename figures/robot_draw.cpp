// Drawing a Robot: a cube body on two treads whose textures run through
// frames by the tread counter, arms with claws, a bow tie, a face, a domed
// hat and a propeller carrying the two riders. Every part, riders included,
// is placed on the CPU and held with the other figures' parts of its
// texture.
#include <GL/gl.h>

#include "figures/figure_gl.h"
#include "figures/figure_mesh.h"
#include "figures/figure_pool.h"
#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"
#include "support/helpers.h"

namespace {

// Shared by every Robot: a Robot that is not shaking is drawn by the last
// shaking one's offsets.
float shakeX, shakeY;

struct Rgb {
    float r, g, b;
};
const Rgb kDarkBlue{0.1f, 0.1f, 0.2f};
const Rgb kMagenta{1, 0, 1};
const Rgb kWhite{1, 1, 1};
const Rgb kRed{1, 0, 0};
const Rgb kYellow{1, 1, 0};
const Rgb kGreen{0, 1, 0};
const Rgb kPink{1.0f, 0.7f, 0.7f};

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
    m.AddInsideFaces();  // seen through the mouth
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

// The parts' shapes, built once.
struct Shapes {
    TriangleMesh *bodyFront, *treadMiddle, *treadBack, *treadFront, *treadBand, *hatDome;
    TriangleMesh *bodyOther, *bowKnot, *bowWedges, *upperArm, *forearm, *claw;
    TriangleMesh *headShell, *tongue, *blades, *eyePlates, *unitBox, *brow;
} shapes;

// One figure being put together in eye coordinates (in its own frame when it
// goes out on its own or the near plane may cut it): the matrix of each part composed here, the
// parts held with every other figure's, one batch per texture, every
// texture shown alone (decal). Every part is closed or carries its inside
// faces (the head, seen through the mouth): the faces turned away are
// culled.
struct Build {
    Placement at;
    PixelView view;
    float normalLength;  // unit normals once the modelview they are sent at has turned them
};

FigureBatch& Batch(Build& d, unsigned texture) { return HeldBatch({texture, GL_DECAL, true, true}, d.view); }

void Add(Build& d, TriangleMesh*& slot, void (*build)(TriangleMesh&), const Rgb& c, unsigned texture = 0) {
    const float rgba[4] = {c.r, c.g, c.b, 1};
    Batch(d, texture).Append(CachedShape(slot, build), d.at, rgba, d.normalLength);
}

float Side(const Robot* r, int side, int f) { return r->field[f + side * kRobotSideFieldCount]; }

void RotateXyz(Placement& at, const float* angle) {
    at.Rotate(angle[0], 1, 0, 0);
    at.Rotate(angle[1], 0, 1, 0);
    at.Rotate(angle[2], 0, 0, 1);
}

void AddBowtie(Build& d, const Robot* r) {
    d.at.Push();
    d.at.Translate(0, 0.18975f, 0.20625f + 0.0275f);
    Add(d, shapes.bowKnot, BowKnotShape, kMagenta);
    d.at.Rotate(r->field[kRobotBowtie], 0, 0, 1);
    Add(d, shapes.bowWedges, BowWedgesShape, kMagenta);
    d.at.Pop();
}

void AddArm(Build& d, const Robot* r, int side) {
    d.at.Push();
    if (side == 1) d.at.Scale(-1, 1, 1);
    d.at.Translate(0.165f, 0.12375f, 0);
    d.at.Rotate(Side(r, side, kRobotBackarmY), 0, 1, 0);
    d.at.Rotate(Side(r, side, kRobotBackarmZ), 0, 0, 1);
    Add(d, shapes.upperArm, UpperArmShape, kDarkBlue);
    d.at.Translate(0.2079f, 0, 0);
    d.at.Rotate(Side(r, side, kRobotForearmY), 0, 1, 0);
    d.at.Rotate(Side(r, side, kRobotForearmZ), 0, 0, 1);
    Add(d, shapes.forearm, ForearmShape, kDarkBlue);
    d.at.Translate(0.1617f, 0, 0);
    RotateXyz(d.at, &r->field[side * kRobotSideFieldCount + kRobotClawX]);
    Add(d, shapes.claw, ClawShape, kDarkBlue);
    d.at.Pop();
}

// The textures of both treads: every face shows the frame of the tread
// counter.
struct TreadTextures {
    unsigned middle, back, front, band;
};
TreadTextures TreadFrames(const Robot* r) {
    int frame = RobotTreadPanelFrame(r) - 1;
    return {robotTextures[kRobotHamsterTextures + frame], robotTextures[kRobotRightSquishTextures + frame],
            robotTextures[kRobotLeftSquishTextures + frame],
            robotTextures[kRobotBandTextures + RobotTreadBandFrame(r) - 1]};
}

void AddTreads(Build& d, const Robot* r) {
    TreadTextures t = TreadFrames(r);
    Add(d, shapes.treadMiddle, TreadMiddleShape, kWhite, t.middle);
    Add(d, shapes.treadBack, TreadBackShape, kWhite, t.back);
    Add(d, shapes.treadFront, TreadFrontShape, kWhite, t.front);
    Add(d, shapes.treadBand, TreadBandShape, kWhite, t.band);
}

// The textured parts go out before the others, as when each part went out
// in the order drawn: in the army scene the Robot is blended, and there the
// order shows.
void AskForBatchesInOrder(Build& d, const Robot* r) {
    TreadTextures t = TreadFrames(r);
    for (unsigned texture : {robotTextures[kRobotFrontPanelTexture], t.middle, t.back, t.front, t.band,
                             robotTextures[kRobotHatTexture], 0u})
        Batch(d, texture);
}

// The propeller turns over the hat's centre; each rider sits upright half-way
// out along its blade, turned a quarter about its vertical.
void AddPropeller(Build& d, Robot* r) {
    d.at.Push();
    d.at.Translate(0.1375f, 0.275f + 0.1414286f, -0.1375f);
    d.at.Rotate(90, 1, 0, 0);
    d.at.Rotate(r->field[kRobotPropeller], 0, 0, 1);
    for (int blade = 0; blade < 2; ++blade) {
        d.at.Push();
        d.at.Rotate(-90, 1, 0, 0);
        d.at.Translate(0, 0, 0.12375f);
        d.at.Rotate(90, 0, 1, 0);
        AddRodentToBatch(Batch(d, 0), d.at, d.normalLength, r->rider[blade]);
        d.at.Pop();
        d.at.Rotate(180, 0, 0, 1);
    }
    Add(d, shapes.blades, BladesShape, kWhite);
    d.at.Pop();
}

// The eyeballs and brows the fields place on the plates; the left side is
// the right one mirrored.
void AddEyeballAndBrow(Build& d, const Robot* r, int side) {
    const float* f = &r->field[side * kRobotSideFieldCount];
    d.at.Push();
    if (side == 0) d.at.Scale(-1, 1, 1);
    d.at.Push();
    d.at.Translate(-0.1045f + f[kRobotEyeballXcor], f[kRobotEyeballYcor], 0.055f);
    d.at.Scale(f[kRobotEyeballWidth], f[kRobotEyeballHeight], 0.0275f);
    Add(d, shapes.unitBox, UnitBoxShape, kYellow);
    d.at.Pop();
    d.at.Translate(-f[kRobotEyebrowXloc], f[kRobotEyebrowYloc], 0);
    d.at.Rotate(f[kRobotEyebrowOrientation], 0, 0, 1);
    Add(d, shapes.brow, BrowShape, kGreen);
    d.at.Pop();
}

void AddHead(Build& d, Robot* r) {
    const float* f = r->field;
    d.at.Push();
    d.at.Translate(shakeX + f[kRobotHeadPosX], shakeY + f[kRobotHeadPosY], f[kRobotHeadPosZ]);
    RotateXyz(d.at, &f[kRobotHeadAngleX]);
    Add(d, shapes.headShell, HeadShellShape, kDarkBlue);
    Add(d, shapes.hatDome, HatDomeShape, kWhite, robotTextures[kRobotHatTexture]);
    AddPropeller(d, r);
    Add(d, shapes.tongue, TongueShape, kPink);
    Add(d, shapes.eyePlates, EyePlatesShape, kRed);
    d.at.Translate(0.1375f, 0.1375f, 0);  // the face's centre
    AddEyeballAndBrow(d, r, 1);
    AddEyeballAndBrow(d, r, 0);
    d.at.Pop();
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
    glEnable(GL_NORMALIZE);  // as the riders leave it
    // Everything the figure reaches, riders included, lies within this sphere.
    const float bound[4] = {f[kRobotBodyPosX], f[kRobotBodyPosY] + 0.3f, f[kRobotBodyPosZ], 1.0f};
    if (SphereInView(bound[0], bound[1], bound[2], bound[3])) {
        FigureFrame frame = StartFigure(bound[0], bound[1], bound[2], bound[3]);
        Build d{frame.at, frame.view, frame.normalLength};
        AskForBatchesInOrder(d, robot);
        d.at.Translate(shakeX + f[kRobotBodyPosX], shakeY + f[kRobotBodyPosY], shakeX + f[kRobotBodyPosZ]);
        RotateXyz(d.at, &f[kRobotBodyAngleX]);
        Add(d, shapes.bodyFront, BodyFrontShape, kDarkBlue, robotTextures[kRobotFrontPanelTexture]);
        Add(d, shapes.bodyOther, BodyOtherFacesShape, kDarkBlue);
        AddBowtie(d, robot);
        AddArm(d, robot, 0);
        AddArm(d, robot, 1);
        AddTreads(d, robot);
        AddHead(d, robot);
        FigureDrawn();
    }
    glDisable(GL_CULL_FACE);  // as drawing the figure on its own left it
    glBindTexture(GL_TEXTURE_2D, 0);
}
