// Drawing a Bunny from its pose fields. The owner sets up the view, lights and
// the figure's place, then calls DrawBunny and DrawBunnyEmitters.
#include <GL/glut.h>

#include <algorithm>
#include <cmath>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_draw_parts.h"
#include "figures/figure_gl.h"
#include "figures/bunny_record.h"
#include "support/helpers.h"

namespace {
const float kThird = 1.0f / 30.0f;
const float kSixtieth = 1.0f / 60.0f;

const float kWhite[4] = {1, 1, 1, 1};
const float kBlack[4] = {0, 0, 0, 1};
const float kEyebrow[4] = {0, 1, 0, 0};
const float kFaceMark[4] = {0.3f, 0.3f, 0.6f, 1};
const float kLens[4] = {0.6f, 0.4f, 1.0f, 0.4f};
const float kFrame[4] = {0.2f, 0.2f, 0.2f, 1};

float Side(const Bunny* b, int side, int f) { return b->field[f + side * kBunnySideFieldCount]; }
const float* Fur(const Bunny* b) { return &b->field[kFurR]; }
const float* Clothing(const Bunny* b) { return &b->field[kClothingR]; }
// Outfits 4 and 5 have none of their own: name 0 draws them untextured.
unsigned SuitTexture(const Bunny* b) { return GetBunnyTextures().suit[b->outfit]; }
unsigned VerticalTexture(const Bunny* b) { return GetBunnyTextures().vertical[b->outfit]; }
unsigned HorizontalTexture(const Bunny* b) { return GetBunnyTextures().horizontal[b->outfit]; }

// The body: a pyramid pointing down, its corners below; the front face
// carries the suit, the others the vertical cloth.
const float kBodyCorner[4][3] = {
    {0, -0.1875f, 0.05f}, {0, 0.1875f, -0.2f}, {-0.175f, 0.1875f, 0.175f}, {0.175f, 0.1875f, 0.175f}};
struct BodyFace {
    bool suit;
    int normalFrom[3];  // corners the normal is worked out from; -1: straight up
    int corner[3];
    float st[3][2];
};
const BodyFace kBodyFaces[4] = {
    {true, {3, 2, 0}, {2, 0, 3}, {{0, 1}, {0.5f, 0}, {1, 1}}},
    {false, {3, 0, 1}, {0, 3, 1}, {{0.5f, 0}, {0, 1}, {1, 1}}},
    {false, {-1}, {3, 1, 2}, {{0, 1}, {0.5f, 0}, {1, 1}}},
    {false, {2, 1, 0}, {1, 2, 0}, {{0, 1}, {1, 1}, {0.5f, 0}}},
};

void DrawBunnyBody(const Bunny* b) {
    SetBunnyMaterial(Clothing(b));
    for (const BodyFace& face : kBodyFaces) {
        glBindTexture(GL_TEXTURE_2D, face.suit ? SuitTexture(b) : VerticalTexture(b));
        float n[3] = {0, 1, 0};
        const int* from = face.normalFrom;
        if (from[0] >= 0) ComputeTriangleNormal(kBodyCorner[from[0]], kBodyCorner[from[1]], kBodyCorner[from[2]], n);
        glBegin(GL_TRIANGLES);
        glNormal3fv(n);
        for (int k = 0; k < 3; ++k) {
            glTexCoord2fv(face.st[k]);
            glVertex3fv(kBodyCorner[face.corner[k]]);
        }
        glEnd();
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

// Straight up from the body origin to wherever the head is.
void DrawBunnyNeck(const Bunny* b) {
    const float* h = &b->field[kHeadPosX];
    double length = std::sqrt(double(h[0]) * h[0] + double(h[1]) * h[1] + double(h[2]) * h[2]);
    SetBunnyMaterial(Fur(b));
    glPushMatrix();
    glRotatef(-90, 1, 0, 0);
    gluCylinder(b->quadric, 0.025, 0.025, length, 4, 4);
    glPopMatrix();
}

// A sphere under a non-uniform scale needs its normals renormalised.
void DrawScaledPart(float sx, float sy, float sz, int part) {
    glPushMatrix();
    glEnable(GL_NORMALIZE);
    glScalef(sx, sy, sz);
    CallBunnyPart(part);
    glDisable(GL_NORMALIZE);
    glPopMatrix();
}

// Eye origins, the right eye first (it is drawn first).
const float kEyeOrigin[2][3] = {{-0.12f, -0.09166667f, 0.25f}, {0.02f, -0.09166667f, 0.25f}};
const int kEyeSides[2] = {1, 0};

// The left brow is the right one mirrored about its eye, 0.1 to the left.
void DrawEyebrow(const Bunny* b, int side) {
    float mirror = side == 1 ? 1.0f : -1.0f;
    SetBunnyMaterial(kEyebrow);
    if (side == 0) glTranslatef(0.1f, 0, 0);
    glRotatef(mirror * Side(b, side, kEyebrowAngle), 0, 0, 1);
    glTranslatef(mirror * -0.009166666f, 0.28416666f, kThird);
    glRotatef(mirror * Side(b, side, kEyebrowOrientation), 0, 0, 1);
    DrawBox(mirror * 0.13f, 0.025f, kThird);
}

void DrawBunnyEyes(const Bunny* b) {
    for (int k = 0; k < 2; ++k) {
        int side = kEyeSides[k];
        float radius = Side(b, side, kEyeballRadius);
        glPushMatrix();
        glTranslatef(kEyeOrigin[k][0], kEyeOrigin[k][1], kEyeOrigin[k][2]);
        SetBunnyMaterial(kWhite);
        glPushMatrix();
        glTranslatef(0.05f, 0.1375f, kSixtieth);
        DrawScaledPart(0.05f, 0.1375f, kSixtieth, kEyeWhitePart);
        glPopMatrix();
        SetBunnyMaterial(kBlack);
        glPushMatrix();
        glTranslatef(Side(b, side, kEyeballXcor), Side(b, side, kEyeballYcor), radius / 2 + kThird);
        glutSolidSphere(radius / 2, 6, 6);
        glPopMatrix();
        DrawEyebrow(b, side);
        glPopMatrix();
    }
}

void DrawBunnyWhiskers() {
    static const float kTurns[3] = {0, 7.5f, -7.5f};
    SetBunnyMaterial(kWhite);
    for (int set = 0; set < 2; ++set) {
        glPushMatrix();
        glTranslatef(0, -0.13f, 0.2125f);
        if (set == 1) glRotatef(180, 0, 1, 0);
        for (float turn : kTurns) {
            glPushMatrix();
            glRotatef(turn, 0, 0, 1);
            glTranslatef(-0.05f, 0, 0);
            DrawBox(-0.15f, -0.005f, kThird);
            glPopMatrix();
        }
        glPopMatrix();
    }
}

void DrawBunnyFaceMark() {
    SetBunnyMaterial(kFaceMark);
    glNormal3f(0, 0, -1);
    glPushMatrix();
    glTranslatef(0, -0.104f, 0.25f);
    glBegin(GL_TRIANGLES);
    glVertex3f(-0.2f, -0.14f, 0), glVertex3f(0, -0.084f, 0), glVertex3f(0, 0, 0);
    glVertex3f(0, -0.084f, 0), glVertex3f(0.2f, -0.14f, 0), glVertex3f(0, 0, 0);
    glEnd();
    glPopMatrix();
}

// One ear: eight segments 0.1 long, each curled about x by its share of the
// bend before it is drawn. Half-widths at the segment's foot and tip.
struct EarSegment {
    float curl;  // times the bend
    float foot, tip;
};
const EarSegment kEarSegments[8] = {
    {0.05f, 0, 0.025f},      {0.2f, 0.025f, 0.05f},   {0.2f, 0.05f, 0.0625f},
    {0.2f, 0.0625f, 0.075f}, {0.2f, 0.075f, 0.075f},  {0.2f, 0.075f, 0.0625f},
    {0.2f, 0.0625f, 0.0375f}, {0.05f, 0.0375f, 0},
};

void DrawBunnyEar(const Bunny* b, int side) {
    float bend = Side(b, side, kEarBend);
    glNormal3f(0, 0, 1);
    for (int s = 0; s < 8; ++s) {
        const EarSegment& seg = kEarSegments[s];
        if (s > 0) glTranslatef(0, 0.1f, 0);
        glRotatef(seg.curl * bend, 1, 0, 0);
        // A zero half-width end is a point: the quad becomes the triangle.
        glBegin(GL_POLYGON);
        if (seg.foot > 0) glVertex3f(-seg.foot, 0, 0), glVertex3f(seg.foot, 0, 0);
        else glVertex3f(0, 0, 0);
        if (seg.tip > 0) glVertex3f(seg.tip, 0.1f, 0), glVertex3f(-seg.tip, 0.1f, 0);
        else glVertex3f(0, 0.1f, 0);
        glEnd();
    }
}

// The fronts keep whatever front material came last; the backs show the
// ear-back colour.
void DrawBunnyEars(const Bunny* b) {
    glMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, &b->field[kEarBackR]);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    for (int side = 0; side < 2; ++side) {
        float mirror = side == 0 ? 1.0f : -1.0f;
        glPushMatrix();
        glTranslatef(mirror * 0.05f, 0.05f, 0);
        glRotatef(mirror * -10, 0, 0, 1);
        glRotatef(mirror * Side(b, side, kEarRotate), 0, 1, 0);
        DrawBunnyEar(b, side);
        glPopMatrix();
    }
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
}

void DrawBunnyTeeth() {
    static const float kTooth[2][3] = {{-0.03857143f, -0.275f, 0.1625f}, {0.0028571428f, -0.275f, 0.1625f}};
    SetBunnyMaterial(kWhite);
    for (const float* at : kTooth) {
        glPushMatrix();
        glTranslatef(at[0], at[1], at[2]);
        DrawBox(0.035714287f, 0.075f, kThird);
        glPopMatrix();
    }
}

void SetLensBlending(bool on) {
    glDepthMask(on ? GL_FALSE : GL_TRUE);
    if (on) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
}

// A lens over each pupil; the right lens carries the bridge and keeps
// blending on through its temple.
void DrawBunnyGlasses(const Bunny* b) {
    for (int k = 0; k < 2; ++k) {
        int side = kEyeSides[k];
        bool right = side == 1;
        float radius = Side(b, side, kEyeballRadius);
        float rim = 1.1f * radius;
        glPushMatrix();
        glTranslatef(kEyeOrigin[k][0], kEyeOrigin[k][1], kEyeOrigin[k][2]);
        glTranslatef(Side(b, side, kEyeballXcor), Side(b, side, kEyeballYcor), radius / 2 + kThird);
        glBindTexture(GL_TEXTURE_2D, GetBunnyTextures().lens);
        glPushMatrix();
        glTranslatef(0, -0.02f, radius / 2);
        SetBunnyMaterial(kLens);
        SetLensBlending(true);
        gluDisk(b->quadric, 0, rim, 10, 4);
        if (right) {
            glBegin(GL_LINES);
            glVertex3f(rim, 0, 0), glVertex3f(rim + 0.01f, 0, 0);
            glEnd();
        } else {
            SetLensBlending(false);
        }
        float out = right ? -1.0f : 1.0f;  // toward this lens's outer rim
        glTranslatef(out * rim, 0, 0);
        SetBunnyMaterial(kFrame);
        glBegin(GL_LINE_STRIP);
        glVertex3f(0, 0, 0), glVertex3f(out * 0.05f, 0.03f, -0.1f), glVertex3f(out * 0.055f, -0.01f, -0.12f);
        glEnd();
        if (right) SetLensBlending(false);
        glBindTexture(GL_TEXTURE_2D, 0);
        glPopMatrix();
        glPopMatrix();
    }
}

void DrawBunnyHead(const Bunny* b) {
    SetBunnyMaterial(Fur(b));
    CallBunnyPart(kHeadPart);
    gluQuadricTexture(b->quadric, GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, 0);
    DrawBunnyEyes(b);
    if (b->whiskers) DrawBunnyWhiskers();
    if (b->faceMark) DrawBunnyFaceMark();
    DrawBunnyEars(b);
    DrawBunnyTeeth();
    if (b->glasses) DrawBunnyGlasses(b);
}

// The gun grows from nothing in the hand: at scale 0 it covers no pixel, so
// it is not drawn at all.
void DrawBunnyGun(const Bunny* b, int side) {
    float scale = b->field[kGunScale + side];
    if (scale == 0) return;
    glScalef(scale, scale, scale);
    CallBunnyPart(kGunPart);
}

void RotateYZ(const Bunny* b, int side, int fx) {
    glRotatef(Side(b, side, fx + 1), 0, 1, 0);
    glRotatef(Side(b, side, fx + 2), 0, 0, 1);
}


void DrawBunnyArm(const Bunny* b, int side) {
    float backarm = Side(b, side, kBackarmDim), forearm = Side(b, side, kForearmDim);
    float hand = Side(b, side, kHandDim);
    glBindTexture(GL_TEXTURE_2D, HorizontalTexture(b));
    SetBunnyMaterial(Clothing(b));
    glTranslatef(0.0945f, 0.1125f, -0.025f);
    RotateYZ(b, side, kBackarmX);
    glTranslatef(0, -0.0385f, 0.0385f);
    DrawTexturedBox(backarm, 0.077f, 0.077f, 1, 0.5f, 0.5f);
    glTranslatef(backarm - 0.00945f, 0.0385f, -0.0385f);
    RotateYZ(b, side, kForearmX);
    glTranslatef(0, -0.0385f, 0.0385f);
    DrawTexturedBox(forearm, 0.077f, 0.077f, 1, 0.5f, 0.5f);
    glTranslatef(forearm, 0.0385f, -0.0385f);
    SetBunnyMaterial(Fur(b));
    glBindTexture(GL_TEXTURE_2D, 0);
    RotateYZ(b, side, kHandX);
    glTranslatef(hand, 0, 0);
    glPushMatrix();
    glEnable(GL_NORMALIZE);
    glScalef(2.5f, 1, 1);
    gluSphere(b->quadric, hand, 6, 6);
    glDisable(GL_NORMALIZE);
    glPopMatrix();
    if (b->gunFlag[side]) DrawBunnyGun(b, side);
}

void RotateXZ(const Bunny* b, int side, int fx) {
    glRotatef(Side(b, side, fx), 1, 0, 0);
    glRotatef(Side(b, side, fx + 2), 0, 0, 1);
}

void DrawBunnyLeg(const Bunny* b, int side) {
    glBindTexture(GL_TEXTURE_2D, VerticalTexture(b));
    SetBunnyMaterial(Clothing(b));
    glTranslatef(0.0595f, -0.08625f, 0.075f);
    RotateXZ(b, side, kUpperlegX);
    glTranslatef(-0.0385f, 0, 0.0385f);
    DrawTexturedBox(0.077f, -0.089775f, 0.077f, 1, 0.5f, 0.5f);
    glTranslatef(0.0385f, -0.082075f, -0.0385f);
    RotateXZ(b, side, kLowerlegX);
    glTranslatef(-0.0385f, 0, 0.0385f);
    DrawTexturedBox(0.077f, -0.07182f, 0.077f, 1, 0.5f, 0.5f);
    glTranslatef(0.0385f, -0.07182f, -0.0385f);
    SetBunnyMaterial(Fur(b));
    glBindTexture(GL_TEXTURE_2D, 0);
    glRotatef(Side(b, side, kFootX), 1, 0, 0);
    glRotatef(Side(b, side, kFootY), 0, 1, 0);
    glTranslatef(0, 0, 0.0385f);
    if (b->shoes) {
        glPushMatrix();
        CallBunnyPart(kShoePart);
        glPopMatrix();
    } else {
        DrawScaledPart(1, 1, 2.5f, kFootPart);
    }
}
}  // namespace

// How far any piece of the figure can reach from its body position in its
// present pose: every joint turns about a point of the chain before it, so
// the chain's lengths bound it whatever the angles (the flip, the spins).
float BunnyReach(const Bunny* b) {
    const float* f = b->field;
    // Ears: their root 0.071 off the head's centre, then eight segments of
    // 0.1 (bending only shortens them); the eyes, glasses and whiskers lie
    // closer to the head.
    float reach = std::sqrt(f[kHeadPosX] * f[kHeadPosX] + f[kHeadPosY] * f[kHeadPosY] +
                            f[kHeadPosZ] * f[kHeadPosZ]) + 0.88f;
    for (int side = 0; side < 2; ++side) {
        const float* arm = &f[side * kBunnySideFieldCount];
        // Shoulder 0.15 out, the segments' lengths, their thickness (0.055
        // from the axis) and the hand stretched 2.5 times, or the gun, which
        // reaches 0.35 from the hand at scale 1.
        float hand = std::fabs(arm[kHandDim]);
        float gun = b->gunFlag[side] ? 0.35f * std::fabs(f[kGunScale + side]) : 0.0f;
        reach = std::max(reach, 0.15f + std::fabs(arm[kBackarmDim]) + std::fabs(arm[kForearmDim]) +
                                    hand + std::max(2.5f * hand, gun) + 0.055f);
    }
    // The legs and shoes (0.5) and the body (0.32) have fixed sizes; the
    // trembling jitter moves the whole figure by up to 0.01 along each axis.
    return std::max(reach, 0.5f) + 0.02f;
}

bool BunnyInView(const Bunny* b) {
    const float* f = b->field;
    return SphereInView(f[kBodyPosX], f[kBodyPosY], f[kBodyPosZ], BunnyReach(b));
}

void DrawBunny(Bunny* bunny) {
    const Bunny* b = bunny;
    if (bunny->trembling) {
        bunny->trembleJitterY = float(RandomInRange(-0.01, 0.01));
        bunny->trembleJitterXZ = float(RandomInRange(-0.01, 0.01));
    }
    float jy = b->trembleJitterY, jxz = b->trembleJitterXZ;
    const float* f = b->field;
    glBindTexture(GL_TEXTURE_2D, 0);
    // A figure wholly outside the view costs the renderer as much as one in
    // sight (each of four views draws every pib): such a figure is not sent.
    if (!BunnyInView(b)) {
        glTranslatef(0, 0, 0.25f);
        return;
    }
    glPushMatrix();
    glTranslatef(f[kBodyPosX] + jxz, f[kBodyPosY] + jy, f[kBodyPosZ] + jxz);
    glRotatef(f[kBodyAngleX], 1, 0, 0);
    glRotatef(f[kBodyAngleY], 0, 1, 0);
    glRotatef(f[kBodyAngleZ], 0, 0, 1);
    DrawBunnyBody(b);
    DrawBunnyNeck(b);
    glPushMatrix();
    glTranslatef(f[kHeadPosX] + jxz, f[kHeadPosY] + jy, f[kHeadPosZ]);
    glRotatef(f[kHeadAngleX], 1, 0, 0);
    glRotatef(f[kHeadAngleY], 0, 1, 0);
    glRotatef(f[kHeadAngleZ], 0, 0, 1);
    DrawBunnyHead(b);
    glPopMatrix();
    glPushMatrix();
    DrawBunnyArm(b, 0);
    glPopMatrix();
    glPushMatrix();
    DrawBunnyLeg(b, 0);
    glPopMatrix();
    // The right side is the left one mirrored through x = 0.
    glPushMatrix();
    glEnable(GL_NORMALIZE);
    glScalef(-1, 1, 1);
    glPushMatrix();
    DrawBunnyArm(b, 1);
    glPopMatrix();
    DrawBunnyLeg(b, 1);
    glPopMatrix();
    glPopMatrix();
    // The emitters are drawn next, in this shifted frame.
    glTranslatef(0, 0, 0.25f);
}

void DrawBunnyEmitters(Bunny* bunny) {
    for (const BunnyEmitterSlot& slot : bunny->emitters)
        if (slot.emitter) DrawEmitter(slot.emitter);
}
