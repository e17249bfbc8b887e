// Creatures: walking, turning, ramps, sight, attacks, catches and knock-outs,
// driven tick by tick on small boards.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "creatures_test_world.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/helpers.h"

namespace {

class CreaturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlayerCount(1);
        // Pib 0 waits far off under its start protection unless a test moves it.
        PlaceProtectedPib(0, 0.5, 0.5, 0.5, 0);
    }
    std::string Name() const {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    // Loads the board and one creature "type x y z dir", with junction turns
    // held off so that the walk is predictable.
    Creature* Start(const TestBoard& board, const std::string& line, bool calm = true) {
        board.Load(Name());
        LoadTestCreatures(Name(), {line});
        Creature* c = OnlyCreature();
        if (calm) c->turnCooldown = 1;
        return c;
    }
    void Tick(Creature* c, int n) {
        for (int i = 0; i < n; ++i) UpdateCreature(c);
    }
};

bool IsTurning(const Creature* c) {
    return c->state == kCreatureTurningClockwise || c->state == kCreatureTurningAnticlockwise;
}

}  // namespace

TEST_F(CreaturesTest, WalksAlongItsDirectionAtItsSpeed) {
    Creature* c = Start(TestBoard(10, 3), "0 1.5 1.5 0.5 1");
    Tick(c, 100);
    EXPECT_NEAR(c->x, 1.7, 1e-4);
    EXPECT_FLOAT_EQ(c->y, 1.5f);
    EXPECT_FLOAT_EQ(c->z, 0.5f);
    EXPECT_EQ(c->state, kCreatureWalking);
}

TEST_F(CreaturesTest, BlockedCreatureSnapsToTheCentreAndTurnsBack) {
    Creature* c = Start(TestBoard(4, 1), "0 2.6 0.5 0.5 1");
    int ticks = 0;
    while (!IsTurning(c) && ticks < 1000) {
        UpdateCreature(c);
        ++ticks;
    }
    ASSERT_TRUE(IsTurning(c));
    EXPECT_EQ(ticks, 446);  // from 2.6 until 0.51 ahead reaches the edge
    EXPECT_FLOAT_EQ(c->x, 3.5f);
    EXPECT_FLOAT_EQ(c->y, 0.5f);
    EXPECT_EQ(c->nextDir, 3);
    EXPECT_EQ(c->targetAngle, 180);
    EXPECT_EQ(c->dir, 1);
    int turning = 0;
    while (IsTurning(c) && turning < 1000) {
        UpdateCreature(c);
        ++turning;
    }
    // 180 degrees at 0.4 degrees per tick, the first in the tick of the
    // choice, standing still meanwhile.
    EXPECT_GE(turning + 1, 450);
    EXPECT_LE(turning + 1, 451);
    EXPECT_EQ(c->dir, 3);
    EXPECT_EQ(c->turned, 0);
    EXPECT_FLOAT_EQ(c->x, 3.5f);
    Tick(c, 10);
    EXPECT_NEAR(c->x, 3.48, 1e-5);
}

TEST_F(CreaturesTest, TurnChoiceAtAJunctionIsFreeAndNew) {
    Creature* c = Start(TestBoard(5, 5).Cell(2, 3, 8), "0 2.5 2.5 0.5 1");
    std::set<int> seen;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SeedRandomWith(seed);
        c->x = 2.51f;
        c->y = 2.49f;
        c->dir = 1;
        c->state = kCreatureWalking;
        ChooseCreatureTurn(c);
        EXPECT_FLOAT_EQ(c->x, 2.5f);
        EXPECT_FLOAT_EQ(c->y, 2.5f);
        ASSERT_TRUE(IsTurning(c));
        EXPECT_EQ(c->dir, 1);
        EXPECT_NE(c->nextDir, 1);
        EXPECT_NE(c->nextDir, 0) << "the crate at (2, 3) blocks +y";
        if (c->nextDir == 2) {
            EXPECT_EQ(c->state, kCreatureTurningClockwise);
            EXPECT_EQ(c->targetAngle, 90);
        }
        if (c->nextDir == 3) {
            EXPECT_EQ(c->targetAngle, 180);
        }
        seen.insert(c->nextDir);
    }
    EXPECT_EQ(seen, (std::set<int>{2, 3}));
}

