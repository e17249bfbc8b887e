// The burning death: the poses a dying Bunny goes through, their copies for
// the palace and opening scenes, the script that times them, and the
// emitter actions that set the figure alight and let smoke rise from it.
#include <cmath>
#include <cstdio>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "figures/bunny_targets.h"

namespace {

constexpr unsigned kBurnGroups =
    kGroupHead | kGroupBody | kGroupBackarms | kGroupForearms | kGroupHands | kGroupLegs;
constexpr unsigned kSpinGroups = kGroupHead | kGroupBody | kGroupBackarms | kGroupForearms | kGroupLegs;
constexpr unsigned kStaggerGroups = kBurnGroups | kGroupEars | kGroupEyeballs;
constexpr unsigned kCollapseGroups =
    kGroupEyeballs | kGroupHead | kGroupBody | kGroupLegs | kGroupRightWholeArm;

// Once burning, the head stays tipped a little and the feet pointed; every
// burning pose after the shudders keeps them. All but the collapse (which
// leaves the left arm where it is) also keep the left arm hanging.
const std::vector<PoseTarget> kBurningHeadAndFeet{
    {kHeadAngleX, 0.216034f}, {kHeadAngleY, -0.0195993f}, {kHeadAngleZ, 0.0391986f},
    {kHeadPosY, 0.48701f},    {kFootX, 63},               {Right(kFootX), 68},
};
const std::vector<PoseTarget> kBurningStill = JoinTargets({
    kBurningHeadAndFeet,
    {{kBackarmY, 22}, {kBackarmZ, -43.6f}, {kForearmY, -3.4903f}, {kForearmZ, -3.9804f}},
});
// The legs of the tilt and of the even spins.
const std::vector<PoseTarget> kTiltLegs{
    {kUpperlegZ, 61}, {Right(kUpperlegX), -3}, {Right(kUpperlegZ), 47},
    {kLowerlegX, -2}, {Right(kLowerlegX), -4}, {Right(kLowerlegZ), -2},
};
// The ears and eyes of the stagger and the sway.
const std::vector<PoseTarget> kDazedFace{
    {kEarBend, 39.646f},          {kEarRotate, 7.29162f},          {Right(kEarBend), -34.4716f},
    {Right(kEarRotate), -25.8824f}, {kEyeballRadius, 0.0692323f},  {kEyeballYcor, 0.21572f},
    {Right(kEyeballRadius), 0.0392323f}, {Right(kEyeballYcor), 0.115818f},
};

// Where the scenes' burning actors stand, in the figure's frame.
constexpr float kOpeningShift[3] = {0, -0.57f, -3.96f};
constexpr float kPalaceShift[3] = {0.09f, -0.1f, 0.1f};

// The opening copies keep X and move only the height and depth.
std::vector<PoseTarget> OpeningBody(float y) { return {{kBodyPosY, y}, {kBodyPosZ, -3.96f}}; }

}  // namespace

// The death set.
const PoseRow kRowFlinch{0, kGroupEars | kGroupEyebrows | kGroupEyeballs | kGroupHead,
                         {{kEarBend, -60}, {Right(kEarBend), -62}, {Both(kEyeballRadius), 0.05f},
                          {Both(kEyeballYcor), 0.0575f}, {kHeadAngleX, 24}},
                         nullptr, 0};
const PoseRow kRowEyesWide{0, kGroupEyeballs,
                           {{Both(kEyeballRadius), 0.159417f}, {Both(kEyeballXcor), 0.0494166f},
                            {Right(kEyeballYcor), 0.137283f}},
                           nullptr, 0};
const PoseRow kRowEarsForward{1, kGroupEars,
                              {{kEarBend, 112}, {kEarRotate, 33}, {Right(kEarBend), 118},
                               {Right(kEarRotate), 47}},
                              nullptr, 0};
