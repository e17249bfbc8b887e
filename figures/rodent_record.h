// The Rodent's record: its thirty numbered pose fields and what else it carries.
// Included by the figure's own modules, the Robot, the army scene and tests.
#pragma once

#include "figures/figure_anim.h"
#include "figures/pose_table.h"

struct GLUquadric;

// The fields of one side; the left side's are 0 to 8, the right side's 9 to
// 17 (Right(f) in a pose table).
enum RodentSideField {
    kRodentEyeballRadius,
    kRodentEyeballXcor,
    kRodentEyeballYcor,
    kRodentArmX,  // carried and tweened, not drawn
    kRodentArmY,
    kRodentArmZ,
    kRodentLegX,
    kRodentLegY,  // carried and tweened, not drawn
    kRodentLegZ,
    kRodentSideFieldCount
};

// Fields after the two sides.
enum RodentField {
    kRodentHeadAngleX = 2 * kRodentSideFieldCount,
    kRodentHeadAngleY,
    kRodentHeadAngleZ,
    kRodentHeadPosX,  // the head position is tweened but the drawing never reads it
    kRodentHeadPosY,
    kRodentHeadPosZ,
    kRodentBodyAngleX,
    kRodentBodyAngleY,
    kRodentBodyAngleZ,
    kRodentBodyPosX,
    kRodentBodyPosY,
    kRodentBodyPosZ,
    kRodentFieldCount  // 30
};

// Field groups a pose can move.
enum RodentGroup : unsigned {
    kRodentGroupEyeballs = 1u << 0,
    kRodentGroupHeadAngle = 1u << 1,
    kRodentGroupHeadPos = 1u << 2,
    kRodentGroupBodyAngle = 1u << 3,
    kRodentGroupBodyPos = 1u << 4,
    kRodentGroupLeftArm = 1u << 5,
    kRodentGroupRightArm = 1u << 6,
    kRodentGroupLeftLeg = 1u << 7,
    kRodentGroupRightLeg = 1u << 8,
    kRodentGroupArms = kRodentGroupLeftArm | kRodentGroupRightArm,
    kRodentGroupLegs = kRodentGroupLeftLeg | kRodentGroupRightLeg,
    kRodentGroupHead = kRodentGroupHeadAngle | kRodentGroupHeadPos,
    kRodentGroupBody = kRodentGroupBodyAngle | kRodentGroupBodyPos,
    // The twenty-four joint fields every scene pose moves (not the eyeballs).
    kRodentGroupJoints = kRodentGroupHead | kRodentGroupBody | kRodentGroupArms | kRodentGroupLegs,
    kRodentGroupAll = kRodentGroupJoints | kRodentGroupEyeballs,
};

struct Rodent {
    float field[kRodentFieldCount];  // numbered as above
    AnimQueues<Rodent> anim;
    GLUquadric* quadric;  // the nose cone and tip
    int lilac;            // drawn lilac; wins over olive
    int olive;
};

inline float& RodentSideValue(Rodent* r, int side, int f) {
    return r->field[f + side * kRodentSideFieldCount];
}

const FigureLayout& RodentLayout();

// Queues a pose row on a Rodent.
void ApplyRodentPose(Rodent* rodent, const PoseRow& row, int steps);

// The tween and action lists' lengths, for tests and checks.
int CountRodentTweens(const Rodent* rodent);
int CountRodentActions(const Rodent* rodent);

// Adds the figure's shapes to a batch at the placement given: the Robot
// sends its riders with itself.
class FigureBatch;
class Placement;
// Normals come out normalLength long (what the modelview they go out at
// shortens them by).
void AddRodentToBatch(FigureBatch& batch, Placement& at, float normalLength, const Rodent* rodent);