TEST_F(CreaturesTest, AnticlockwiseQuarterTurnTakesTheLeftHand) {
    Creature* c = Start(TestBoard(3, 3).Cell(2, 1, 8).Cell(1, 0, 8), "0 1.5 1.5 0.5 1");
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SeedRandomWith(seed);
        c->state = kCreatureWalking;
        ChooseCreatureTurn(c);
        EXPECT_TRUE(c->nextDir == 0 || c->nextDir == 3);
        if (c->nextDir == 0) {
            EXPECT_EQ(c->state, kCreatureTurningAnticlockwise);
            EXPECT_EQ(c->targetAngle, 90);
        }
    }
}

TEST_F(CreaturesTest, JunctionTurnsComeAtCentresOnlyWithoutCooldown) {
    Creature* c = Start(TestBoard(9, 9), "0 4.5 4.5 0.5 1", false);
    EXPECT_EQ(CreatureAtJunction(c, 0), 1);
    c->x = 4.53f;
    EXPECT_EQ(CreatureAtJunction(c, 0), 0);
    c->x = 4.515f;
    EXPECT_EQ(CreatureAtJunction(c, 0), 1);
    c->turnCooldown = 5;
    EXPECT_EQ(CreatureAtJunction(c, 0), 0);
    c->turnCooldown = 0;
    int chances = 0;
    for (int i = 0; i < 2000; ++i) chances += CreatureAtJunction(c, 1);
    EXPECT_GT(chances, 50);  // one in twenty
    EXPECT_LT(chances, 160);
    // A turn choice holds off further junction turns for 1000 ticks.
    c->x = 4.5f;
    int ticks = 0;
    while (c->turnCooldown == 0 && ticks < 5000) {
        UpdateCreature(c);
        ++ticks;
    }
    ASSERT_GT(c->turnCooldown, 0);
    Tick(c, 998);
    EXPECT_GT(c->turnCooldown, 0);
    Tick(c, 1);
    EXPECT_EQ(c->turnCooldown, 0);
}

TEST_F(CreaturesTest, TwoCreaturesHeadOnAtAJunctionMakeOneTurn) {
    TestBoard(5, 3).Load(Name());
    LoadTestCreatures(Name(), {"0 1.5 1.5 0.5 1", "0 2.5 1.5 0.5 3"});
    Creature* second = GetCreatures();
    Creature* first = second->next;
    EXPECT_EQ(CreatureAhead(first), 1);
    EXPECT_EQ(CreatureAhead(second), 1);
    second->upper = 1;
    EXPECT_EQ(CreatureAhead(first), 0);
    second->upper = 0;
    UpdateCreatures();
    EXPECT_TRUE(IsTurning(second));
    EXPECT_EQ(second->turnCooldown, 2);
}

TEST_F(CreaturesTest, BoxedInCreatureWaitsWithoutHanging) {
    TestBoard walls(3, 3);
    walls.Cell(1, 0, 8).Cell(0, 1, 8).Cell(1, 2, 9);
    walls.BandOnLineX(2, 1);
    Creature* c = Start(walls, "0 1.5 1.5 0.5 1", false);
    for (int i = 0; i < 3000; ++i) UpdateCreature(c);
    EXPECT_EQ(c->state, kCreatureWalking);
    EXPECT_EQ(c->dir, 1);
    EXPECT_FLOAT_EQ(c->x, 1.5f);
    EXPECT_FLOAT_EQ(c->y, 1.5f);
}

TEST_F(CreaturesTest, ClimbsARampOntoABlockAndComesBackDown) {
    TestBoard board(8, 1);
    board.Cell(3, 0, 2).Cell(4, 0, 5).Cell(5, 0, 5).Cell(6, 0, 5);
    Creature* c = Start(board, "0 2.1 0.5 0.5 1");
    // The climb starts when the ramp is 0.3 ahead.
    int ticks = 0;
    while (c->climb == 0 && ticks < 1000) {
        UpdateCreature(c);
        ++ticks;
    }
    EXPECT_GE(ticks, 299);
    EXPECT_LE(ticks, 301);
    EXPECT_EQ(c->climb, 1);
    EXPECT_NEAR(c->x, 2.7, 0.003);
    Tick(c, 300);  // halfway up the ramp
    EXPECT_NEAR(c->x, 3.3, 1e-4);
    EXPECT_NEAR(c->z, 0.8, 1e-4);
    EXPECT_EQ(c->upper, 1);
    EXPECT_DOUBLE_EQ(c->tilt, 45);
    Tick(c, 400);
    EXPECT_FLOAT_EQ(c->z, 1.5f);
    EXPECT_EQ(c->upper, 1);
    // Back down: turn round on the block's far end, then descend.
    ticks = 0;
    while (c->climb >= 0 && ticks < 5000) {
        c->turnCooldown = c->turnCooldown ? c->turnCooldown : 1;
        UpdateCreature(c);
        ++ticks;
    }
    ASSERT_EQ(c->climb, -1);
    EXPECT_EQ(c->dir, 3);
    Tick(c, 300);
    EXPECT_DOUBLE_EQ(c->tilt, -45);
    EXPECT_LT(c->z, 1.5f);
    Tick(c, 400);
    EXPECT_FLOAT_EQ(c->z, 0.5f);
    EXPECT_EQ(c->upper, 0);
    EXPECT_EQ(c->climb, 0);
}

