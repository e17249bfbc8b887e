// The Rodent: its own kind table, its poses and the position file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "figures/rodent.h"
#include "figures/rodent_record.h"
#include "test_support.h"

namespace {

struct RodentDeleter { void operator()(Rodent* r) const { DeleteRodent(r); } };
using RodentPtr = std::unique_ptr<Rodent, RodentDeleter>;
RodentPtr MakeRodent() { return RodentPtr(NewRodent()); }

void Tick(Rodent* r, int times) { for (int i = 0; i < times; ++i) TickRodentAnimation(r); }

int CountTweensOfKind(const Rodent* r, int kind) {
    int n = 0;
    for (const AnimTween* t = r->anim.tweens.next; t; t = t->next) n += t->kind == kind;
    return n;
}

}  // namespace

TEST(Rodent, AFreshRodentAtRestQueuesNothingAndTheMarksSetItsArms) {
    RodentPtr rodent = MakeRodent();
    RodentRestPose(rodent.get(), 10);
    EXPECT_EQ(CountRodentTweens(rodent.get()), 0);
    MarkRodentLilac(rodent.get());
    MarkRodentOlive(rodent.get());
    EXPECT_FLOAT_EQ(RodentSideValue(rodent.get(), 0, kRodentArmZ), -39);
    EXPECT_FLOAT_EQ(RodentSideValue(rodent.get(), 1, kRodentArmZ), -39);
    // A scene pose moves every joint but never the eyeballs.
    SetRodentEyeball(rodent.get(), 0, 0.5f, 0.5f, 0.5f);
    NudgeRodentHead(rodent.get(), 0, 0, 0, 1, 0, 0);
    RodentSitPose(rodent.get(), 1);
    Tick(rodent.get(), 1);
    EXPECT_FLOAT_EQ(RodentSideValue(rodent.get(), 0, kRodentEyeballRadius), 0.5f);
    EXPECT_FLOAT_EQ(rodent->field[kRodentHeadPosX], 0.0f);
    EXPECT_FLOAT_EQ(RodentSideValue(rodent.get(), 1, kRodentArmZ), 0.0f);
}

// Only the rest pose and the dance steps give their actions a kind; each
// dance step's tweens carry the tween kind of its row.
TEST(Rodent, CancelByKindRemovesOnlyThatKindsTweensAndActions) {
    RodentPtr rodent = MakeRodent();
    ScheduleRodentAction(RodentDanceKickPose, rodent.get(), 10, 5);
    ScheduleRodentAction(RodentDanceHalfSpinPose, rodent.get(), 10, 5);
    ScheduleRodentAction(RodentMarchStepAPose, rodent.get(), 10, 5);
    ScheduleRodentAction(RodentRestPose, rodent.get(), 10, 5);
    RodentDanceKickTurnPose(rodent.get(), 10);
    EXPECT_EQ(CountTweensOfKind(rodent.get(), 9), 1);  // the body's turn
    EXPECT_EQ(CountTweensOfKind(rodent.get(), 1), 5);  // the kicking limbs
    CancelRodentKind(rodent.get(), 7);  // nothing carries it
    EXPECT_EQ(CountRodentActions(rodent.get()) + CountRodentTweens(rodent.get()), 4 + 6);
    CancelRodentKind(rodent.get(), 1);
    EXPECT_EQ(CountRodentActions(rodent.get()) + CountRodentTweens(rodent.get()), 3 + 1);
    CancelRodentKind(rodent.get(), 0);  // the rest pose's action; the march step has no kind
    EXPECT_EQ(CountRodentActions(rodent.get()), 2);
    EXPECT_EQ(rodent->anim.actions.next->next->fn, RodentMarchStepAPose);
    CancelRodentKind(rodent.get(), kNoAnimKind);
    EXPECT_EQ(CountRodentActions(rodent.get()), 2);
}

TEST(Rodent, TheDanceStepsEndFacingBackAndTheFullSpinIsTravelledInFull) {
    struct Step { RodentPose pose; int delay; };
    const Step dance[] = {{RodentDanceKickPose, 16}, {RodentDanceHalfSpinPose, 26}, {RodentDanceFullSpinPose, 36},
                          {RodentDanceArmsOutPose, 46}, {RodentDanceTiltAPose, 59}, {RodentDanceHandstandPose, 69},
                          {RodentDanceTiltBPose, 81}, {RodentDanceQuarterTurnPose, 91}, {RodentDanceKickTurnPose, 101},
                          {RodentDanceThreeQuarterPose, 116}, {RodentDanceLandPose, 126}};
    RodentPtr rodent = MakeRodent();
    for (const Step& s : dance) ScheduleRodentAction(s.pose, rodent.get(), 10, s.delay);
    Tick(rodent.get(), 45);  // the full spin fires at the 36th tick and takes 10
    EXPECT_NEAR(rodent->field[kRodentBodyAngleY], -362, 1e-2);
    Tick(rodent.get(), 91);
    EXPECT_NEAR(rodent->field[kRodentBodyAngleY], -360, 1e-2);
    EXPECT_NEAR(RodentSideValue(rodent.get(), 1, kRodentLegZ), 59, 1e-3);  // the kick turn's kick stays
}

TEST(Rodent, PrintRodentPositionWritesTheThirtyFieldsInFiveGroups) {
    RodentPtr rodent = MakeRodent();
    NudgeRodentLeg(rodent.get(), 1, 0, 0, 2.5f);
    std::string text = WriteInDirAndRead(
        ScratchDir("rodent-position"), "Rodent Position Data",
        [](void* r) { PrintRodentPosition(static_cast<Rodent*>(r)); }, rodent.get());
    // Thirty lines in five groups, the eyeballs first and the nudged leg last.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 30 + 4);
    EXPECT_EQ(text.rfind("Left eyeball radius: 0.012\n", 0), 0u) << text;
    const std::string end = "\n\nLeft leg angle X: 0\nLeft leg angle Y: 0\nLeft leg angle Z: 0\nRight leg angle X: 0\n"
                            "Right leg angle Y: 0\nRight leg angle Z: 2.5\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}
