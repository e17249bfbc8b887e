// The Rodent's record functions and its use of the animation engine: its
// kind table, field layout, the step its owners call, accessors and the
// position file.
#include <GL/glu.h>

#include <cstddef>

#include "figures/position_file.h"
#include "figures/rodent.h"
#include "figures/rodent_record.h"

namespace {

// A queued action of one of these poses carries its index as its kind; any
// other pose carries no kind.
const RodentPose kKindTable[] = {
    RodentRestPose,           RodentDanceKickPose,        RodentDanceHalfSpinPose,
    RodentDanceFullSpinPose,  RodentDanceArmsOutPose,     RodentDanceTiltAPose,
    RodentDanceHandstandPose, RodentDanceTiltBPose,       RodentDanceQuarterTurnPose,
    RodentDanceKickTurnPose,  RodentDanceThreeQuarterPose, RodentDanceLandPose,
};

constexpr AnimRules kRodentRules{false};

struct LayoutTables {
    float rest[kRodentFieldCount];
    unsigned groupsOf[kRodentFieldCount];
};

LayoutTables MakeLayoutTables() {
    static const float kSideRest[kRodentSideFieldCount] = {0.012f, 0.01f, 0.0075f, 0, 0, 0, 0, 0, 0};
    LayoutTables t{};
    for (int side = 0; side < 2; ++side) {
        int base = side * kRodentSideFieldCount;
        unsigned arm = side == 0 ? kRodentGroupLeftArm : kRodentGroupRightArm;
        unsigned leg = side == 0 ? kRodentGroupLeftLeg : kRodentGroupRightLeg;
        for (int f = 0; f < kRodentSideFieldCount; ++f) {
            t.rest[base + f] = kSideRest[f];
            t.groupsOf[base + f] = f < kRodentArmX ? kRodentGroupEyeballs : f < kRodentLegX ? arm : leg;
        }
    }
    for (int f = 0; f < 3; ++f) {
        t.groupsOf[kRodentHeadAngleX + f] = kRodentGroupHeadAngle;
        t.groupsOf[kRodentHeadPosX + f] = kRodentGroupHeadPos;
        t.groupsOf[kRodentBodyAngleX + f] = kRodentGroupBodyAngle;
        t.groupsOf[kRodentBodyPosX + f] = kRodentGroupBodyPos;
    }
    t.rest[kRodentHeadPosY] = 0.04875f;
    t.rest[kRodentBodyPosY] = 0.06f;
    return t;
}

const LayoutTables& Tables() {
    static const LayoutTables tables = MakeLayoutTables();
    return tables;
}

int KindOf(RodentPose pose) {
    for (size_t k = 0; k < sizeof kKindTable / sizeof kKindTable[0]; ++k)
        if (kKindTable[k] == pose) return int(k);
    return kNoAnimKind;
}

float* SideRun(Rodent* r, int side, int f) {
    return side == 0 || side == 1 ? &RodentSideValue(r, side, f) : nullptr;
}

}  // namespace

const FigureLayout& RodentLayout() {
    static const FigureLayout layout{kRodentFieldCount, kRodentSideFieldCount, Tables().rest,
                                     Tables().groupsOf};
    return layout;
}

Rodent* NewRodent() {
    Rodent* r = new Rodent();
    for (int f = 0; f < kRodentFieldCount; ++f) r->field[f] = Tables().rest[f];
    r->quadric = gluNewQuadric();
    return r;
}

void DeleteRodent(Rodent* rodent) {
    if (!rodent) return;
    ClearRodentAnimation(rodent);
    if (rodent->quadric) gluDeleteQuadric(rodent->quadric);
    delete rodent;
}

void MarkRodentLilac(Rodent* rodent) {
    rodent->lilac = 1;
    RodentSideValue(rodent, 0, kRodentArmZ) = RodentSideValue(rodent, 1, kRodentArmZ) = -39;
}

void MarkRodentOlive(Rodent* rodent) {
    rodent->olive = 1;
    RodentSideValue(rodent, 0, kRodentArmZ) = RodentSideValue(rodent, 1, kRodentArmZ) = -39;
}

