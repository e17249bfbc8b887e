// The animation engine every figure moves by: tween and action queues, their
// timing within a step, cancelling, clearing and the somersault fold.
#include <algorithm>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "test_support.h"

namespace {

std::vector<int> ran;  // the args of RecordAction calls, in order

// An action outside the kind table.
void RecordAction(Bunny*, int arg) { ran.push_back(arg); }

// Appends another action from inside the walk.
void ChainAction(Bunny* b, int arg) {
    ran.push_back(arg);
    ScheduleBunnyAction(RecordAction, b, arg + 1, 1);
}

class FigureAnim : public ::testing::Test {
protected:
    Bunny* b = nullptr;
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        b = NewBunny(0, 1);
        ran.clear();
    }
    void TearDown() override { DeleteBunny(b); }
    float& F(int f) { return b->field[f]; }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) TickBunnyAnimation(b);
    }
    // Queues one tween on a field the way a pose does.
    void Tween(int field, float target, int frames) {
        AnimTween* tail = BeginAnimTweens(b->anim.tweens);
        AddAnimTween(frames, 99, &F(field), target, tail);
    }
    int Tweens() { return CountAnimTweens(b->anim); }
    int Actions() { return CountAnimActions(b->anim); }
};

// Fewer than 1 step counts as 1 (no divide by zero); within 0.01 of the
// field nothing is queued or touched.
TEST_F(FigureAnim, TweensReachTheirTargetAfterTheirStepsAndSkipWhatIsThere) {
    const struct {
        float from, to;
        int frames, queued;
        float afterOne;
    } cases[] = {{0, 10, 4, 1, 2.5f},   {0, 10, 1, 1, 10},       {0, 10, 0, 1, 10},
                 {0, 10, -3, 1, 10},    {5, 5.009f, 10, 0, 5},   {5, 4.9905f, 10, 0, 5},
                 {5, 5.011f, 1, 1, 5.011f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << " in " << c.frames);
        ClearBunnyAnimation(b);
        F(kHeadAngleX) = c.from;
        Tween(kHeadAngleX, c.to, c.frames);
        EXPECT_EQ(Tweens(), c.queued);
        Ticks(1);
        EXPECT_FLOAT_EQ(F(kHeadAngleX), c.afterOne);
        Ticks(std::max(c.frames, 1) + 2);
        EXPECT_NEAR(F(kHeadAngleX), c.queued ? c.to : c.from, 1e-5);
        EXPECT_EQ(Tweens(), 0) << "removed at its last step";
    }
}

TEST_F(FigureAnim, TwoTweensOnOneFieldBothApply) {
    Tween(kHeadAngleY, 10, 10);  // +1 a step
    Tween(kHeadAngleY, -5, 5);   // -1 a step
    Ticks(10);
    EXPECT_NEAR(F(kHeadAngleY), 5, 1e-5) << "off either target by the other's travel";
}

// Delay 0 runs at once; same delay runs in queuing order, shorter first; an
// action queued from the walk with delay 1 is reached in that walk; a delay
// below 0 never runs and stays queued.
TEST_F(FigureAnim, ActionsRunInTheOrderQueuedAndMayQueueMore) {
    ScheduleBunnyAction(RecordAction, b, 7, 0);
    EXPECT_EQ(Actions(), 0);
    ScheduleBunnyAction(RecordAction, b, 1, 2);
    ScheduleBunnyAction(RecordAction, b, 2, 2);
    ScheduleBunnyAction(RecordAction, b, 3, 1);
    ScheduleBunnyAction(ChainAction, b, 10, 3);
    ScheduleBunnyAction(RecordAction, b, 99, -1);
    Ticks(3);
    EXPECT_EQ(ran, (std::vector<int>{7, 3, 1, 2, 10, 11}));
    Ticks(1000);
    EXPECT_EQ(ran.size(), 6u);
    EXPECT_EQ(Actions(), 1);
}

TEST_F(FigureAnim, APoseFromTheQueueMovesInTheStepItRunsADirectOneAtTheNext) {
    ScheduleBunnyAction(PoseJump, b, 10, 1);
    Ticks(1);
    EXPECT_NEAR(F(kBodyPosY), -0.22f + 0.089f, 1e-5) << "first increment in the same step";
    DeleteBunny(b);
    b = NewBunny(0, 1);
    ScheduleBunnyAction(PoseJump, b, 10, 0);
    EXPECT_FLOAT_EQ(F(kBodyPosY), -0.22f) << "queued, not yet moved";
    Ticks(10);
    EXPECT_NEAR(F(kBodyPosY), 0.67f, 1e-5);
}

TEST_F(FigureAnim, CancellingAKindRemovesItsTweensAndActionsOnly) {
    PoseRightArmOut(b, 10);                            // kind 2 tweens
    PoseLeftArmOut(b, 10);                             // kind 4 tweens
    ScheduleBunnyAction(PoseRightArmOut, b, 10, 5);    // kind 2 action
    ScheduleBunnyAction(PoseRightArmBack, b, 10, 50);  // kind 3 action
    ScheduleBunnyAction(RecordAction, b, 1, 5);        // no kind
    int tweens = Tweens();
    CancelBunnyKind(b, 25);  // nothing carries it
    EXPECT_EQ(Tweens(), tweens);
    EXPECT_EQ(Actions(), 3);
    Ticks(3);
    float rightY = BunnySideValue(b, 1, kBackarmY);
    CancelBunnyKind(b, 2);
    EXPECT_EQ(Tweens(), tweens / 2) << "the left arm's tweens stay";
    EXPECT_EQ(Actions(), 2);
    Ticks(10);
    EXPECT_FLOAT_EQ(BunnySideValue(b, 1, kBackarmY), rightY) << "left where it had got to";
    EXPECT_NEAR(BunnySideValue(b, 0, kBackarmY), 0, 1e-5) << "the left arm went on";
    EXPECT_EQ(ran, std::vector<int>{1});
    // No cancel matches an action outside the kind table, nor kNoAnimKind.
    ScheduleBunnyAction(PoseOpeningCrouch, b, 10, 5);
    CancelBunnyKind(b, 15);
    CancelBunnyKind(b, kNoAnimKind);
    EXPECT_EQ(Actions(), 2);
}

TEST_F(FigureAnim, ClearingMidPoseFreezesTheFigure) {
    PoseCrouch(b, 20);
    ScheduleBunnyAction(PoseJump, b, 20, 30);
    Ticks(7);
    float y = F(kBodyPosY);
    ClearBunnyAnimation(b);
    EXPECT_EQ(Tweens() + Actions(), 0);
    Ticks(50);
    EXPECT_EQ(F(kBodyPosY), y);
}

// Body X below -360 folds by a turn, at the last step or before it (the rest
// goes on from there); only that field folds, and exactly -360 does not.
TEST_F(FigureAnim, BodyAngleXBelowMinus360FoldsToASmallPositiveAngle) {
    Tween(kBodyAngleX, -361, 10);
    Ticks(10);
    EXPECT_NEAR(F(kBodyAngleX), 1, 1e-3);
    F(kBodyAngleX) = -350;
    Tween(kBodyAngleX, -370, 4);  // -5 a step
    Ticks(3);
    EXPECT_NEAR(F(kBodyAngleX), 5, 1e-3);  // -365 folded
    Ticks(1);
    EXPECT_NEAR(F(kBodyAngleX), 0, 1e-3);
    F(kHeadAngleX) = -400;
    F(kBodyAngleX) = -360;
    Ticks(1);
    EXPECT_EQ(F(kHeadAngleX), -400);
    EXPECT_EQ(F(kBodyAngleX), -360);
}

}  // namespace