// The two shudders mirror one another; the tests hold them to it.
const PoseRow kRowShudderA{
    0, kGroupAll,
    {{kEarBend, -82.4716f}, {kEarRotate, -19.8824f}, {Right(kEarBend), 73.646f},
     {Right(kEarRotate), 7.29162f}, {kEyebrowAngle, -1.15679f}, {kEyebrowOrientation, -108.489f},
     {Right(kEyebrowAngle), 5.84321f}, {Right(kEyebrowOrientation), 17.4324f},
     {kEyeballRadius, 0.0792323f}, {kEyeballXcor, 0.0494281f}, {kEyeballYcor, 0.175818f},
     {Right(kEyeballRadius), 0.0392323f}, {Right(kEyeballXcor), 0.0494281f},
     {Right(kEyeballYcor), 0.0657197f}, {kHeadAngleX, 0.783966f}, {kHeadAngleY, 0.0195993f},
     {kHeadAngleZ, -0.0391986f}, {kHeadPosY, 0.48701f}, {kBackarmZ, -43.6f},
     {Right(kBackarmY), 4.15759f}, {Right(kBackarmZ), 52.1956f}, {kForearmY, -1.4903f},
     {kForearmZ, -3.9804f}, {Right(kForearmY), -2.35311f}, {Right(kForearmZ), -14.804f}},
    nullptr, kSetTrembling1};
const PoseRow kRowShudderB{
    0, kGroupAll,
    {{kEarBend, 73.646f}, {kEarRotate, 7.29162f}, {Right(kEarBend), -82.4716f},
     {Right(kEarRotate), -19.8824f}, {kEyebrowAngle, 5.84321f}, {kEyebrowOrientation, 17.4324f},
     {Right(kEyebrowAngle), -1.15679f}, {Right(kEyebrowOrientation), -108.489f},
     {kEyeballRadius, 0.0392323f}, {kEyeballXcor, 0.0494281f}, {kEyeballYcor, 0.0657197f},
     {Right(kEyeballRadius), 0.0792323f}, {Right(kEyeballXcor), 0.0494281f},
     {Right(kEyeballYcor), 0.175818f}, {kHeadAngleX, -0.783966f}, {kHeadAngleY, -0.0195993f},
     {kHeadAngleZ, 0.0391986f}, {kHeadPosY, 0.48701f}, {kBackarmY, 4.15759f},
     {kBackarmZ, 52.1956f}, {Right(kBackarmZ), -43.6f}, {kForearmY, -2.35311f},
     {kForearmZ, -14.804f}, {Right(kForearmY), -1.4903f}, {Right(kForearmZ), -3.9804f}},
    nullptr, 0};
