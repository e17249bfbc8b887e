// The Bunny's record: its numbered, tweenable fields and everything else a
// figure carries. Included by the figure's own modules, the scenes and tests.
#pragma once

#include "figures/figure_anim.h"
#include "figures/pose_table.h"

struct Bunny;
struct Emitter;

// The fields of one side, in this order; the left side's are numbered 0 to
// 27 and the right side's 28 to 55 (Right(f) in a pose table).
enum BunnySideField {
    kEarBend,
    kEarRotate,
    kEyebrowAngle,
    kEyebrowOrientation,
    kEyeballRadius,
    kEyeballXcor,
    kEyeballYcor,
    kBackarmX,
    kBackarmY,
    kBackarmZ,
    kBackarmDim,
    kForearmX,
    kForearmY,
    kForearmZ,
    kForearmDim,
    kHandX,
    kHandY,
    kHandZ,
    kHandDim,
    kUpperlegX,
    kUpperlegY,
    kUpperlegZ,
    kLowerlegX,
    kLowerlegY,
    kLowerlegZ,
    kFootX,
    kFootY,
    kFootZ,
    kBunnySideFieldCount
};

// Fields after the two sides.
enum BunnyField {
    kHeadAngleX = 2 * kBunnySideFieldCount,
    kHeadAngleY,
    kHeadAngleZ,
    kHeadPosX,
    kHeadPosY,
    kHeadPosZ,
    kBodyAngleX,
    kBodyAngleY,
    kBodyAngleZ,
    kBodyPosX,
    kBodyPosY,
    kBodyPosZ,
    kBunnyPoseFieldCount,  // 68: the pose fields (ears to feet)
    kGunScale = kBunnyPoseFieldCount,  // left; the right is kGunScale + 1
    kFurR = kGunScale + 2,             // fur, ear-back and clothing RGBA, tweened by the fades
    kEarBackR = kFurR + 4,
    kClothingR = kEarBackR + 4,
    kBunnyFieldCount = kClothingR + 4
};

// Field groups a pose can move (a field may belong to several).
enum BunnyGroup : unsigned {
    kGroupEars = 1u << 0,
    kGroupEyeballs = 1u << 1,       // radius, Xcor, Ycor of both
    kGroupEyePositions = 1u << 2,   // Xcor, Ycor of both
    kGroupEyebrows = 1u << 3,
    kGroupBody = 1u << 4,
    kGroupHead = 1u << 5,
    kGroupLeftArmAngles = 1u << 6,   // backarm, forearm, hand X, Y, Z
    kGroupRightArmAngles = 1u << 7,
    kGroupLeftArmDims = 1u << 8,     // backarm, forearm, hand dimensions
    kGroupRightArmDims = 1u << 9,
    kGroupLegs = 1u << 10,           // upperleg, lowerleg, foot X, Y, Z of both
    kGroupLeftGun = 1u << 11,
    kGroupRightGun = 1u << 12,
    kGroupBackarms = 1u << 13,       // both sides' angles and dimension
    kGroupForearms = 1u << 14,
    kGroupHands = 1u << 15,
    kGroupFurColor = 1u << 16,       // RGB only: alpha stays 1
    kGroupEarBackColor = 1u << 17,
    kGroupClothingColor = 1u << 18,
    kGroupLeftWholeArm = kGroupLeftArmAngles | kGroupLeftArmDims,
    kGroupRightWholeArm = kGroupRightArmAngles | kGroupRightArmDims,
    kGroupBothArmAngles = kGroupLeftArmAngles | kGroupRightArmAngles,
    kGroupColors = kGroupFurColor | kGroupEarBackColor | kGroupClothingColor,
    kGroupAll = kGroupEars | kGroupEyeballs | kGroupEyebrows | kGroupBody | kGroupHead |
                kGroupLeftWholeArm | kGroupRightWholeArm | kGroupLegs,  // the 68 pose fields
};

// Things a pose does at once, after queuing its tweens.
enum BunnyPoseFlag : unsigned {
    kSetStance0 = 1u << 0,
    kSetStance1 = 1u << 1,
    kSetTrembling0 = 1u << 2,
    kSetTrembling1 = 1u << 3,
    kSetOutfit4 = 1u << 4,
    kShiftEmittersPalace = 1u << 5,
};

struct BunnyEmitterSlot {
    Emitter* emitter;
    int stepCount;
    int burstLength;  // the update that brings stepCount to it switches the emitter off
};

struct Bunny {
    float field[kBunnyFieldCount];  // numbered as above
    int gunFlag[2];                 // 0 left, 1 right
    int outfit;
    AnimQueues<Bunny> anim;
    int trembling;
    BunnyEmitterSlot emitters[3];   // head, chest, legs
    int stance;                     // moves the right foot (the duck leans set it)
    int shoes;
    int whiskers;
    int glasses;
    int faceMark;
    float trembleJitterY;
    float trembleJitterXZ;
};

// Reading and writing a field by side: side 0 left, 1 right.
inline float& BunnySideValue(Bunny* b, int side, int f) {
    return b->field[f + side * kBunnySideFieldCount];
}

// The outfit textures by outfit (0 for the untextured outfits 4 and 5) and
// the single textures, made once by LoadBunnyTextures.
struct BunnyTextureSet {
    unsigned suit[8];        // the body's front face
    unsigned vertical[8];    // the other body faces and the legs
    unsigned horizontal[8];  // the arms
    unsigned gunMouth, shoeSide, shoeLaces, shoeSole, lens;
};
const BunnyTextureSet& GetBunnyTextures();

// One outfit's colours (RGBA); null, with a message, for an outfit outside 0 to 7.
struct BunnyColorScheme {
    float fur[4];
    float earBack[4];
    float clothing[4];
};
const BunnyColorScheme* GetBunnyColorScheme(int outfit);

// Built on first use, so pose tables in other files may use it while they are made.
const FigureLayout& BunnyLayout();

// Queues a pose row on a figure, then does its at-once flags.
void ApplyBunnyPose(Bunny* bunny, const PoseRow& row, int frames);
