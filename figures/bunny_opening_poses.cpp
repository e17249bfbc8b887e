// The opening story's Bunny: it peeks up from hiding and ducks back, slides
// aside far off, hops towards the viewer on all fours, stands and waves. Its
// travel through the scene is carried by its body position. Also the fall
// wobble, with which a pib's Bunny flails as it drops into a hole.
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "figures/bunny_targets.h"

namespace {

constexpr unsigned kFace = kGroupEars | kGroupEyebrows | kGroupEyeballs;
constexpr unsigned kLimbs = kGroupBackarms | kGroupForearms | kGroupHands | kGroupLegs;

// Looking aside while sliding: the eyes to the left, the left pupil smaller.
const std::vector<PoseTarget> kLookingAside{
    {kEyeballRadius, 0.0592323f}, {kEyeballXcor, 0.1f}, {Right(kEyeballXcor), 0.1f}};

constexpr unsigned kWobbleGroups =
    kGroupEars | kGroupHead | kGroupBody | kLimbs | kGroupEyePositions;

}  // namespace

// Peeking from behind cover, sunk out of sight; the turns look both ways.
const PoseRow kRowPeekHide{1, kGroupEars | kGroupEyebrows | kGroupHead | kGroupBody,
                           {{kEyebrowAngle, -44}, {kEyebrowOrientation, 24},
                            {Right(kEyebrowAngle), -25}, {Right(kEyebrowOrientation), -85},
                            {kBodyPosY, -2.2f}, {kBodyPosZ, 0.03f}},
                           nullptr, kSetTrembling0};
const PoseRow kRowPeekUp{1, kGroupBody, {{kBodyPosY, -1.54f}, {kBodyPosZ, 0.03f}}, nullptr, 0};
const PoseRow kRowPeekTurnA{1, 0, {{kBodyAngleY, -54}}, &kRowPeekUp, 0};
const PoseRow kRowPeekTurnB{1, 0, {{kBodyAngleY, 54}}, &kRowPeekUp, 0};

// Far off and leaning, then sliding aside and back while looking about.
const PoseRow kRowOpeningLean{0, kGroupAll,
                              JoinTargets({{{kEyeballRadius, 0.0592323f}, {kHeadAngleY, 2},
                                            {kHeadAngleZ, 22}, {kBodyAngleY, 0.000150681f},
                                            {kBodyAngleZ, -25}},
                                           BodyAt(-3.55f, 0.23f, -12.1102f)}),
                              nullptr, kSetTrembling0};
const PoseRow kRowOpeningSlide{0, kGroupEars | kGroupEyeballs,
                               JoinTargets({kLookingAside, {{kBodyPosX, -3.01f}}}), nullptr, 0};
const PoseRow kRowOpeningEarsBrows{
    0, kFace,
    JoinTargets({{{kEarBend, -50}, {kEarRotate, -56}, {Right(kEarBend), -43}, {Right(kEarRotate), 48},
                  {kEyebrowAngle, -5}, {kEyebrowOrientation, -6}, {Right(kEyebrowAngle), -3},
                  {Right(kEyebrowOrientation), 40}},
                 kLookingAside}),
    nullptr, 0};
// Not quite back: the eyes rest a little to the left of centre.
const PoseRow kRowOpeningEyesBack{0, 0, {{Both(kEyeballXcor), 0.06f}}, nullptr, 0};
const PoseRow kRowOpeningEarsRest{0, kGroupEars, {}, nullptr, 0};
const PoseRow kRowOpeningSlideBack{0, 0, {{kBodyPosX, -3.55f}}, nullptr, 0};