const PoseRow kRowBurnTilt{
    0, kBurnGroups,
    JoinTargets({kBurningStill, kTiltLegs,
                 {{kBodyAngleX, 1}, {kBodyAngleZ, -49}, {kBodyPosY, -0.15f},
                  {Right(kBackarmX), 20}, {Right(kBackarmY), 6.15759f}, {Right(kBackarmZ), 52.1956f},
                  {Right(kForearmX), -30}, {Right(kForearmY), -4.35311f},
                  {Right(kForearmZ), -14.804f}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowBurnSpin1{
    0, kSpinGroups,
    JoinTargets({kBurningStill, BodyAngle(23, -131, -67),
                 {{kBodyPosY, -0.2f}, {Right(kBackarmX), 450}, {Right(kBackarmY), 26.15759f},
                  {Right(kBackarmZ), -52.1956f}, {Right(kForearmX), -32},
                  {Right(kForearmY), -14.35311f}, {Right(kForearmZ), 14.804f}, {kUpperlegX, -3},
                  {kUpperlegZ, 47}, {Right(kUpperlegX), 21}, {Right(kUpperlegZ), 61},
                  {kLowerlegX, 29}, {kLowerlegZ, 15}, {Right(kLowerlegX), -4},
                  {Right(kLowerlegZ), -2}, {kFootY, 9}}}),
    nullptr, kSetTrembling0};
// The spins are the tilt and the first spin turned further about Y.
const PoseRow kRowBurnSpin2{0, 0,
                            {{kBodyAngleY, -360}, {Right(kBackarmX), 24}, {Right(kBackarmY), 46.15759f},
                             {Right(kForearmX), 62}, {Right(kForearmY), -24.35311f}},
                            &kRowBurnTilt, kSetTrembling0};
const PoseRow kRowBurnSpin3{0, 0,
                            {{kBodyAngleY, -491}, {Right(kForearmY), -74.35311f},
                             {Right(kForearmZ), 34.804f}},
                            &kRowBurnSpin1, kSetTrembling0};
const PoseRow kRowBurnSpin4{0, 0,
                            {{kBodyAngleY, -720}, {Right(kBackarmX), -40}, {Right(kForearmX), 30}},
                            &kRowBurnTilt, kSetTrembling0};
const PoseRow kRowBurnStagger{
    0, kStaggerGroups,
    JoinTargets({kBurningStill, kDazedFace, BodyAngle(4, -720, -62),
                 {{kBodyPosX, 0.25f}, {kBodyPosY, -0.36f}, {kBackarmZ, 47.4f},
                  {Right(kBackarmY), 6.1576f}, {Right(kBackarmZ), 50.1956f},
                  {Right(kForearmY), -5.35311f}, {Right(kForearmZ), -14.804f}, {kUpperlegZ, -28},
                  {Right(kUpperlegX), -3}, {Right(kUpperlegZ), 46}, {kLowerlegX, -2},
                  {Right(kLowerlegX), -4}, {Right(kLowerlegZ), -2}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowBurnSway{
    0, kStaggerGroups,
    JoinTargets({kBurningStill, kDazedFace, BodyAngle(-6, -724, -40),
                 {{kHeadAngleY, -1.0196f}, {kBodyPosY, -0.15f}, {kBackarmZ, -21.6f},
                  {Right(kBackarmY), 6.15759f}, {Right(kBackarmZ), 31.1956f},
                  {Right(kForearmY), -4.35311f}, {Right(kForearmZ), -14.804f}, {kUpperlegZ, 41},
                  {Right(kUpperlegX), -3}, {Right(kUpperlegZ), 39}, {kLowerlegX, -2},
                  {kLowerlegZ, -1}, {Right(kLowerlegX), -4}, {Right(kLowerlegZ), -2}}}),
    nullptr, 0};
const PoseRow kRowBurnCollapse{
    0, kCollapseGroups,
    JoinTargets({kBurningHeadAndFeet, BodyAngle(4, -720, -62),
                 {{kEyeballRadius, 0.0592323f}, {kEyeballXcor, 0.04f}, {kEyeballYcor, 0.26572f},
                  {Right(kEyeballRadius), 0.0392323f}, {Right(kEyeballYcor), 0.015818f},
                  {kHeadAngleY, -1.0196f}, {kBodyPosX, 0.25f}, {kBodyPosY, -0.36f},
                  {Right(kBackarmY), -45.8424f}, {Right(kBackarmZ), 32.1956f},
                  {Right(kForearmY), -10.3531f}, {Right(kForearmZ), -15.804f}, {kUpperlegX, -65},
                  {kUpperlegZ, -31}, {Right(kUpperlegX), -69}, {Right(kUpperlegZ), 86},
                  {kLowerlegX, -37}, {kLowerlegZ, -1}, {Right(kLowerlegX), -50},
                  {Right(kLowerlegZ), -4}}}),
    nullptr, kSetTrembling0};

// The palace's burning actor stands up at (0.09, -0.1, 0.1) before it burns.
const PoseRow kRowShudderPalaceA{0, 0, BodyAt(0.09f, -0.1f, 0.1f), &kRowShudderA, kSetTrembling1};
const PoseRow kRowShudderPalaceB{0, 0, BodyAt(0.09f, -0.1f, 0.1f), &kRowShudderB, 0};
const PoseRow kRowBurnTiltPalace{0, 0, BodyAt(0.09f, -0.03f, 0.1f), &kRowBurnTilt, kSetTrembling0};
const PoseRow kRowBurnSpin1Palace{0, kSpinGroups | kGroupEars,
                                  JoinTargets({BodyAngle(12, -66, -37), BodyAt(0.04f, -0.08f, 0.1f)}),
                                  &kRowBurnSpin1, kSetTrembling0};
const PoseRow kRowBurnStaggerPalace{
    0, 0,
    JoinTargets({BodyAngle(8, -83, -65), BodyAt(0.27f, -0.29f, 0.35f),
                 {{kEarRotate, 8.29162f}, {Right(kEarBend), -68.4716f}, {Right(kBackarmZ), -14.8044f}}}),
    &kRowBurnStagger, kSetTrembling0};
const PoseRow kRowBurnSwayPalace{
    0, 0, JoinTargets({BodyAngle(29, -83, -5), BodyAt(0.09f, -0.03f, 0.1f), {{kFootX, 91}}}),
    &kRowBurnSway, 0};
const PoseRow kRowBurnCollapsePalace{0, 0,
                                     JoinTargets({{{kBodyAngleY, -360}}, BodyAt(0.09f, -0.1f, 0.1f)}),
                                     &kRowBurnCollapse, kSetTrembling0};

// The opening's Bunny stands at (0, -0.79, -3.96) when it catches fire.
const PoseRow kRowFlinchOpening{0, 0, {}, &kRowFlinch, 0};
const PoseRow kRowEyesWideOpening{0, 0, {}, &kRowEyesWide, 0};
const PoseRow kRowEarsForwardOpening{1, 0, {}, &kRowEarsForward, 0};
const PoseRow kRowShudderOpeningA{0, 0, OpeningBody(-0.79f), &kRowShudderA, kSetTrembling1};
const PoseRow kRowShudderOpeningB{0, 0, OpeningBody(-0.79f), &kRowShudderB, 0};
const PoseRow kRowBurnTiltOpening{0, 0, OpeningBody(-0.72f), &kRowBurnTilt, kSetTrembling0};
const PoseRow kRowBurnSpin1Opening{0, 0, OpeningBody(-0.77f), &kRowBurnSpin1, kSetTrembling0};
const PoseRow kRowBurnSpin2Opening{0, 0, OpeningBody(-0.72f), &kRowBurnSpin2, kSetTrembling0};
const PoseRow kRowBurnSpin3Opening{0, 0, OpeningBody(-0.77f), &kRowBurnSpin3, kSetTrembling0};
const PoseRow kRowBurnSpin4Opening{0, 0, OpeningBody(-0.72f), &kRowBurnSpin4, kSetTrembling0};
const PoseRow kRowBurnStaggerOpening{0, 0, OpeningBody(-0.93f), &kRowBurnStagger, kSetTrembling0};
const PoseRow kRowBurnSwayOpening{0, 0, OpeningBody(-0.72f), &kRowBurnSway, 0};
const PoseRow kRowBurnCollapseOpening{0, 0, OpeningBody(-0.93f), &kRowBurnCollapse, kSetTrembling0};

void PoseFlinch(Bunny* b, int n) { ApplyBunnyPose(b, kRowFlinch, n); }
void PoseEyesWide(Bunny* b, int n) { ApplyBunnyPose(b, kRowEyesWide, n); }
void PoseEarsForward(Bunny* b, int n) { ApplyBunnyPose(b, kRowEarsForward, n); }
void PoseShudderA(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderA, n); }
void PoseShudderB(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderB, n); }
void PoseBurnTilt(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnTilt, n); }
void PoseBurnSpin1(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin1, n); }
void PoseBurnSpin2(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin2, n); }
void PoseBurnSpin3(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin3, n); }
void PoseBurnSpin4(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin4, n); }
void PoseBurnStagger(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnStagger, n); }
void PoseBurnSway(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSway, n); }
void PoseBurnCollapse(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnCollapse, n); }

