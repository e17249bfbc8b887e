// The Bunny's use of the animation engine: its kind table, its field layout
// and the step its owners call.
#include <cstddef>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"

namespace {

// The in-game poses in kind order: a queued pose carries its index here, any
// other action carries no kind.
const BunnyPose kKindTable[] = {
    PoseRest,         PoseTremble,        PoseRightArmOut,   PoseRightArmBack, PoseLeftArmOut,
    PoseLeftArmBack,  PoseLeanLeft,       PoseLeanRight,     PoseWalk,         PoseDuck,
    PoseRecoil,       PoseRecoilBack,     PoseRightArmRest,  PoseLeftArmRest,  PoseStandUp,
    PoseCrouch,       PoseJump,           PoseHalfFlip,      PoseFullFlip,     PoseRightArmRaise,
    PoseRightArmFire, PoseLeftArmRaise,   PoseLeftArmFire,   PoseClimbLean,    PoseDescendLean,
    PoseDuckLeanLeft, PoseDuckLeanRight,
};

constexpr AnimRules kBunnyRules{false};

struct LayoutTables {
    float rest[kBunnyFieldCount];
    unsigned groupsOf[kBunnyFieldCount];
};

unsigned SideFieldGroups(int f, int side) {
    unsigned armAngles = side == 0 ? kGroupLeftArmAngles : kGroupRightArmAngles;
    unsigned armDims = side == 0 ? kGroupLeftArmDims : kGroupRightArmDims;
    switch (f) {
        case kEarBend: case kEarRotate: return kGroupEars;
        case kEyebrowAngle: case kEyebrowOrientation: return kGroupEyebrows;
        case kEyeballRadius: return kGroupEyeballs;
        case kEyeballXcor: case kEyeballYcor: return kGroupEyeballs | kGroupEyePositions;
        case kBackarmX: case kBackarmY: case kBackarmZ: return armAngles | kGroupBackarms;
        case kForearmX: case kForearmY: case kForearmZ: return armAngles | kGroupForearms;
        case kHandX: case kHandY: case kHandZ: return armAngles | kGroupHands;
        case kBackarmDim: return armDims | kGroupBackarms;
        case kForearmDim: return armDims | kGroupForearms;
        case kHandDim: return armDims | kGroupHands;
        default: return kGroupLegs;
    }
}

LayoutTables MakeLayoutTables() {
    // One side's rest values, in side-field order.
    static const float kSideRest[kBunnySideFieldCount] = {
        -17, -24,                   // ear bend, rotate
        0, 20,                      // eyebrow angle, orientation
        0.06f, 0.05f, 0.1375f,      // eyeball radius, Xcor, Ycor
        0, 21, -45, 0.0945f,        // backarm X, Y, Z, dimension
        0, -83, -6, 0.12285f,       // forearm
        0, -17, -6, 0.0385f,        // hand
        0, 0, 0, 0, 0, 0, 0, 0, 0,  // upperleg, lowerleg, foot
    };
    LayoutTables t{};
    for (int side = 0; side < 2; ++side)
        for (int f = 0; f < kBunnySideFieldCount; ++f) {
            t.rest[f + side * kBunnySideFieldCount] = kSideRest[f];
            t.groupsOf[f + side * kBunnySideFieldCount] = SideFieldGroups(f, side);
        }
    t.rest[kHeadPosY] = 0.4875f;
    t.rest[kBodyPosY] = -0.22f;
    for (int f = kHeadAngleX; f <= kHeadPosZ; ++f) t.groupsOf[f] = kGroupHead;
    for (int f = kBodyAngleX; f <= kBodyPosZ; ++f) t.groupsOf[f] = kGroupBody;
    t.groupsOf[kGunScale] = kGroupLeftGun;
    t.groupsOf[kGunScale + 1] = kGroupRightGun;
    // Colours have no rest value of their own (they follow the outfit), so
    // the fades always give their targets; alpha is never in a group.
    for (int c = 0; c < 3; ++c) {
        t.groupsOf[kFurR + c] = kGroupFurColor;
        t.groupsOf[kEarBackR + c] = kGroupEarBackColor;
        t.groupsOf[kClothingR + c] = kGroupClothingColor;
    }
    for (int c = 0; c < 4; ++c) t.rest[kFurR + c] = t.rest[kEarBackR + c] = t.rest[kClothingR + c] = 1;
    return t;
}

const LayoutTables& Tables() {
    static const LayoutTables tables = MakeLayoutTables();
    return tables;
}

int KindOf(BunnyPose action) {
    for (size_t k = 0; k < sizeof kKindTable / sizeof kKindTable[0]; ++k)
        if (kKindTable[k] == action) return int(k);
    return kNoAnimKind;
}

}  // namespace

const FigureLayout& BunnyLayout() {
    static const FigureLayout layout{kBunnyFieldCount, kBunnySideFieldCount, Tables().rest,
                                     Tables().groupsOf};
    return layout;
}

void ApplyBunnyPose(Bunny* bunny, const PoseRow& row, int frames) {
    ApplyPoseTweens(bunny->anim, bunny->field, BunnyLayout(), row, frames);
    if (row.flags & kSetStance0) bunny->stance = 0;
    if (row.flags & kSetStance1) bunny->stance = 1;
    if (row.flags & kSetTrembling0) bunny->trembling = 0;
    if (row.flags & kSetTrembling1) bunny->trembling = 1;
    // The outfit alone: the colours are the fade's to move, not the scheme's.
    if (row.flags & kSetOutfit4) bunny->outfit = 4;
    if (row.flags & kShiftEmittersPalace) ShiftBunnyEmittersPalace(bunny);
}

void TickBunnyAnimation(Bunny* bunny) {
    RunAnimActions(bunny->anim, bunny);
    RunAnimTweens(bunny->anim, kBunnyRules, &bunny->field[kBodyAngleX]);
}

void ScheduleBunnyAction(BunnyPose action, Bunny* bunny, int frames, int delay) {
    ScheduleAnimAction(bunny->anim, action, bunny, frames, delay, KindOf(action));
}

void ClearBunnyAnimation(Bunny* bunny) {
    ClearAnimTweens(bunny->anim);
    ClearAnimActions(bunny->anim);
}

void CancelBunnyKind(Bunny* bunny, int kind) {
    RemoveAnimTweensOfKind(bunny->anim, kind);
    RemoveAnimActionsOfKind(bunny->anim, kind);
}