void ApplyRodentPose(Rodent* rodent, const PoseRow& row, int steps) {
    ApplyPoseTweens(rodent->anim, rodent->field, RodentLayout(), row, steps);
}

void TickRodentAnimation(Rodent* rodent) {
    RunAnimActions(rodent->anim, rodent);
    RunAnimTweens(rodent->anim, kRodentRules, &rodent->field[kRodentBodyAngleX]);
}

void ScheduleRodentAction(RodentPose pose, Rodent* rodent, int steps, int delay) {
    ScheduleAnimAction(rodent->anim, pose, rodent, steps, delay, KindOf(pose));
}

void ClearRodentAnimation(Rodent* rodent) {
    ClearAnimTweens(rodent->anim);
    ClearAnimActions(rodent->anim);
}

void RemoveRodentTweensOfKind(Rodent* rodent, int kind) { RemoveAnimTweensOfKind(rodent->anim, kind); }
void RemoveRodentActionsOfKind(Rodent* rodent, int kind) { RemoveAnimActionsOfKind(rodent->anim, kind); }

void CancelRodentKind(Rodent* rodent, int kind) {
    RemoveRodentTweensOfKind(rodent, kind);
    RemoveRodentActionsOfKind(rodent, kind);
}

int CountRodentTweens(const Rodent* rodent) { return CountAnimTweens(rodent->anim); }
int CountRodentActions(const Rodent* rodent) { return CountAnimActions(rodent->anim); }

void NudgeRodentEyeball(Rodent* r, int i, float radius, float xcor, float ycor) {
    NudgeFieldRun(SideRun(r, i, kRodentEyeballRadius), {radius, xcor, ycor});
}
void SetRodentEyeball(Rodent* r, int i, float radius, float xcor, float ycor) {
    SetFieldRun(SideRun(r, i, kRodentEyeballRadius), {radius, xcor, ycor});
}
void NudgeRodentHead(Rodent* r, float ax, float ay, float az, float px, float py, float pz) {
    NudgeFieldRun(&r->field[kRodentHeadAngleX], {ax, ay, az, px, py, pz});
}
void SetRodentHead(Rodent* r, float ax, float ay, float az, float px, float py, float pz) {
    SetFieldRun(&r->field[kRodentHeadAngleX], {ax, ay, az, px, py, pz});
}
void NudgeRodentBody(Rodent* r, float ax, float ay, float az, float px, float py, float pz) {
    NudgeFieldRun(&r->field[kRodentBodyAngleX], {ax, ay, az, px, py, pz});
}
void SetRodentBody(Rodent* r, float ax, float ay, float az, float px, float py, float pz) {
    SetFieldRun(&r->field[kRodentBodyAngleX], {ax, ay, az, px, py, pz});
}
void NudgeRodentArm(Rodent* r, int i, float x, float y, float z) {
    NudgeFieldRun(SideRun(r, i, kRodentArmX), {x, y, z});
}
void SetRodentArm(Rodent* r, int i, float x, float y, float z) {
    SetFieldRun(SideRun(r, i, kRodentArmX), {x, y, z});
}
void NudgeRodentLeg(Rodent* r, int i, float x, float y, float z) {
    NudgeFieldRun(SideRun(r, i, kRodentLegX), {x, y, z});
}
void SetRodentLeg(Rodent* r, int i, float x, float y, float z) {
    SetFieldRun(SideRun(r, i, kRodentLegX), {x, y, z});
}

void PrintRodentPosition(Rodent* rodent) {
    static const char* const kEyeball[3] = {"radius", "Xcor", "Ycor"};
    const float* f = rodent->field;
    PositionFile out("Rodent Position Data");
    out.SidedLines("eyeball", kEyeball, 3, &f[kRodentEyeballRadius], kRodentSideFieldCount);
    out.Group();
    out.Lines("Body", kAngleAndPosition, 6, &f[kRodentBodyAngleX]);
    out.Group();
    out.Lines("Head", kAngleAndPosition, 6, &f[kRodentHeadAngleX]);
    out.SidedLines("arm", kAngleXyz, 3, &f[kRodentArmX], kRodentSideFieldCount);
    out.SidedLines("leg", kAngleXyz, 3, &f[kRodentLegX], kRodentSideFieldCount);
}