void PoseShudderPalaceA(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderPalaceA, n); }
void PoseShudderPalaceB(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderPalaceB, n); }
void PoseBurnTiltPalace(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnTiltPalace, n); }
void PoseBurnSpin1Palace(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin1Palace, n); }
void PoseBurnStaggerPalace(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnStaggerPalace, n); }
void PoseBurnSwayPalace(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSwayPalace, n); }
void PoseBurnCollapsePalace(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnCollapsePalace, n); }

void PoseFlinchOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowFlinchOpening, n); }
void PoseEyesWideOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowEyesWideOpening, n); }
void PoseEarsForwardOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowEarsForwardOpening, n); }
void PoseShudderOpeningA(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderOpeningA, n); }
void PoseShudderOpeningB(Bunny* b, int n) { ApplyBunnyPose(b, kRowShudderOpeningB, n); }
void PoseBurnTiltOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnTiltOpening, n); }
void PoseBurnSpin1Opening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin1Opening, n); }
void PoseBurnSpin2Opening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin2Opening, n); }
void PoseBurnSpin3Opening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin3Opening, n); }
void PoseBurnSpin4Opening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSpin4Opening, n); }
void PoseBurnStaggerOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnStaggerOpening, n); }
void PoseBurnSwayOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnSwayOpening, n); }
void PoseBurnCollapseOpening(Bunny* b, int n) { ApplyBunnyPose(b, kRowBurnCollapseOpening, n); }

