// Drawing a Bunny from its pose fields. The owner sets up the view, lights and
// the figure's place, then calls DrawBunny and DrawBunnyEmitters.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_draw_parts.h"
#include "figures/figure_gl.h"
#include "figures/figure_mesh.h"
#include "figures/figure_pool.h"
#include "figures/bunny_record.h"
#include "support/helpers.h"

namespace {
const float kThird = 1.0f / 30.0f;

const float kWhite[4] = {1, 1, 1, 1};
const float kBlack[4] = {0, 0, 0, 1};
const float kEyebrow[4] = {0, 1, 0, 0};
const float kFaceMark[4] = {0.3f, 0.3f, 0.6f, 1};
const float kLens[4] = {0.6f, 0.4f, 1.0f, 0.4f};
const float kFrame[4] = {0.2f, 0.2f, 0.2f, 1};

float Side(const Bunny* b, int side, int f) { return b->field[f + side * kBunnySideFieldCount]; }
const float* Fur(const Bunny* b) { return &b->field[kFurR]; }
const float* Clothing(const Bunny* b) { return &b->field[kClothingR]; }

// The figure is put together on the CPU, every joint's matrix composed here,
// and sent as one batch per texture and blend state: the software renderer
// pays for each primitive sent far more than for its triangles. In the views
// the batches are in eye coordinates, held with every other figure's parts;
// a figure that goes out on its own, or that the near plane may cut, is put
// together in its own frame.

// One figure being put together. Normals come out as GL would have lit the
// piece drawn alone: of unit length where GL_NORMALIZE stood on, else
// scaled by the inverse of the matrix's scale (the caller's, and the gun's).
struct Build {
    const Bunny* b;
    // The batches of the closed parts ([0]) and of those that carry their
    // own back faces ([1]): the same ones unless the eye may see inside.
    FigureBatch* batch[2][kBunnyBatchCount];
    Placement at;
    bool normalizing;
    float scale;
    float sentScale;  // what the modelview the parts are sent at does to normals
    bool nearEye;     // the near plane may cut the figure
    int mode;         // the texture environment: the caller's, then modulate after a shoe
    PixelView view;
    const float* front;  // the front material set last: the ears keep it
};

unsigned BatchTexture(const Bunny* b, int batch) {
    const BunnyTextureSet& t = GetBunnyTextures();
    switch (batch) {
        case kSuitBatch: return t.suit[b->outfit];  // 0 for outfits 4 and 5: untextured
        case kVerticalBatch: return t.vertical[b->outfit];
        case kHorizontalBatch: return t.horizontal[b->outfit];
        case kGunMouthBatch: return t.gunMouth;
        case kShoeSideBatch: return t.shoeSide;
        case kShoeLacesBatch: return t.shoeLaces;
        case kShoeSoleBatch: return t.shoeSole;
        case kLensesBatch:
        case kFrameBatch: return t.lens;
        default: return 0;
    }
}

// The opaque batches of the figure as it stands, each keeping only what
// shows in the view, the vertex colour the front material. The clothes take
// the texture environment in force (the caller's, then modulate after the
// first shoe), the shoe decal. A closed shape hides its faces turned away
// while the eye is outside it and the near plane cuts none of it; the
// shapes that carry their own back faces are culled always. Asked for again
// after the lenses, the batches go out after them.
void GatherBatches(Build& d) {
    for (int k = 0; k < kBunnyBatchCount; ++k) {
        if (k == kLensesBatch) continue;
        bool shoe = k >= kShoeSideBatch && k <= kShoeSoleBatch;
        HeldState state{BatchTexture(d.b, k), shoe ? GL_DECAL : d.mode, false, true};
        d.batch[1][k] = &HeldBatch(state, d.view);
        state.culled = !d.nearEye;
        d.batch[0][k] = &HeldBatch(state, d.view);
        for (FigureBatch* batch : {d.batch[0][k], d.batch[1][k]}) batch->SendOneByOne(!BunnyPartLists());
    }
}

void Put(Build& d, int batch, int shape, const float* rgba) {
    float normalLength = (d.normalizing ? 1 : 1 / d.scale) * d.sentScale;
    d.batch[BunnyShapeHasBackFaces(shape)][batch]->Append(GetBunnyShape(shape), d.at, rgba, normalLength);
    d.front = rgba;
}

// A sphere under a non-uniform scale is lit with its normals renormalised.
void PutNormalized(Build& d, int batch, int shape, const float* rgba) {
    d.normalizing = true;
    Put(d, batch, shape, rgba);
    d.normalizing = false;
}

void AddBunnyBody(Build& d) {
    Put(d, kSuitBatch, kBodySuitShape, Clothing(d.b));
    Put(d, kVerticalBatch, kBodyClothShape, Clothing(d.b));
}

// Straight up from the body origin to wherever the head is.
void AddBunnyNeck(Build& d) {
    const float* h = &d.b->field[kHeadPosX];
    double length = std::sqrt(double(h[0]) * h[0] + double(h[1]) * h[1] + double(h[2]) * h[2]);
    d.at.Push();
    d.at.Rotate(-90, 1, 0, 0);
    d.at.Scale(1, 1, float(length));
    Put(d, kPlainBatch, kNeckShape, Fur(d.b));
    d.at.Pop();
}

// Eye origins, the right eye first (it is drawn first).
const float kEyeOrigin[2][3] = {{-0.12f, -0.09166667f, 0.25f}, {0.02f, -0.09166667f, 0.25f}};
const int kEyeSides[2] = {1, 0};

// The left brow is the right one mirrored about its eye, 0.1 to the left.
void AddEyebrow(Build& d, int side) {
    float mirror = side == 1 ? 1.0f : -1.0f;
    if (side == 0) d.at.Translate(0.1f, 0, 0);
    d.at.Rotate(mirror * Side(d.b, side, kEyebrowAngle), 0, 0, 1);
    d.at.Translate(mirror * -0.009166666f, 0.28416666f, kThird);
    d.at.Rotate(mirror * Side(d.b, side, kEyebrowOrientation), 0, 0, 1);
    Put(d, kPlainBatch, side == 1 ? kRightBrowShape : kLeftBrowShape, kEyebrow);
}

void AddBunnyEyes(Build& d) {
    for (int k = 0; k < 2; ++k) {
        int side = kEyeSides[k];
        float radius = Side(d.b, side, kEyeballRadius);
        d.at.Push();
        d.at.Translate(kEyeOrigin[k][0], kEyeOrigin[k][1], kEyeOrigin[k][2]);
        PutNormalized(d, kPlainBatch, kEyeWhiteShape, kWhite);
        d.at.Push();
        d.at.Translate(Side(d.b, side, kEyeballXcor), Side(d.b, side, kEyeballYcor), radius / 2 + kThird);
        d.at.Scale(radius / 2, radius / 2, radius / 2);
        Put(d, kPlainBatch, kPupilShape, kBlack);  // drawn at its size: normals of unit length
        d.at.Pop();
        AddEyebrow(d, side);
        d.at.Pop();
    }
}

void AddBunnyWhiskers(Build& d) {
    static const float kTurns[3] = {0, 7.5f, -7.5f};
    for (int set = 0; set < 2; ++set) {
        d.at.Push();
        d.at.Translate(0, -0.13f, 0.2125f);
        if (set == 1) d.at.Rotate(180, 0, 1, 0);
        for (float turn : kTurns) {
            d.at.Push();
            d.at.Rotate(turn, 0, 0, 1);
            d.at.Translate(-0.05f, 0, 0);
            Put(d, kPlainBatch, kWhiskerShape, kWhite);
            d.at.Pop();
        }
        d.at.Pop();
    }
}

// Eight segments 0.1 long, each curled about x by its share of the bend.
void AddBunnyEar(Build& d, int side, const float* front) {
    static const float kCurl[8] = {0.05f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.05f};
    float bend = Side(d.b, side, kEarBend);
    for (int s = 0; s < 8; ++s) {
        if (s > 0) d.at.Translate(0, 0.1f, 0);
        d.at.Rotate(kCurl[s] * bend, 1, 0, 0);
        Put(d, kPlainBatch, kEarBackShape + s, &d.b->field[kEarBackR]);
        Put(d, kPlainBatch, kEarFrontShape + s, front);
    }
}

// The fronts keep whatever front material came last; the backs show the
// ear-back colour.
void AddBunnyEars(Build& d) {
    const float* front = d.front;
    for (int side = 0; side < 2; ++side) {
        float mirror = side == 0 ? 1.0f : -1.0f;
        d.at.Push();
        d.at.Translate(mirror * 0.05f, 0.05f, 0);
        d.at.Rotate(mirror * -10, 0, 0, 1);
        d.at.Rotate(mirror * Side(d.b, side, kEarRotate), 0, 1, 0);
        AddBunnyEar(d, side, front);
        d.at.Pop();
    }
}

void AddBunnyTeeth(Build& d) {
    static const float kTooth[2][3] = {{-0.03857143f, -0.275f, 0.1625f}, {0.0028571428f, -0.275f, 0.1625f}};
    for (const float* at : kTooth) {
        d.at.Push();
        d.at.Translate(at[0], at[1], at[2]);
        Put(d, kPlainBatch, kToothShape, kWhite);
        d.at.Pop();
    }
}

// A lens over each pupil. The right lens's rim line and temple are blended
// with it; the left temple is opaque. The lines are lit with the disk's
// normal and show the lens texture at the lenses' one coordinate. What is
// drawn after the lenses goes out after them: the left temple, the arms and
// the legs cover them where they are in front.
void AddBunnyGlasses(Build& d) {
    FigureBatch& lenses = HeldAfterOpaque(HeldState{BatchTexture(d.b, kLensesBatch), d.mode, false, false}, d.view, true);
    lenses.SendOneByOne(!BunnyPartLists());
    d.batch[0][kLensesBatch] = d.batch[1][kLensesBatch] = &lenses;
    GatherBatches(d);
    static const float kUp[3] = {0, 0, 1}, kLeftOverST[2] = {0.5f, 0};
    for (int k = 0; k < 2; ++k) {
        int side = kEyeSides[k];
        bool right = side == 1;
        float radius = Side(d.b, side, kEyeballRadius);
        float rim = 1.1f * radius;
        d.at.Push();
        d.at.Translate(kEyeOrigin[k][0], kEyeOrigin[k][1], kEyeOrigin[k][2]);
        d.at.Translate(Side(d.b, side, kEyeballXcor), Side(d.b, side, kEyeballYcor), radius / 2 + kThird);
        d.at.Translate(0, -0.02f, radius / 2);
        d.at.Push();
        d.at.Scale(rim, rim, rim);
        Put(d, kLensesBatch, kLensShape, kLens);
        d.at.Pop();
        if (right) {
            const float edge[2][3] = {{rim, 0, 0}, {rim + 0.01f, 0, 0}};
            lenses.AppendLineStrip(d.at, edge, 2, kUp, kLeftOverST, kLens);
        }
        float out = right ? -1.0f : 1.0f;  // toward this lens's outer rim
        d.at.Translate(out * rim, 0, 0);
        const float temple[3][3] = {{0, 0, 0}, {out * 0.05f, 0.03f, -0.1f}, {out * 0.055f, -0.01f, -0.12f}};
        d.batch[0][right ? kLensesBatch : kFrameBatch]->AppendLineStrip(d.at, temple, 3, kUp, kLeftOverST, kFrame);
        d.at.Pop();
    }
}

void AddBunnyHead(Build& d) {
    Put(d, kPlainBatch, kHeadShape, Fur(d.b));
    AddBunnyEyes(d);
    if (d.b->whiskers) AddBunnyWhiskers(d);
    if (d.b->faceMark) Put(d, kPlainBatch, kFaceMarkShape, kFaceMark);
    AddBunnyEars(d);
    AddBunnyTeeth(d);
    if (d.b->glasses) AddBunnyGlasses(d);
}

// The gun grows from nothing in the hand: at scale 0 it covers no pixel, so
// it is not sent at all.
void AddBunnyGun(Build& d, int side) {
    float scale = d.b->field[kGunScale + side];
    if (scale == 0) return;
    d.at.Push();
    d.at.Scale(scale, scale, scale);
    float callerScale = d.scale;
    d.scale *= scale;
    for (const BunnyPiece& piece : kBunnyGunPieces) Put(d, piece.batch, piece.shape, piece.rgba);
    d.scale = callerScale;
    d.at.Pop();
}

void RotateYZ(Build& d, int side, int fx) {
    d.at.Rotate(Side(d.b, side, fx + 1), 0, 1, 0);
    d.at.Rotate(Side(d.b, side, fx + 2), 0, 0, 1);
}

// A box of the cloth drawn at its length along x.
void PutArmSegment(Build& d, float length) {
    d.at.Push();
    d.at.Scale(length, 1, 1);
    Put(d, kHorizontalBatch, kArmShape, Clothing(d.b));
    d.at.Pop();
}

void AddBunnyArm(Build& d, int side) {
    float backarm = Side(d.b, side, kBackarmDim), forearm = Side(d.b, side, kForearmDim);
    float hand = Side(d.b, side, kHandDim);
    d.at.Translate(0.0945f, 0.1125f, -0.025f);
    RotateYZ(d, side, kBackarmX);
    d.at.Translate(0, -0.0385f, 0.0385f);
    PutArmSegment(d, backarm);
    d.at.Translate(backarm - 0.00945f, 0.0385f, -0.0385f);
    RotateYZ(d, side, kForearmX);
    d.at.Translate(0, -0.0385f, 0.0385f);
    PutArmSegment(d, forearm);
    d.at.Translate(forearm, 0.0385f, -0.0385f);
    RotateYZ(d, side, kHandX);
    d.at.Translate(hand, 0, 0);
    d.at.Push();
    d.at.Scale(2.5f * hand, hand, hand);
    PutNormalized(d, kPlainBatch, kHandShape, Fur(d.b));
    d.at.Pop();
    if (d.b->gunFlag[side]) AddBunnyGun(d, side);
}

void RotateXZ(Build& d, int side, int fx) {
    d.at.Rotate(Side(d.b, side, fx), 1, 0, 0);
    d.at.Rotate(Side(d.b, side, fx + 2), 0, 0, 1);
}

void AddBunnyLeg(Build& d, int side) {
    d.at.Translate(0.0595f, -0.08625f, 0.075f);
    RotateXZ(d, side, kUpperlegX);
    d.at.Translate(-0.0385f, 0, 0.0385f);
    Put(d, kVerticalBatch, kUpperLegShape, Clothing(d.b));
    d.at.Translate(0.0385f, -0.082075f, -0.0385f);
    RotateXZ(d, side, kLowerlegX);
    d.at.Translate(-0.0385f, 0, 0.0385f);
    Put(d, kVerticalBatch, kLowerLegShape, Clothing(d.b));
    d.at.Translate(0.0385f, -0.07182f, -0.0385f);
    d.at.Rotate(Side(d.b, side, kFootX), 1, 0, 0);
    d.at.Rotate(Side(d.b, side, kFootY), 0, 1, 0);
    d.at.Translate(0, 0, 0.0385f);
    if (d.b->shoes) {
        for (const BunnyPiece& piece : kBunnyShoePieces) Put(d, piece.batch, piece.shape, piece.rgba);
        if (d.mode != GL_MODULATE) {  // the shoe leaves modulate for what follows it
            d.mode = GL_MODULATE;
            GatherBatches(d);
        }
    } else {
        PutNormalized(d, kPlainBatch, kBareFootShape, Fur(d.b));
    }
}

// The whole figure from the body frame; the right side is the left one
// mirrored through x = 0.
void AddBunny(Build& d) {
    const float* f = d.b->field;
    float jy = d.b->trembleJitterY, jxz = d.b->trembleJitterXZ;
    d.at.Translate(f[kBodyPosX] + jxz, f[kBodyPosY] + jy, f[kBodyPosZ] + jxz);
    d.at.Rotate(f[kBodyAngleX], 1, 0, 0);
    d.at.Rotate(f[kBodyAngleY], 0, 1, 0);
    d.at.Rotate(f[kBodyAngleZ], 0, 0, 1);
    AddBunnyBody(d);
    AddBunnyNeck(d);
    d.at.Push();
    d.at.Translate(f[kHeadPosX] + jxz, f[kHeadPosY] + jy, f[kHeadPosZ]);
    d.at.Rotate(f[kHeadAngleX], 1, 0, 0);
    d.at.Rotate(f[kHeadAngleY], 0, 1, 0);
    d.at.Rotate(f[kHeadAngleZ], 0, 0, 1);
    AddBunnyHead(d);
    d.at.Pop();
    d.at.Push();
    AddBunnyArm(d, 0);
    d.at.Pop();
    d.at.Push();
    AddBunnyLeg(d, 0);
    d.at.Pop();
    d.at.Push();
    d.normalizing = true;
    d.at.Scale(-1, 1, 1);
    d.at.Push();
    AddBunnyArm(d, 1);
    d.at.Pop();
    AddBunnyLeg(d, 1);
    d.at.Pop();
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

namespace {
// What the figure's drawing leaves set, whichever way its parts are sent:
// the last texture and materials of the right foot, modulate after a shoe,
// the last normal and texture coordinate given (the heel cuff's outer side,
// or the bare foot's last point, two-thirds of the way to its back pole),
// lighting one-sided and normals as they are, and, after the glasses,
// blending off.
const float kCuffLastNormal[3] = {0.944836f, 0, 0.327543f};
const float kBareFootLastNormal[3] = {0, 0.866025f, -0.5f};

void LeaveBunnyState(const Bunny* b, int callersMode) {
    glBindTexture(GL_TEXTURE_2D, b->shoes ? GetBunnyTextures().shoeSole : 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, b->shoes ? GL_MODULATE : callersMode);
    const BunnyPiece& cuff = kBunnyShoePieces[std::size(kBunnyShoePieces) - 1];  // drawn last
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, b->shoes ? cuff.rgba : Fur(b));
    glMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, &b->field[kEarBackR]);
    glNormal3fv(b->shoes ? kCuffLastNormal : kBareFootLastNormal);
    glTexCoord2f(0, b->shoes ? 1.0f : 0.0f);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glDisable(GL_NORMALIZE);
    if (b->glasses) {
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
}
}  // namespace

void DrawBunny(Bunny* bunny) {
    if (bunny->trembling) {
        bunny->trembleJitterY = float(RandomInRange(-0.01, 0.01));
        bunny->trembleJitterXZ = float(RandomInRange(-0.01, 0.01));
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    // A figure wholly outside the view costs the renderer as much as one in
    // sight (each of four views draws every pib): such a figure is not sent.
    const float* f = bunny->field;
    const float reach = BunnyReach(bunny);
    if (SphereInView(f[kBodyPosX], f[kBodyPosY], f[kBodyPosZ], reach)) {
        GLint callersMode = GL_MODULATE;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &callersMode);
        bool normalizing = glIsEnabled(GL_NORMALIZE) == GL_TRUE;
        FigureFrame frame = StartFigure(f[kBodyPosX], f[kBodyPosY], f[kBodyPosZ], reach);
        Build d{bunny,        {},          frame.at,    normalizing, frame.scale, frame.normalLength,
                frame.nearEye, callersMode, frame.view, kWhite};
        GatherBatches(d);
        AddBunny(d);
        FigureDrawn();
        LeaveBunnyState(bunny, callersMode);
    } else {
        FigureDrawn();
    }
    // The emitters are drawn next, in this shifted frame.
    glTranslatef(0, 0, 0.25f);
}

void DrawBunnyEmitters(Bunny* bunny) {
    // The fire and smoke are blended: they go after every opaque part held.
    for (const BunnyEmitterSlot& slot : bunny->emitters)
        if (slot.emitter && EmitterCount(slot.emitter) > 0) {
            SendHeldFigures();
            break;
        }
    for (const BunnyEmitterSlot& slot : bunny->emitters)
        if (slot.emitter) DrawEmitter(slot.emitter);
}