TEST_F(CreaturesTest, RampProfileRisesHoldsAndFalls) {
    Creature* c = Start(TestBoard(3, 3), "0 1.5 1.5 0.5 1");
    c->climb = 1;
    double tiltAt[652] = {}, liftAt[652] = {};
    for (int count = 1; count <= 651; ++count) {
        ClimbCreature(c);
        tiltAt[count] = c->tilt;
        liftAt[count] = c->lift;
    }
    EXPECT_DOUBLE_EQ(tiltAt[100], 22.5);
    EXPECT_DOUBLE_EQ(liftAt[100], 0.1);
    EXPECT_DOUBLE_EQ(tiltAt[200], 45);
    EXPECT_DOUBLE_EQ(tiltAt[300], 45);
    EXPECT_DOUBLE_EQ(liftAt[449], 0.2);
    EXPECT_DOUBLE_EQ(tiltAt[550], 22.5);
    EXPECT_DOUBLE_EQ(tiltAt[650], 0);
    EXPECT_DOUBLE_EQ(liftAt[650], 0);
    EXPECT_EQ(c->climb, 0);

    c->climb = -1;
    for (int count = 1; count <= 300; ++count) DescendCreature(c);
    EXPECT_DOUBLE_EQ(c->tilt, -45);
    EXPECT_DOUBLE_EQ(c->lift, 0.2);
    for (int count = 301; count <= 550; ++count) DescendCreature(c);
    EXPECT_DOUBLE_EQ(c->tilt, -22.5);
    EXPECT_DOUBLE_EQ(c->lift, 0.1);
    for (int count = 551; count <= 651; ++count) DescendCreature(c);
    EXPECT_EQ(c->climb, 0);
    EXPECT_EQ(c->lift, 0);
}

TEST_F(CreaturesTest, HeightFollowsEveryRampAndKeepsLevelUnderBridges) {
    Creature* c = Start(TestBoard(6, 1).Cell(0, 0, 1).Cell(1, 0, 2).Cell(2, 0, 3).Cell(3, 0, 4)
                            .Cell(4, 0, 6),
                        "0 0.5 0.25 0.5 2");
    struct Case {
        float x, y;
        int dir;
        float z;
        int upper;
    };
    const Case cases[] = {
        {0.5f, 0.25f, 0, 0.75f, 1}, {1.25f, 0.5f, 3, 0.75f, 0}, {2.5f, 0.25f, 1, 1.25f, 0},
        {3.25f, 0.5f, 3, 1.25f, 1},
    };
    for (const Case& k : cases) {
        c->x = k.x;
        c->y = k.y;
        c->dir = k.dir;
        c->upper = 0;
        UpdateCreatureHeight(c);
        EXPECT_FLOAT_EQ(c->z, k.z) << k.x;
        EXPECT_EQ(c->upper, k.upper) << k.x;
    }
    c->x = 4.5f;
    c->z = 0.5f;
    c->upper = 0;
    UpdateCreatureHeight(c);
    EXPECT_FLOAT_EQ(c->z, 0.5f);
    c->upper = 1;
    UpdateCreatureHeight(c);
    EXPECT_FLOAT_EQ(c->z, 1.5f);
    c->x = 5.5f;
    UpdateCreatureHeight(c);
    EXPECT_FLOAT_EQ(c->z, 0.5f);
    EXPECT_EQ(c->upper, 0);
}