// ---- Emitters -------------------------------------------------------------

namespace {

// A figure made before its emitters exist simply burns without them.
Emitter* MiddleEmitter(Bunny* b) { return b->emitters[1].emitter; }

void ShiftEmitters(Bunny* b, const float* by) {
    for (BunnyEmitterSlot& slot : b->emitters)
        if (slot.emitter) MoveEmitter(slot.emitter, by[0], by[1], by[2]);
}

// Smoke from above the head for a burst: the burst counts from 1, so it lasts
// frames - 1 updates, and a burst of 1 or fewer would never end; it is made
// one update long instead.
void StartSmokeAt(Bunny* b, int frames, float x, float y, float z) {
    Emitter* e = MiddleEmitter(b);
    if (!e) return;
    SetEmitterActive(e, 1);
    SetEmitterPosition(e, x, y, z);
    SetEmitterSmoke(e);
    b->emitters[1].stepCount = 1;
    b->emitters[1].burstLength = frames < 2 ? 2 : frames;
}

}  // namespace

void StartBunnyEmitter1Smoke(Bunny* b, int frames) { StartSmokeAt(b, frames, 0, 0.4f, 0); }

// The smoke place moved to the opening Bunny's standing place.
void StartBunnyEmitter1SmokeOpening(Bunny* b, int frames) {
    StartSmokeAt(b, frames, 0, 0.4f + kOpeningShift[1], kOpeningShift[2]);
}

// Back to fire at the chest for the next burning; on/off and the burst stay.
void RestoreBunnyEmitter1Fire(Bunny* b, int) {
    Emitter* e = MiddleEmitter(b);
    if (!e) return;
    SetEmitterPosition(e, 0, -0.4f, 0);
    SetEmitterFire(e);
}

void RestoreBunnyEmitter1FireB(Bunny* b, int frames) { RestoreBunnyEmitter1Fire(b, frames); }

void StopBunnyTrembling(Bunny* b) { b->trembling = 0; }

void ShiftBunnyEmittersOpening(Bunny* b) { ShiftEmitters(b, kOpeningShift); }
void ShiftBunnyEmittersPalace(Bunny* b) { ShiftEmitters(b, kPalaceShift); }

// ---- The script -----------------------------------------------------------

namespace {

// The time cursors: t[k] = int(t[k-1] + its multiples of u(c) + perSpeed x speed).
struct DeathCursor {
    struct {
        int count, c;
    } terms[2];
    int perSpeed;
};
constexpr DeathCursor kCursors[] = {
    {{{1, 10}, {0, 0}}, 10},   // t1: the fire starts at the feet
    {{{0, 0}, {0, 0}}, 50},    // t2: the flinch
    {{{1, 40}, {0, 0}}, 12},   // t3: rest, eyes wide, rest
    {{{1, 25}, {2, 10}}, 0},   // t4: the chest catches
    {{{0, 0}, {0, 0}}, 15},    // t5: ears forward
    {{{1, 40}, {0, 0}}, 25},   // t6: the head catches, the fades, two shudders
    {{{2, 10}, {0, 0}}, 5},    // t7: sixteen shudders with the smoke
    {{{16, 10}, {0, 0}}, 35},  // t8: the tilt and spins
    {{{3, 15}, {1, 30}}, 1},   // t9: spin and sway
    {{{1, 30}, {4, 20}}, 2},   // t10: the last sway and the stagger
    {{{1, 20}, {1, 7}}, 73},   // t11: the collapse
    {{{1, 5}, {0, 0}}, 1},     // t12: the last stagger
};
constexpr int kCursorCount = sizeof kCursors / sizeof kCursors[0];

int U(int c, double speed) { return int(c * speed); }

// The sum in double precision, as the cursors and delays are defined.
template <class Terms>
double SumOfTerms(const Terms& terms, double speed) {
    double sum = 0;
    for (const auto& t : terms) sum += t.count * U(t.c, speed);
    return sum;
}

int Cursor(int k, double speed) {
    int t = 0;
    for (int i = 0; i < k && i < kCursorCount; ++i)
        t = int(t + SumOfTerms(kCursors[i].terms, speed) + kCursors[i].perSpeed * speed);
    return t;
}

}  // namespace

