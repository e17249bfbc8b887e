// The Bunny's in-game poses as table rows, one per animation kind, and the
// opening scene's variants of the crouch-and-flip chain. Every field of a
// row's groups goes to its rest value unless the row gives a target.
#include "figures/bunny_poses.h"

#include <cstdio>

#include "figures/bunny_record.h"

namespace {

// Side 0 left, 1 right.
constexpr int Side(int f, int side) { return side ? Right(f) : f; }

// The six body targets at once, so a variant replaces its base's body whole.
std::vector<PoseTarget> Body(float ax, float ay, float az, float px, float py, float pz) {
    return {{kBodyAngleX, ax}, {kBodyAngleY, ay}, {kBodyAngleZ, az},
            {kBodyPosX, px},   {kBodyPosY, py},   {kBodyPosZ, pz}};
}

// The arm held straight out, each segment 1.21 times its rest length.
std::vector<PoseTarget> ArmOut(int side) {
    return {{Side(kBackarmY, side), 0}, {Side(kBackarmZ, side), 0},
            {Side(kBackarmDim, side), 0.114345f},
            {Side(kForearmY, side), 0}, {Side(kForearmZ, side), 0},
            {Side(kForearmDim, side), 0.1486485f},
            {Side(kHandY, side), 0}, {Side(kHandZ, side), 0},
            {Side(kHandDim, side), 0.046585f}};
}

// The arm lifted with the gun shrunk away.
std::vector<PoseTarget> ArmRaise(int side) {
    return {{Side(kBackarmY, side), -56}, {Side(kBackarmZ, side), -12},
            {Side(kForearmY, side), -49}, {Side(kForearmZ, side), -3},
            {Side(kHandY, side), -132},   {Side(kHandZ, side), -4},
            {kGunScale + side, 0}};
}

// The arm pointing forward with the gun grown to full size.
std::vector<PoseTarget> ArmFire(int side) {
    return {{Side(kBackarmY, side), -69}, {Side(kBackarmZ, side), 14},
            {Side(kForearmY, side), -4},  {Side(kForearmZ, side), -3},
            {Side(kHandY, side), -12},    {Side(kHandZ, side), -3},
            {kGunScale + side, 1}};
}

const std::vector<PoseTarget> kCrouchEyebrows = {
    {kEyebrowAngle, 11}, {kEyebrowOrientation, 42},
    {Right(kEyebrowAngle), 4}, {Right(kEyebrowOrientation), 51}};

// Eyes rolled up, shared by the jump, the half flip and both ramp leans.
const std::vector<PoseTarget> kEyesUp = {
    {kEyeballYcor, 0.0175f}, {Right(kEyeballRadius), 0.055f}, {Right(kEyeballYcor), 0.0175f}};

constexpr unsigned kFace = kGroupEars | kGroupEyeballs | kGroupEyebrows;
constexpr unsigned kTrunk = kGroupBody | kGroupHead | kGroupLegs;
constexpr unsigned kLeanGroups = kGroupEars | kGroupEyePositions | kTrunk;
constexpr unsigned kCrouchGroups = kFace | kTrunk | kGroupBothArmAngles;

const PoseRow kRest{0, kGroupAll, {}, nullptr, kSetStance0 | kSetTrembling0};

const PoseRow kTremble{1, kCrouchGroups,
    {{kEarBend, 112}, {kEarRotate, 33}, {Right(kEarBend), 118}, {Right(kEarRotate), 47},
     {kEyeballRadius, 0.02083335f}, {kEyeballXcor, 0.02083335f}, {kEyeballYcor, 0.0516665f},
     {Right(kEyeballRadius), 0.02083335f}, {Right(kEyeballXcor), 0.02083333f},
     {Right(kEyeballYcor), 0.04666665f},
     {kEyebrowAngle, -8}, {kEyebrowOrientation, -107},
     {Right(kEyebrowAngle), -8}, {Right(kEyebrowOrientation), -111},
     {kHeadAngleX, 40}, {kHeadAngleY, 1}, {kHeadAngleZ, -2},
     {kHeadPosX, 0.005f}, {kHeadPosY, 0.4625f}, {kHeadPosZ, 0.225f},
     {kBackarmY, -52}, {kBackarmZ, 27}, {Right(kBackarmY), -73}, {Right(kBackarmZ), 16},
     {kForearmY, -57}, {kForearmZ, -5}, {Right(kForearmY), -50}, {Right(kForearmZ), 4},
     {kHandY, -30}, {kHandZ, 15}, {Right(kHandY), -12}, {Right(kHandZ), 41},
     {kUpperlegX, -67}, {Right(kUpperlegX), -72}, {kLowerlegX, 74}, {Right(kLowerlegX), 75}},
    nullptr, kSetTrembling1};

const PoseRow kRightArmOut{2, kGroupRightWholeArm, ArmOut(1), nullptr, 0};
const PoseRow kRightArmBack{3, kGroupRightWholeArm, {}, nullptr, 0};
const PoseRow kLeftArmOut{4, kGroupLeftWholeArm, ArmOut(0), nullptr, 0};
const PoseRow kLeftArmBack{5, kGroupLeftWholeArm, {}, nullptr, 0};

// The two turn leans are not exact mirrors of each other (the eyes, the
// signs of the leg angles and the turned foot differ): kept as drawn.
const PoseRow kLeanLeft{6, kLeanGroups,
    {{kEarBend, 82}, {kEarRotate, 199}, {Right(kEarBend), 82}, {Right(kEarRotate), 2},
     {Both(kEyeballXcor), 0.09f},
     {kBodyAngleY, -4}, {kBodyAngleZ, 10}, {kBodyPosY, -0.24f}, {kHeadAngleZ, -11},
     {kUpperlegX, -1}, {kUpperlegZ, 5}, {Right(kUpperlegX), 5}, {Right(kUpperlegZ), -12},
     {kLowerlegX, 3}, {kLowerlegZ, -13}, {Right(kLowerlegX), -5}, {Right(kLowerlegZ), 16},
     {Right(kFootY), -1}, {Right(kFootZ), 6}},
    nullptr, 0};

const PoseRow kLeanRight{7, kLeanGroups,
    {{Right(kEarBend), 82}, {Right(kEarRotate), 199}, {kEarBend, 82}, {kEarRotate, 2},
     {Both(kEyeballXcor), 0.01f},
     {kBodyAngleY, 4}, {kBodyAngleZ, -10}, {kBodyPosY, -0.24f}, {kHeadAngleZ, 11},
     {Right(kUpperlegX), 1}, {Right(kUpperlegZ), -5}, {kUpperlegX, -5}, {kUpperlegZ, 12},
     {Right(kLowerlegX), -3}, {Right(kLowerlegZ), 13}, {kLowerlegX, 5}, {kLowerlegZ, -16},
     {kFootY, -1}, {kFootZ, 6}},
    nullptr, 0};

// Walking is the rest stance; arms, eyebrows and eyeball sizes stay as they are.
const PoseRow kWalk{8, kLeanGroups, {}, nullptr, kSetStance0};

const PoseRow kDuck{9, kFace | kTrunk,
    {{kEarBend, -101}, {kEarRotate, -70}, {Right(kEarBend), -109}, {Right(kEarRotate), -60},
     {Both(kEyeballYcor), 0.2475f},
     {kBodyAngleX, 14}, {kBodyPosY, -0.31f},
     {kHeadAngleX, 12}, {kHeadPosY, 0.4575f}, {kHeadPosZ, 0.05f},
     {kUpperlegX, -104}, {Right(kUpperlegX), -108}, {kLowerlegX, 87}, {Right(kLowerlegX), 91}},
    nullptr, 0};

constexpr unsigned kRecoilGroups = kGroupEars | kGroupEyeballs | kTrunk;

const PoseRow kRecoil{10, kRecoilGroups,
    {{Both(kEarBend), 100}, {Both(kEarRotate), 7}, {Both(kEyeballRadius), 0.09f},
     {kBodyAngleZ, 1}, {kBodyPosY, -0.17f}, {kBodyPosZ, -0.11f},
     {kHeadAngleX, 12}, {kHeadPosZ, -0.04f},
     {Both(kUpperlegX), -52}, {Both(kUpperlegZ), -1}, {Both(kLowerlegX), 18},
     {Both(kLowerlegZ), 2}, {Both(kFootX), 9}},
    nullptr, 0};

const PoseRow kRecoilBack{11, kRecoilGroups, {}, nullptr, 0};
const PoseRow kRightArmRest{12, kGroupRightWholeArm, {}, nullptr, 0};
const PoseRow kLeftArmRest{13, kGroupLeftWholeArm, {}, nullptr, 0};
const PoseRow kStandUp{14, kFace | kTrunk, {}, nullptr, 0};

const PoseRow kCrouch{15, kCrouchGroups,
    JoinTargets({{{Both(kEarBend), 0}, {Both(kEarRotate), 0},
                  {kEyeballYcor, 0.2075f}, {Right(kEyeballRadius), 0.055f},
                  {Right(kEyeballYcor), 0.2075f}},
                 kCrouchEyebrows,
                 {{kBodyPosX, -0.01f}, {kBodyPosY, -0.35f}, {kBodyPosZ, -0.02f},
                  {kHeadAngleX, -13}, {kHeadAngleY, 1}, {kHeadPosX, -0.01f},
                  {kHeadPosY, 0.4275f},
                  {kBackarmY, 24}, {Right(kBackarmZ), -47}, {kForearmY, -106},
                  {Right(kForearmY), -102}, {kHandZ, -7},
                  {kUpperlegX, -97}, {Right(kUpperlegX), -93}, {kLowerlegX, 108},
                  {Right(kLowerlegX), 93}}}),
    nullptr, kSetTrembling0};

const PoseRow kJump{16, kCrouchGroups,
    JoinTargets({{{Both(kEarBend), 0}, {Both(kEarRotate), 0}},
                 kEyesUp,
                 kCrouchEyebrows,
                 {{kBodyPosX, -0.01f}, {kBodyPosY, 0.67f}, {kBodyPosZ, -0.02f},
                  {kHeadAngleX, -13}, {kHeadAngleY, 1}, {kHeadPosX, -0.01f},
                  {kHeadPosY, 0.4275f},
                  {Both(kBackarmY), 75}, {Both(kBackarmZ), -71}, {Both(kForearmY), 2},
                  {Both(kForearmZ), 3}, {Both(kHandY), -9}, {Both(kHandZ), -7},
                  {Both(kUpperlegX), 5}, {Both(kUpperlegZ), 2}, {Both(kLowerlegX), 7},
                  {Both(kFootX), 67}}}),
    nullptr, kSetTrembling0};

const PoseRow kHalfFlip{17, kCrouchGroups,
    JoinTargets({{{Both(kEarBend), 102}, {Both(kEarRotate), 0}},
                 kEyesUp,
                 kCrouchEyebrows,
                 {{kBodyAngleX, -180}, {kBodyPosX, -0.01f}, {kBodyPosY, 1.06f},
                  {kBodyPosZ, -0.02f},
                  {kHeadAngleX, 33}, {kHeadAngleY, 1}, {kHeadAngleZ, -1}, {kHeadPosX, -0.01f},
                  {Both(kBackarmY), -40}, {Both(kBackarmZ), -42}, {Both(kForearmY), -129},
                  {Both(kForearmZ), 31}, {Both(kUpperlegX), -142}, {Both(kUpperlegZ), 2},
                  {Both(kLowerlegX), 52}}}),
    nullptr, kSetTrembling0};

// Past -360 on the body's X: the engine folds it to a small positive angle.
const PoseRow kFullFlip{18, kCrouchGroups,
    JoinTargets({{{Both(kEarBend), 34}, {Both(kEarRotate), 0},
                  {kEyeballYcor, 0.1975f}, {Right(kEyeballRadius), 0.055f},
                  {Right(kEyeballYcor), 0.1975f}},
                 kCrouchEyebrows,
                 {{kBodyAngleX, -361}, {kBodyPosX, -0.01f}, {kBodyPosY, 0.69f},
                  {kBodyPosZ, -0.02f},
                  {kHeadAngleX, -3}, {kHeadAngleY, 1}, {kHeadAngleZ, -1}, {kHeadPosX, -0.01f},
                  {Both(kBackarmY), -8}, {Both(kBackarmZ), 13}, {Both(kForearmY), -20},
                  {Both(kForearmZ), 69}, {Both(kUpperlegX), -19}, {Both(kUpperlegZ), 2},
                  {Both(kLowerlegX), 8}, {Both(kLowerlegZ), -16}, {Both(kFootX), -42}}}),
    nullptr, kSetTrembling0};

const PoseRow kRightArmRaise{19, kGroupRightArmAngles | kGroupRightGun, ArmRaise(1), nullptr, 0};
const PoseRow kRightArmFire{20, kGroupRightArmAngles | kGroupRightGun, ArmFire(1), nullptr, 0};
const PoseRow kLeftArmRaise{21, kGroupLeftArmAngles | kGroupLeftGun, ArmRaise(0), nullptr, 0};
const PoseRow kLeftArmFire{22, kGroupLeftArmAngles | kGroupLeftGun, ArmFire(0), nullptr, 0};

constexpr unsigned kRampGroups = kGroupEyeballs | kTrunk;

const PoseRow kClimbLean{23, kRampGroups,
    JoinTargets({kEyesUp,
                 {{kBodyAngleX, -11}, {kBodyPosY, 0.04f},
                  {kHeadAngleX, 11}, {kHeadPosX, -0.005f}, {kHeadPosY, 0.4775f},
                  {kHeadPosZ, 0.19f},
                  {Both(kUpperlegX), -42}, {Both(kLowerlegX), 33}, {Both(kFootY), -15}}}),
    nullptr, kSetTrembling0};

const PoseRow kDescendLean{24, kRampGroups,
    JoinTargets({kEyesUp,
                 {{kBodyAngleX, 11}, {kBodyPosY, -0.18f},
                  {kHeadAngleX, 11}, {kHeadPosX, 0.005f}, {kHeadPosY, 0.4975f},
                  {kHeadPosZ, 0.19f},
                  {Both(kUpperlegX), 42}, {Both(kLowerlegX), -33}, {Both(kFootY), 15}}}),
    nullptr, kSetTrembling0};

// Both duck leans tilt the ears the same way; the legs swap sides.
const PoseRow kDuckLeanLeft{25, kLeanGroups,
    {{Right(kEarBend), 103}, {Right(kEarRotate), 199}, {kEarBend, 131}, {kEarRotate, 2},
     {Both(kEyeballXcor), 0.01f},
     {kBodyAngleY, -4}, {kBodyAngleZ, 16}, {kBodyPosX, 0.01f}, {kBodyPosY, -0.31f},
     {kHeadAngleZ, -11}, {kHeadPosX, -0.01f}, {kHeadPosY, 0.4275f},
     {Right(kUpperlegX), -16}, {Right(kUpperlegZ), -38}, {kUpperlegX, 3}, {kUpperlegZ, 31},
     {Right(kLowerlegX), 11}, {Right(kLowerlegZ), 36}, {kLowerlegX, -2}, {kLowerlegZ, -27},
     {Right(kFootX), -13}, {Right(kFootY), -1}, {Right(kFootZ), 6}, {kFootX, -11}},
    nullptr, kSetStance1};

const PoseRow kDuckLeanRight{26, kLeanGroups,
    {{kEarBend, 131}, {kEarRotate, 2}, {Right(kEarBend), 103}, {Right(kEarRotate), 199},
     {Both(kEyeballXcor), 0.09f},
     {kBodyAngleY, 4}, {kBodyAngleZ, -16}, {kBodyPosX, -0.01f}, {kBodyPosY, -0.31f},
     {kHeadAngleZ, 11}, {kHeadPosX, 0.01f}, {kHeadPosY, 0.4275f},
     {kUpperlegX, -16}, {kUpperlegZ, -38}, {Right(kUpperlegX), 3}, {Right(kUpperlegZ), 31},
     {kLowerlegX, 11}, {kLowerlegZ, 36}, {Right(kLowerlegX), -2}, {Right(kLowerlegZ), -27},
     {kFootX, -13}, {kFootY, -1}, {kFootZ, 6}, {Right(kFootX), -11}},
    nullptr, kSetStance1};

const PoseRow* const kInGameRows[kBunnyInGamePoseCount] = {
    &kRest,         &kTremble,      &kRightArmOut,  &kRightArmBack, &kLeftArmOut,
    &kLeftArmBack,  &kLeanLeft,     &kLeanRight,    &kWalk,         &kDuck,
    &kRecoil,       &kRecoilBack,   &kRightArmRest, &kLeftArmRest,  &kStandUp,
    &kCrouch,       &kJump,         &kHalfFlip,     &kFullFlip,     &kRightArmRaise,
    &kRightArmFire, &kLeftArmRaise, &kLeftArmFire,  &kClimbLean,    &kDescendLean,
    &kDuckLeanLeft, &kDuckLeanRight,
};

// The opening scene's chain: the in-game pose moved to the scene's spot, the
// whole body replaced. The landing leaves the stance flag alone.
const PoseRow kOpeningCrouch{15, 0, Body(0, 0, 0, -3.97f, -0.92f, -0.02f), &kCrouch,
                             kSetTrembling0};
const PoseRow kOpeningJump{16, 0, Body(0, 22.5f, 0, -3.97f, 0.1f, -0.02f), &kJump,
                           kSetTrembling0};
const PoseRow kOpeningHalfFlip{17, 0, Body(-180, 45, 0, -3.97f, 0.49f, -0.02f), &kHalfFlip,
                               kSetTrembling0};
const PoseRow kOpeningFullFlip{18, 0, Body(-361, 67.5f, 0, -3.97f, 0.12f, -0.02f), &kFullFlip,
                               kSetTrembling0};
const PoseRow kOpeningLand{0, 0, Body(0, 90, 0, -3.96f, -0.79f, 0), &kRest, kSetTrembling0};

const PoseRow* const kOpeningRows[kBunnyOpeningVariantCount] = {
    &kOpeningCrouch, &kOpeningJump, &kOpeningHalfFlip, &kOpeningFullFlip, &kOpeningLand,
};

}  // namespace