TEST_F(CreaturesTest, SightIsBlockedByWallsButNotByACrossingDeck) {
    struct Case {
        int cell;  // placed at (4, 1) between the creature and the pib
        int seen;
    };
    const Case cases[] = {{0, 1}, {8, 0}, {5, 0}, {7, 1}, {6, 0}, {10, 0}, {2, 0}};
    for (const Case& k : cases) {
        Creature* c = Start(TestBoard(10, 3).Cell(4, 1, k.cell), "0 1.5 1.5 0.5 1");
        PlaceTouchablePib(0, 6.5, 1.5, 0.5, 2);
        EXPECT_EQ(CreatureSeesPib(c), k.seen) << "cell " << k.cell;
    }
}

TEST_F(CreaturesTest, SightNeedsTheSameLevelAndAnExposedPib) {
    Creature* c = Start(TestBoard(10, 3).Cell(6, 1, 6), "0 1.5 1.5 0.5 1");
    PlaceTouchablePib(0, 6.5, 1.5, 0.5, 2);
    EXPECT_EQ(CreatureSeesPib(c), 0) << "a pib in the blocking cell is not seen";
    PlaceTouchablePib(0, 3.5, 1.5, 0.5, 2, 1);
    EXPECT_EQ(CreatureSeesPib(c), 0) << "another level";
    PlaceProtectedPib(0, 3.5, 1.5, 0.5, 2);
    EXPECT_EQ(CreatureSeesPib(c), 0) << "protected";
    PlaceTouchablePib(0, 3.5, 1.5, 0.5, 2);
    EXPECT_EQ(CreatureSeesPib(c), 1);
    PlaceTouchablePib(0, 1.5, 0.5, 0.5, 2);
    EXPECT_EQ(CreatureSeesPib(c), 0) << "off the line";
    // A creature up on a block looks over everything.
    c = Start(TestBoard(10, 3).Cell(1, 1, 5).Cell(4, 1, 8), "0 1.5 1.5 1.5 1");
    PlaceTouchablePib(0, 6.5, 1.5, 1.5, 2, 1);
    EXPECT_EQ(CreatureSeesPib(c), 1);
}

TEST_F(CreaturesTest, AttackFiresTwoShotsAtTick210AndEndsAt320) {
    Creature* c = Start(TestBoard(10, 3), "0 1.5 1.5 0.5 1");
    StartCreatureAttack(c);
    EXPECT_EQ(c->state, kCreatureAttacking);
    Tick(c, 208);
    EXPECT_EQ(CountShots(), 0);
    EXPECT_FLOAT_EQ(c->x, 1.5f) << "an attacking creature stands still";
    Tick(c, 1);
    ASSERT_EQ(CountShots(), 2);
    Shot* s = GetShots();
    EXPECT_DOUBLE_EQ(s->x, 1.5);
    EXPECT_DOUBLE_EQ(s->dirX, 1);
    EXPECT_DOUBLE_EQ(s->dirY, 0);
    EXPECT_DOUBLE_EQ(s->life, 500);
    EXPECT_DOUBLE_EQ(s->arming, 30);
    Tick(c, 109);
    EXPECT_EQ(c->state, kCreatureAttacking);
    Tick(c, 1);
    EXPECT_EQ(c->state, kCreatureWalking);
    EXPECT_EQ(c->attackCounter, 0);
    EXPECT_EQ(CountShots(), 2);
}

TEST_F(CreaturesTest, SeeingAPibSoonerOrLaterStartsAnAttack) {
    Creature* c = Start(TestBoard(30, 1), "0 0.5 0.5 0.5 1");
    PlaceTouchablePib(0, 29.5, 0.5, 0.5, 3);
    int ticks = 0;
    while (c->state != kCreatureAttacking && ticks < 10000) {
        UpdateCreature(c);
        ++ticks;
    }
    EXPECT_EQ(c->state, kCreatureAttacking);
    EXPECT_EQ(c->attackCounter, 2);  // started and counted in the same tick
}

TEST_F(CreaturesTest, CatchReachKillsOnePibAndFreezesTheCreature) {
    Creature* c = Start(TestBoard(10, 3), "0 4.5 1.5 0.5 1");
    SetPlayerCount(2);
    PlaceTouchablePib(0, 4.5 + 0.47, 1.5, 0.5, 3);
    PlaceTouchablePib(1, 4.5, 1.5 + 0.46, 0.5, 2);
    UpdateCreature(c);
    EXPECT_EQ(WasPibKilled(0), 0);
    EXPECT_EQ(WasPibKilled(1), 1);
    EXPECT_EQ(c->hasBitten, 1);
    EXPECT_EQ(c->biteCounter, 2);
    float x = c->x;
    Tick(c, 318);
    EXPECT_EQ(c->biteCounter, 320);
    EXPECT_FLOAT_EQ(c->x, x);
    Tick(c, 1);
    EXPECT_EQ(c->biteCounter, 0);
    EXPECT_EQ(c->hasBitten, 0);
    // A protected or dying pib within reach is left alone.
    PlaceProtectedPib(1, 4.5, 1.6, 0.5, 2);
    PlaceTouchablePib(0, 4.4, 1.5, 0.5, 2);
    SetPibDying(0, 3);
    CheckCreatureCatch(c);
    EXPECT_EQ(WasPibKilled(0), 0);
    EXPECT_EQ(WasPibKilled(1), 0);
}