// Shudders A and B alternate from t6; the smoke starts with the tenth of the
// run from t7 and is cut short by its restart with the eleventh.
const DeathCue kDeathScript[] = {
    {PoseRest, 10, 0, {}},
    {StartBunnyEmitter2, 322, 1, {}},
    {PoseFlinch, 40, 2, {}},
    {PoseRest, 25, 3, {}},
    {PoseEyesWide, 10, 3, {{1, 25}}},
    {PoseRest, 10, 3, {{1, 25}, {1, 10}}},
    {StartBunnyEmitter1, 185, 4, {}},
    {PoseEarsForward, 40, 5, {}},
    {StartBunnyEmitter0, 115, 6, {}},
    {PoseFadeBlack, 60, 6, {}},
    {PoseFadeGreyOutfit4, 40, 6, {{1, 60}}},
    {PoseShudderA, 10, 6, {}},
    {PoseShudderB, 10, 6, {{1, 10}}},
    {PoseShudderA, 10, 7, {}},
    {PoseShudderB, 10, 7, {{1, 10}}},
    {PoseShudderA, 10, 7, {{2, 10}}},
    {PoseShudderB, 10, 7, {{3, 10}}},
    {PoseShudderA, 10, 7, {{4, 10}}},
    {PoseShudderB, 10, 7, {{5, 10}}},
    {PoseShudderA, 10, 7, {{6, 10}}},
    {PoseShudderB, 10, 7, {{7, 10}}},
    {PoseShudderA, 10, 7, {{8, 10}}},
    {StartBunnyEmitter1Smoke, 100, 7, {{9, 10}}},
    {PoseShudderB, 10, 7, {{9, 10}}},
    {PoseShudderA, 10, 7, {{10, 10}}},
    {StartBunnyEmitter1Smoke, 10, 7, {{10, 10}}},
    {PoseShudderB, 10, 7, {{11, 10}}},
    {PoseShudderA, 10, 7, {{12, 10}}},
    {PoseShudderB, 10, 7, {{13, 10}}},
    {PoseShudderA, 10, 7, {{14, 10}}},
    {PoseShudderB, 10, 7, {{15, 10}}},
    {PoseBurnTilt, 15, 8, {}},
    {PoseBurnSpin1, 15, 8, {{1, 15}}},
    {PoseBurnSpin2, 30, 8, {{2, 15}}},
    {PoseBurnSpin3, 15, 8, {{2, 15}, {1, 30}}},
    {PoseBurnSpin4, 30, 9, {}},
    {PoseBurnSway, 20, 9, {{1, 30}}},
    {PoseBurnSpin4, 20, 9, {{1, 30}, {1, 20}}},
    {PoseBurnSway, 20, 9, {{1, 30}, {2, 20}}},
    {PoseBurnSpin4, 20, 9, {{1, 30}, {3, 20}}},
    {PoseBurnSway, 20, 10, {}},
    {RestoreBunnyEmitter1Fire, 20, 10, {}},
    {PoseBurnStagger, 7, 10, {{1, 20}}},
    {PoseBurnCollapse, 5, 11, {}},
    {PoseBurnStagger, 5, 12, {}},
};

float DeathScriptSpeed(float speed) {
    constexpr float kSlowest = 0.2f, kFastest = 10000.0f;
    if (speed >= kSlowest && speed <= kFastest) return speed;
    float played = speed > kFastest ? kFastest : kSlowest;  // NaN plays slowest
    std::fprintf(stderr, "Death sequence speed %g is out of range; playing it at %g.\n", speed,
                 played);
    return played;
}

int DeathCueFrames(const DeathCue& cue, float speed) { return U(cue.frames, speed); }

int DeathCueDelay(const DeathCue& cue, float speed) {
    return int(Cursor(cue.cursor, speed) + SumOfTerms(cue.terms, speed));
}

int PlayBunnyDeathSequence(Bunny* bunny, float speed) {
    speed = DeathScriptSpeed(speed);
    int end = 0;
    for (const DeathCue& cue : kDeathScript) {
        int frames = DeathCueFrames(cue, speed), delay = DeathCueDelay(cue, speed);
        ScheduleBunnyAction(cue.action, bunny, frames, delay);
        end = delay + frames;
    }
    return end;
}
