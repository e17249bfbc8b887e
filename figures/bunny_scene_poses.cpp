// The colour fades of a burning Bunny and the palace scene's two seated
// actors: the lounge-wear actor, who lounges, talks, looks aside and stands
// up to burn, and the robed actor, who sits, talks, looks, nods and steps.
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "figures/bunny_targets.h"

namespace {

// Clothing, ear-back and fur RGB to one grey level; alpha stays.
std::vector<PoseTarget> Grey(float level) {
    std::vector<PoseTarget> out;
    for (int first : {kClothingR, kEarBackR, kFurR})
        for (int c = 0; c < 3; ++c) out.push_back({first + c, level});
    return out;
}

constexpr unsigned kSeated = kSetStance0 | kSetTrembling0;
constexpr unsigned kLookAbout = kGroupEars | kGroupEyebrows | kGroupHead;
constexpr unsigned kStepping = kGroupEars | kGroupEyebrows | kGroupBody | kGroupBackarms |
                               kGroupForearms | kGroupHands | kGroupLegs;

// Both arms alike, as most seated poses hold them.
std::vector<PoseTarget> Arms(float backY, float backZ, float foreY, float foreZ, float handY,
                             float handZ) {
    return JoinTargets({BothYZ(kBackarmY, backY, backZ), BothYZ(kForearmY, foreY, foreZ),
                        BothYZ(kHandY, handY, handZ)});
}
// The robed actor's feet while it talks.
const std::vector<PoseTarget> kRobeFeet{{kFootX, -3}, {kFootY, -5}, {Right(kFootX), 16},
                                        {Right(kFootY), -9}};
// The robed actor's eyebrows, raised on the left.
const std::vector<PoseTarget> kRobeBrows{{kEyebrowAngle, 13}, {kEyebrowOrientation, 6},
                                         {Right(kEyebrowAngle), -6}};

}  // namespace

// Nearly black, then ash grey: the fades of the burning.
const PoseRow kRowFadeGrey{1, kGroupColors, Grey(0.2f), nullptr, 0};
const PoseRow kRowFadeGreyOutfit4{1, kGroupColors, Grey(0.2f), nullptr, kSetOutfit4};
const PoseRow kRowFadeBlack{1, kGroupColors, Grey(0.04f), nullptr, 0};