TEST_F(CreaturesTest, AttackWaitsOutABiteAndThenFires) {
    Creature* c = Start(TestBoard(10, 3), "0 4.5 1.5 0.5 1");
    StartCreatureAttack(c);
    Tick(c, 100);
    PlaceTouchablePib(0, 4.8, 1.5, 0.5, 3);
    Tick(c, 1);
    ASSERT_EQ(WasPibKilled(0), 1);
    SetPibDying(0, 1);  // the caught pib burns and is left alone
    Tick(c, 319 + 108);
    EXPECT_EQ(c->hasBitten, 0);
    EXPECT_EQ(c->attackCounter, 209);
    EXPECT_EQ(CountShots(), 0);
    Tick(c, 1);
    EXPECT_EQ(CountShots(), 2);
}

TEST_F(CreaturesTest, KnockOutFreezesForAThousandTicksAndBreaksOffAnAttack) {
    Creature* c = Start(TestBoard(10, 3), "0 4.5 1.5 0.5 1");
    StartCreatureAttack(c);
    Tick(c, 50);
    EXPECT_EQ(KillCreaturesNear(4.5 + 0.28, 1.5, 0.5), 1);
    EXPECT_EQ(c->dead, 1);
    EXPECT_EQ(c->state, kCreatureWalking);
    EXPECT_EQ(c->attackCounter, 0);
    Tick(c, 999);
    EXPECT_EQ(c->dead, 1000);
    EXPECT_FLOAT_EQ(c->x, 4.5f);
    Tick(c, 1);
    EXPECT_EQ(c->dead, 0);
    Tick(c, 1);
    EXPECT_GT(c->x, 4.5f);
    EXPECT_EQ(KillCreaturesNear(c->x + 0.29, 1.5, 0.5), 0);
    // Hitting a knocked-out creature starts its thousand ticks again.
    KillCreaturesNear(c->x, c->y, c->z);
    Tick(c, 500);
    KillCreaturesNear(c->x, c->y, c->z);
    EXPECT_EQ(c->dead, 1);
}

TEST_F(CreaturesTest, TurnInterruptedByAKnockOutResumesAfterIt) {
    Creature* c = Start(TestBoard(4, 1), "0 3.5 0.5 0.5 1");
    UpdateCreature(c);
    ASSERT_TRUE(IsTurning(c));
    Tick(c, 100);
    double turned = c->turned;
    KillCreature(c);
    Tick(c, 1000);
    EXPECT_EQ(c->dead, 0);
    EXPECT_TRUE(IsTurning(c));
    EXPECT_DOUBLE_EQ(c->turned, turned);
    Tick(c, 1);
    EXPECT_NEAR(c->turned, turned + 0.4, 1e-9);
}

TEST_F(CreaturesTest, OnlyRobotCreaturesTakePart) {
    TestBoard(10, 3).Load(Name());
    LoadTestCreatures(Name(), {"1 4.5 1.5 0.5 1", "0 1.5 0.5 0.5 1"});
    Creature* inert = GetCreatures()->next;
    ASSERT_EQ(inert->type, 1);
    for (int i = 0; i < 500; ++i) UpdateCreatures();
    EXPECT_FLOAT_EQ(inert->x, 4.5f);
    EXPECT_EQ(KillCreaturesNear(4.5, 1.5, 0.5), 0);
    EXPECT_EQ(inert->dead, 0);
}

TEST_F(CreaturesTest, DirectionSteps) {
    Creature* c = Start(TestBoard(3, 3), "0 1.5 1.5 0.5 0");
    const int dx[4] = {0, 1, 0, -1}, dy[4] = {1, 0, -1, 0};
    for (int d = 0; d < 4; ++d) {
        c->dir = d;
        EXPECT_EQ(CreatureDirX(c), dx[d]);
        EXPECT_EQ(CreatureDirY(c), dy[d]);
    }
}