// The hop: gather, push off, fly, reach for the ground, land.
const PoseRow kRowHopGather{
    0, kGroupHead | kGroupBody | kLimbs,
    JoinTargets({{{kHeadAngleX, -103}, {kHeadAngleY, -1}}, HeadAt(-0.01f, 0.4575f, 0.08f),
                 {{kBodyAngleX, 58}}, BodyAt(-3.96f, -0.88f, -2.31f), BothYZ(kBackarmY, -74, -2),
                 BothYZ(kForearmY, -6, 9), BothYZ(kHandY, -12, -8), BothXZ(kUpperlegX, -150, -7),
                 {{Both(kLowerlegX), 127}, {Both(kFootX), -30}, {Both(kFootY), -5}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowHopPush{
    0, kGroupAll,
    JoinTargets({{{Both(kEarBend), -109}, {Both(kEarRotate), -3}, {kHeadAngleX, -76}, {kHeadAngleY, -2}},
                 HeadAt(-0.02f, 0.4675f, -0.19f), {{kBodyAngleX, 94}, {kBodyAngleY, -5}},
                 BodyAt(-3.96f, -0.57f, -1.74f), BothYZ(kBackarmY, -77, 29), BothYZ(kForearmY, -9, 31),
                 BothYZ(kHandY, -9, 14), BothXZ(kUpperlegX, -52, -11), BothXZ(kLowerlegX, 3, -3),
                 {{Both(kFootX), 81}, {Both(kFootY), -12}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowHopFly{
    0, kGroupAll,
    JoinTargets({{{Both(kEarBend), -145}, {Both(kEarRotate), -3}, {kHeadAngleX, -67.4f}, {kHeadAngleY, -2}},
                 HeadAt(-0.01f, 0.4595f, -0.16f), {{kBodyAngleX, 96.8f}, {kBodyAngleY, -5}},
                 BodyAt(-3.96f, -0.664f, -1.42125f), BothYZ(kBackarmY, -73, 19.6f),
                 BothYZ(kForearmY, -1.6f, 30.6f), BothYZ(kHandY, -10.2f, 2),
                 BothXZ(kUpperlegX, 1.39998f, -11), BothXZ(kLowerlegX, 10.2f, -3),
                 {{Both(kFootX), 81}, {Both(kFootY), -12}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowHopReach{
    0, kGroupAll,
    JoinTargets({{{Both(kEarBend), -160}, {Both(kEarRotate), -3}, {kHeadAngleX, -69.4f},
                  {kHeadAngleY, -2}, {kHeadAngleZ, 1}},
                 HeadAt(-0.01f, 0.4395f, -0.22f), {{kBodyAngleX, 114.8f}, {kBodyAngleY, -5}},
                 BodyAt(-3.96f, -0.784f, -1.2325f), BothYZ(kBackarmY, -61, 33.6f),
                 BothYZ(kForearmY, -13.6f, 7.6f), BothYZ(kHandY, -8.2f, 36),
                 BothXZ(kUpperlegX, -19.8f, -11),
                 {{Both(kLowerlegX), 50}, {Both(kLowerlegY), -19}, {Both(kFootX), 50}, {Both(kFootY), -19}}}),
    nullptr, kSetTrembling0};
// A landing keeps the depth the hop reached: body Z is not among its fields.
const PoseRow kRowHopLand{
    0, kFace | kGroupHead | kLimbs,
    JoinTargets({{{kHeadAngleX, -76}, {kHeadAngleY, -1}}, HeadAt(-0.01f, 0.3975f, -0.13f),
                 {{kBodyAngleX, 79}, {kBodyAngleY, 0}, {kBodyAngleZ, 0}, {kBodyPosX, -3.96f},
                  {kBodyPosY, -0.86f}},
                 BothYZ(kBackarmY, -74, -10), BothYZ(kForearmY, -8, 11), BothYZ(kHandY, -11, 52),
                 BothXZ(kUpperlegX, -137, -7),
                 {{Both(kLowerlegX), 91}, {Both(kFootX), -27}, {Both(kFootY), -5}}}),
    nullptr, kSetTrembling0};
const PoseRow kRowHopCrouchStart{0, 0, {{kBodyPosZ, -2.31f}}, &kRowHopLand, kSetTrembling0};
const PoseRow kRowHopLookA{0, kFace | kGroupHead,
                           JoinTargets({{{kHeadAngleX, -76}, {kHeadAngleY, -90}},
                                        HeadAt(0.02f, 0.3975f, -0.06f)}),
                           nullptr, 0};
const PoseRow kRowHopLookB{0, 0, {{kHeadAngleY, 90}}, &kRowHopLookA, 0};
const PoseRow kRowHopHeadTilt{0, kFace | kGroupHead,
                              JoinTargets({{{Both(kEarBend), -55}, {Both(kEyebrowOrientation), 48},
                                            {kHeadAngleX, -90}, {kHeadAngleY, 90}},
                                           HeadAt(0.02f, 0.3975f, -0.06f)}),
                              nullptr, 0};
// The second hop, nearer the viewer.
const PoseRow kRowHopGather2{0, 0, {{kBodyPosZ, -1.155f}}, &kRowHopGather, kSetTrembling0};
const PoseRow kRowHopPush2{0, 0, {{kBodyPosZ, -0.585f}}, &kRowHopPush, kSetTrembling0};
const PoseRow kRowHopFly2{0, 0, {{kBodyPosZ, -0.26625f}}, &kRowHopFly, kSetTrembling0};
const PoseRow kRowHopReach2{0, 0, {{kBodyPosZ, 0}}, &kRowHopReach, kSetTrembling0};
const PoseRow kRowHopLand2{0, 0, {}, &kRowHopLand, kSetTrembling0};
const PoseRow kRowHopStandUp{0, kGroupAll, {{kBodyPosX, -3.96f}, {kBodyPosY, -0.79f}}, nullptr,
                             kSetTrembling0};

// Standing at its place, it waves, raises a brow and squints.
const PoseRow kRowOpeningStand{0, kGroupEars | kGroupEyebrows | kGroupHead | kGroupBody | kLimbs,
                               {{Both(kEyeballRadius), 0.06f}, {kBodyPosY, -0.79f}, {kBodyPosZ, -3.96f}},
                               nullptr, 0};
const PoseRow kRowWaveUp{
    0, kGroupAll,
    {{Both(kEarRotate), -55}, {kHeadAngleZ, 10}, {kBodyPosY, -0.69f}, {kBodyPosZ, -3.96f},
     {kBackarmY, 31}, {kBackarmZ, 102}, {Right(kBackarmZ), -46}, {kForearmY, -39}, {kForearmZ, -7},
     {Right(kForearmY), -57}, {kHandZ, 7}, {Right(kHandZ), 1}, {kUpperlegZ, -1}, {kLowerlegZ, -2},
     {Both(kFootX), 70}},
    nullptr, kSetTrembling0};
const PoseRow kRowWaveDown{0, kGroupLeftArmAngles,
                           {{kBackarmY, 31}, {kBackarmZ, 12}, {kForearmY, -39}, {kForearmZ, -7},
                            {kHandY, -15}, {kHandZ, -7}},
                           nullptr, 0};
const PoseRow kRowBrowRaise{0, kGroupEyebrows, {{kEyebrowOrientation, 50}}, nullptr, 0};
const PoseRow kRowSquint{0, kGroupEyebrows | kGroupEyeballs,
                         {{Both(kEyeballRadius), 0.05f}, {Both(kEyeballYcor), 0.0575f}}, nullptr, 0};
const PoseRow kRowHeadStraight{0, 0, {{kHeadAngleZ, 0}}, nullptr, 0};

// The fall wobble: the ears swap sides between the two, the head tips back.
const PoseRow kRowFallWobbleA{
    0, kWobbleGroups,
    {{kEarBend, -82.4716f}, {kEarRotate, -19.8824f}, {Right(kEarBend), 73.646f},
     {Right(kEarRotate), 7.29162f}, {Both(kEyeballXcor), 0.0494281f}, {kEyeballYcor, 0.215818f},
     {Right(kEyeballYcor), 0.2157197f}, {kHeadAngleX, -33.783966f}, {kHeadAngleY, 0.0195993f},
     {kHeadAngleZ, -0.0391986f}, {kHeadPosY, 0.48701f}, {kBackarmZ, -83.6f},
     {Right(kBackarmY), 4.15759f}, {Right(kBackarmZ), 82.1956f}, {kForearmY, -1.4903f},
     {kForearmZ, -33.9804f}, {Right(kForearmY), -2.35311f}, {Right(kForearmZ), 34.804f}},
    nullptr, kSetTrembling1};
const PoseRow kRowFallWobbleB{
    0, kWobbleGroups,
    {{kEarBend, 73.646f}, {kEarRotate, 7.29162f}, {Right(kEarBend), -82.4716f},
     {Right(kEarRotate), -19.8824f}, {Both(kEyeballXcor), 0.0494281f}, {kEyeballYcor, 0.2157197f},
     {Right(kEyeballYcor), 0.215818f}, {kHeadAngleX, -54.83966f}, {kHeadAngleY, 0.0195993f},
     {kHeadAngleZ, 0.0391986f}, {kHeadPosY, 0.48701f}, {kBackarmY, -24.15759f},
     {kBackarmZ, 62.1956f}, {Right(kBackarmZ), -63.6f}, {kForearmY, -2.35311f}, {kForearmZ, 4.804f},
     {Right(kForearmY), -1.4903f}, {Right(kForearmZ), 23.9804f}},
    nullptr, 0};

void PosePeekHide(Bunny* b, int n) { ApplyBunnyPose(b, kRowPeekHide, n); }
void PosePeekUp(Bunny* b, int n) { ApplyBunnyPose(b, kRowPeekUp, n); }
void PosePeekTurnA(Bunny* b, int n) { ApplyBunnyPose(b, kRowPeekTurnA, n); }
void PosePeekTurnB(Bunny* b, int n) { ApplyBunnyPose(b, kRowPeekTurnB, n); }
void PoseOpeningLean(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningLean, n); }
void PoseOpeningSlide(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningSlide, n); }
void PoseOpeningEarsBrows(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningEarsBrows, n); }
void PoseOpeningEyesBack(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningEyesBack, n); }
void PoseOpeningEarsRest(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningEarsRest, n); }
void PoseOpeningSlideBack(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningSlideBack, n); }
void PoseHopGather(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopGather, n); }
void PoseHopPush(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopPush, n); }
void PoseHopFly(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopFly, n); }
void PoseHopReach(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopReach, n); }
void PoseHopLand(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopLand, n); }
void PoseHopCrouchStart(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopCrouchStart, n); }
void PoseHopLookA(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopLookA, n); }
void PoseHopLookB(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopLookB, n); }
void PoseHopHeadTilt(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopHeadTilt, n); }
void PoseHopGather2(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopGather2, n); }
void PoseHopPush2(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopPush2, n); }
void PoseHopFly2(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopFly2, n); }
void PoseHopReach2(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopReach2, n); }
void PoseHopLand2(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopLand2, n); }
void PoseHopStandUp(Bunny* b, int n) { ApplyBunnyPose(b, kRowHopStandUp, n); }
void PoseOpeningStand(Bunny* b, int n) { ApplyBunnyPose(b, kRowOpeningStand, n); }
void PoseWaveUp(Bunny* b, int n) { ApplyBunnyPose(b, kRowWaveUp, n); }
void PoseWaveDown(Bunny* b, int n) { ApplyBunnyPose(b, kRowWaveDown, n); }
void PoseBrowRaise(Bunny* b, int n) { ApplyBunnyPose(b, kRowBrowRaise, n); }
void PoseSquint(Bunny* b, int n) { ApplyBunnyPose(b, kRowSquint, n); }
void PoseHeadStraight(Bunny* b, int n) { ApplyBunnyPose(b, kRowHeadStraight, n); }

void PoseFallWobbleA(Bunny* b, int n) { ApplyBunnyPose(b, kRowFallWobbleA, n); }
void PoseFallWobbleB(Bunny* b, int n) { ApplyBunnyPose(b, kRowFallWobbleB, n); }