namespace {

// The lounge-wear actor.
const PoseRow kRowPalaceLoungeSeat{
    0, kGroupAll,
    JoinTargets({{{Right(kEarBend), -63}, {Right(kEarRotate), -17}, {kBodyAngleX, -13},
                  {kBodyAngleY, 1}, {kBodyPosY, -0.00999997f}},
                 Arms(13, 62, 29, -7, -11, 30),
                 {{Both(kUpperlegX), -74}, {Right(kUpperlegZ), 1}}, BothXZ(kLowerlegX, 77, 1)}),
    nullptr, kSeated};
const PoseRow kRowPalaceLoungeTalk1{
    0, 0,
    JoinTargets({Sides(kEarBend, -45, -11), Sides(kEarRotate, -26, -12),
                 Sides(kEyebrowAngle, 5, -5), Sides(kEyebrowOrientation, -5, -8),
                 Sides(kBackarmY, 10, 14), Sides(kUpperlegX, -72, -80), {{Right(kUpperlegZ), 0}},
                 Sides(kLowerlegX, 84, 40), Sides(kLowerlegZ, -2, 10)}),
    &kRowPalaceLoungeSeat, kSeated};
const PoseRow kRowPalaceLoungeTalk2{
    0, 0,
    JoinTargets({{{kBackarmY, 9}}, Sides(kUpperlegX, -82, -72), {{Right(kUpperlegZ), 2}},
                 Sides(kLowerlegX, 30, 76), {{Right(kLowerlegZ), 10}}}),
    &kRowPalaceLoungeSeat, kSeated};
const PoseRow kRowPalaceLoungeTalk3{
    0, kGroupAll,
    JoinTargets({{{kEarBend, -50}}, {{Right(kEarBend), -81}, {Right(kEarRotate), -14}},
                 Sides(kEyebrowAngle, 16, -10), Sides(kEyebrowOrientation, 33, 53),
                 HeadAngle(-20, -1, -7), {{kHeadPosY, 0.4675f}, {kBodyAngleX, 4}, {kBodyAngleY, 1},
                 {kBodyPosX, 0.02f}, {kBodyPosY, 0.03f}},
                 Arms(-12, 27, -57, -7, -11, 30), Sides(kUpperlegX, -86, -87),
                 Sides(kUpperlegZ, -1, -2), Sides(kLowerlegX, 30, 76), Sides(kLowerlegZ, 1, -14)}),
    nullptr, kSeated};
const PoseRow kRowPalaceLoungeTalk4{
    0, kGroupAll,
    JoinTargets({Sides(kEarBend, -77, -114), Sides(kEarRotate, -29, -13),
                 Sides(kEyebrowAngle, 17, -9), Sides(kEyebrowOrientation, 16, 24),
                 HeadAngle(3, -2, -8), HeadAt(0.02f, 0.4375f, 0.08f),
                 {{kBodyAngleX, 6}, {kBodyAngleY, 1}, {kBodyPosX, 0.04f}, {kBodyPosY, 0.03f}},
                 Arms(0, 39, -13, -7, 5, 19), Sides(kUpperlegX, -91, -81), {{Right(kUpperlegZ), -3}},
                 Sides(kLowerlegX, 19, 76), {{Right(kLowerlegZ), -14}}}),
    nullptr, kSeated};
const PoseRow kRowPalaceLoungeLook{
    0, kLookAbout,
    JoinTargets({Sides(kEarBend, -11, -6), Sides(kEarRotate, -34, 30), Sides(kEyebrowAngle, 9, -2),
                 Sides(kEyebrowOrientation, 16, 24), {{kHeadAngleX, -6}, {kHeadAngleY, -58}},
                 HeadAt(0.02f, 0.4375f, 0.08f)}),
    nullptr, kSetStance0};
const PoseRow kRowPalaceLoungeBrows{
    0, kGroupEyebrows, JoinTargets({Sides(kEyebrowAngle, 4, -2), Sides(kEyebrowOrientation, 55, 1)}),
    nullptr, 0};
// Up on its feet where it will burn; its fire moves there with it.
const PoseRow kRowPalaceLoungeStand{
    0, 0,
    JoinTargets({{{kEarRotate, -28}, {kBodyAngleY, 2}, {kBodyAngleZ, 1}}, BodyAt(0.09f, -0.1f, 0.1f),
                 BothXZ(kUpperlegX, -4, -4), BothXZ(kLowerlegX, 5, -10), {{Both(kFootY), -5}}}),
    &kRowPalaceLoungeTalk4, kSeated | kShiftEmittersPalace};

// The robed actor.
const PoseRow kRowPalaceSeat{
    0, kGroupAll,
    JoinTargets({{{kHeadAngleX, -9}, {kHeadPosY, 0.4775f}, {kHeadPosZ, 0.01f}, {kBodyPosY, -0.16f},
                  {kBodyPosZ, 0.02f}},
                 Sides(kUpperlegX, -91, -92), {{kUpperlegZ, 3}}, Sides(kLowerlegX, 78, 93),
                 Sides(kLowerlegZ, 8, -6)}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeTalk1{
    0, kGroupAll,
    JoinTargets({{{Both(kEarBend), -29}, {kEyebrowAngle, 12}, {kHeadAngleX, 4}, {kHeadAngleZ, 2},
                  {kHeadPosY, 0.4675f}, {kHeadPosZ, 0.01f}, {kBodyPosY, -0.16f}, {kBodyPosZ, 0.02f},
                  {kBackarmY, -62}, {kBackarmZ, -34}, {kForearmY, -40}, {kForearmZ, -2},
                  {Right(kForearmY), -84}, {kHandY, -29}, {kHandZ, 23}},
                 Sides(kUpperlegX, -91, -92), {{kUpperlegZ, 3}}, Sides(kLowerlegX, 65, 94),
                 Sides(kLowerlegZ, 8, -6), {{Right(kFootX), 16}, {Right(kFootY), 4}}}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeTalk2{
    0, kGroupAll,
    JoinTargets({Sides(kEarBend, -13, -16), {{kEarRotate, -23}}, kRobeBrows,
                 {{kHeadAngleX, -13}, {kHeadAngleZ, 7}, {kBodyPosY, -0.16f}, {kBodyPosZ, 0.02f}},
                 Sides(kBackarmY, -49, -49), Sides(kBackarmZ, 20, 15), Sides(kForearmY, -8, -6),
                 Sides(kForearmZ, 24, 2), Sides(kHandY, -35, -12), Sides(kHandZ, 42, 3),
                 Sides(kUpperlegX, -79, -92), Sides(kUpperlegZ, 5, 15), Sides(kLowerlegX, 79, 94),
                 Sides(kLowerlegZ, 2, 15), kRobeFeet}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeTalk4{
    0, kGroupAll,
    JoinTargets({Sides(kEarBend, 46, -73), Sides(kEarRotate, -23, -105), kRobeBrows,
                 HeadAngle(-7, -1, -5),
                 {{kHeadPosY, 0.4775f}, {kHeadPosZ, 0.02f}, {kBodyAngleY, 4}, {kBodyPosY, -0.146f},
                  {kBodyPosZ, 0.02f}},
                 Sides(kBackarmY, -58, -51), Sides(kBackarmZ, 20, 27), Sides(kForearmY, -18, -20),
                 Sides(kForearmZ, 15, 10), Sides(kHandY, -42, -52), Sides(kHandZ, 33, 20),
                 Sides(kUpperlegX, -79, -92), Sides(kUpperlegZ, 5, 27), Sides(kLowerlegX, 79, 94),
                 Sides(kLowerlegZ, -13, 15), kRobeFeet}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeTalk3{
    0, 0,
    JoinTargets({Sides(kEarBend, 14, -28), Sides(kEarRotate, -4, -141), Sides(kEyebrowAngle, 16, -10),
                 Sides(kEyebrowOrientation, 33, 53), HeadAngle(-8, -2, 14),
                 {{kHeadPosY, 0.4675f}, {kBodyAngleY, 1}},
                 Sides(kBackarmZ, 13, 21), Sides(kUpperlegZ, -2, 18)}),
    &kRowPalaceRobeTalk4, kSeated};
const PoseRow kRowPalaceRobeTalk5{
    0, kGroupAll,
    JoinTargets({Sides(kEarBend, -25, 31), Sides(kEarRotate, -20, -105), HeadAngle(-5, -4, -5),
                 {{kHeadPosY, 0.4775f}, {kHeadPosZ, 0.02f}, {kBodyAngleX, -7}, {kBodyAngleY, 4},
                  {kBodyPosY, -0.146f}, {kBodyPosZ, 0.02f}},
                 Arms(-30, 34, 25, 15, -5, 13), Sides(kUpperlegX, -71, -90), Sides(kUpperlegZ, 5, 27),
                 Sides(kLowerlegX, -6, 94), Sides(kLowerlegZ, -13, 15), kRobeFeet}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeTalk6{
    0, 0,
    JoinTargets({Sides(kEarBend, 42, -40), Sides(kEarRotate, -58, -114), kRobeBrows,
                 {{kHeadAngleX, 6}, {kHeadAngleZ, -4}, {kBodyAngleX, 1}, {kBodyPosZ, 0.03f}},
                 Arms(-57, 9, -31, -6, -10, -5), Sides(kUpperlegX, -75, -92), {{Right(kUpperlegZ), 29}},
                 Sides(kLowerlegX, 79, -4), {{kLowerlegZ, -14}}}),
    &kRowPalaceRobeTalk5, kSeated};
const PoseRow kRowPalaceRobeStep1{
    0, kStepping,
    JoinTargets({Sides(kEarBend, -16, -1), Sides(kEarRotate, -39, -120), kRobeBrows,
                 BodyAngle(-10, 17, 1), BodyAt(0.36f, -0.166f, 0.5f), Arms(5, 51, 23, -3, -10, -5),
                 Sides(kUpperlegX, 3, 26), Sides(kUpperlegZ, 23, 2), Sides(kLowerlegX, 30, -20),
                 Sides(kLowerlegZ, -20, 4), Sides(kFootX, -4, 14), Sides(kFootY, -5, -18)}),
    nullptr, kSeated};
const PoseRow kRowPalaceRobeStep2{
    0, 0,
    JoinTargets({Sides(kEarBend, -55, -46), Sides(kEarRotate, -52, -117),
                 Sides(kEyebrowOrientation, 25, 35),
                 {{kBodyAngleX, 0}, {kBodyAngleZ, 0}, {kBodyPosY, -0.146f}},
                 Arms(-41, 66, -31, -22, -13, -7), Sides(kUpperlegX, -10, 9), Sides(kUpperlegZ, 15, 8),
                 Sides(kLowerlegX, 27, 0), Sides(kLowerlegZ, -13, 21), {{Right(kFootX), -2}}}),
    &kRowPalaceRobeStep1, kSeated};
const PoseRow kRowPalaceRobeLook{
    0, kLookAbout,
    JoinTargets({Sides(kEarBend, 19, -5), Sides(kEarRotate, 12, -139), Sides(kEyebrowAngle, 6, 2),
                 Sides(kEyebrowOrientation, 6, 16), HeadAngle(2, 51, -2),
                 {{kHeadPosY, 0.4675f}, {kHeadPosZ, 0.02f}}}),
    nullptr, kSetStance0};
const PoseRow kRowPalaceRobeBrows{
    0, kGroupEyebrows, JoinTargets({Sides(kEyebrowAngle, 5, 1), Sides(kEyebrowOrientation, 39, -2)}),
    nullptr, 0};
const PoseRow kRowPalaceRobeNod{
    0, kGroupEyeballs | kGroupHead,
    JoinTargets({HeadAngle(30, -15, -4), {{kHeadPosY, 0.4675f}, {kHeadPosZ, 0.07f}}}), nullptr,
    kSetStance0};

}  // namespace

void PoseFadeGrey(Bunny* b, int n) { ApplyBunnyPose(b, kRowFadeGrey, n); }
void PoseFadeGreyOutfit4(Bunny* b, int n) { ApplyBunnyPose(b, kRowFadeGreyOutfit4, n); }
void PoseFadeBlack(Bunny* b, int n) { ApplyBunnyPose(b, kRowFadeBlack, n); }

void PosePalaceLoungeSeat(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeSeat, n); }
void PosePalaceLoungeTalk1(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeTalk1, n); }
void PosePalaceLoungeTalk2(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeTalk2, n); }
void PosePalaceLoungeTalk3(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeTalk3, n); }
void PosePalaceLoungeTalk4(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeTalk4, n); }
void PosePalaceLoungeLook(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeLook, n); }
void PosePalaceLoungeBrows(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeBrows, n); }
void PosePalaceLoungeStand(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceLoungeStand, n); }
void PosePalaceSeat(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceSeat, n); }
void PosePalaceRobeTalk1(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk1, n); }
void PosePalaceRobeTalk2(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk2, n); }
void PosePalaceRobeTalk3(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk3, n); }
void PosePalaceRobeTalk4(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk4, n); }
void PosePalaceRobeTalk5(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk5, n); }
void PosePalaceRobeTalk6(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeTalk6, n); }
void PosePalaceRobeStep1(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeStep1, n); }
void PosePalaceRobeStep2(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeStep2, n); }
void PosePalaceRobeLook(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeLook, n); }
void PosePalaceRobeBrows(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeBrows, n); }
void PosePalaceRobeNod(Bunny* b, int n) { ApplyBunnyPose(b, kRowPalaceRobeNod, n); }