const PoseRow& BunnyInGamePoseRow(int kind) {
    if (kind >= 0 && kind < kBunnyInGamePoseCount) return *kInGameRows[kind];
    std::printf("There is no pose of kind %d: kinds are 0 to 26; using the rest pose\n", kind);
    return kRest;
}

const PoseRow& BunnyOpeningVariantRow(int i) {
    if (i >= 0 && i < kBunnyOpeningVariantCount) return *kOpeningRows[i];
    std::printf("There is no opening variant %d: they are 0 to 4; using the crouch\n", i);
    return kOpeningCrouch;
}

void PoseRest(Bunny* b, int n) { ApplyBunnyPose(b, kRest, n); }
void PoseTremble(Bunny* b, int n) { ApplyBunnyPose(b, kTremble, n); }
void PoseRightArmOut(Bunny* b, int n) { ApplyBunnyPose(b, kRightArmOut, n); }
void PoseRightArmBack(Bunny* b, int n) { ApplyBunnyPose(b, kRightArmBack, n); }
void PoseLeftArmOut(Bunny* b, int n) { ApplyBunnyPose(b, kLeftArmOut, n); }
void PoseLeftArmBack(Bunny* b, int n) { ApplyBunnyPose(b, kLeftArmBack, n); }
void PoseLeanLeft(Bunny* b, int n) { ApplyBunnyPose(b, kLeanLeft, n); }
void PoseLeanRight(Bunny* b, int n) { ApplyBunnyPose(b, kLeanRight, n); }
void PoseWalk(Bunny* b, int n) { ApplyBunnyPose(b, kWalk, n); }
void PoseDuck(Bunny* b, int n) { ApplyBunnyPose(b, kDuck, n); }
void PoseRecoil(Bunny* b, int n) { ApplyBunnyPose(b, kRecoil, n); }
void PoseRecoilBack(Bunny* b, int n) { ApplyBunnyPose(b, kRecoilBack, n); }
void PoseRightArmRest(Bunny* b, int n) { ApplyBunnyPose(b, kRightArmRest, n); }
void PoseLeftArmRest(Bunny* b, int n) { ApplyBunnyPose(b, kLeftArmRest, n); }
void PoseStandUp(Bunny* b, int n) { ApplyBunnyPose(b, kStandUp, n); }
void PoseCrouch(Bunny* b, int n) { ApplyBunnyPose(b, kCrouch, n); }
void PoseJump(Bunny* b, int n) { ApplyBunnyPose(b, kJump, n); }
void PoseHalfFlip(Bunny* b, int n) { ApplyBunnyPose(b, kHalfFlip, n); }
void PoseFullFlip(Bunny* b, int n) { ApplyBunnyPose(b, kFullFlip, n); }
void PoseRightArmRaise(Bunny* b, int n) { ApplyBunnyPose(b, kRightArmRaise, n); }
void PoseRightArmFire(Bunny* b, int n) { ApplyBunnyPose(b, kRightArmFire, n); }
void PoseLeftArmRaise(Bunny* b, int n) { ApplyBunnyPose(b, kLeftArmRaise, n); }
void PoseLeftArmFire(Bunny* b, int n) { ApplyBunnyPose(b, kLeftArmFire, n); }
void PoseClimbLean(Bunny* b, int n) { ApplyBunnyPose(b, kClimbLean, n); }
void PoseDescendLean(Bunny* b, int n) { ApplyBunnyPose(b, kDescendLean, n); }
void PoseDuckLeanLeft(Bunny* b, int n) { ApplyBunnyPose(b, kDuckLeanLeft, n); }
void PoseDuckLeanRight(Bunny* b, int n) { ApplyBunnyPose(b, kDuckLeanRight, n); }

void PoseOpeningCrouch(Bunny* b, int n) { ApplyBunnyPose(b, kOpeningCrouch, n); }
void PoseOpeningJump(Bunny* b, int n) { ApplyBunnyPose(b, kOpeningJump, n); }
void PoseOpeningHalfFlip(Bunny* b, int n) { ApplyBunnyPose(b, kOpeningHalfFlip, n); }
void PoseOpeningFullFlip(Bunny* b, int n) { ApplyBunnyPose(b, kOpeningFullFlip, n); }
void PoseOpeningLand(Bunny* b, int n) { ApplyBunnyPose(b, kOpeningLand, n); }
