// Shots: arming, flight, hits on pibs, tiles, bands and creatures, and the
// bursts they leave.
#include <gtest/gtest.h>

#include <string>

#include "creatures_test_world.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"

namespace {

const double kPibShotSpeed = 0.025;

// An open floor of 10 by 3 cells; the players are set up far out of the way.
class ShotsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlayerCount(1);
        PlaceProtectedPib(0, -100, -100, 0.5, 0);  // not where an earlier test left it
        LoadTestCreatures(Name() + "_none", {});
    }
    // Scratch files are named per test: ctest runs tests side by side.
    std::string Name() const {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void LoadBoard(const TestBoard& board) { board.Load(Name()); }
    void Tick(int n) {
        for (int i = 0; i < n; ++i) UpdateShots();
    }
};

}  // namespace

TEST_F(ShotsTest, ArmingDecidesWhenAPibIsHit) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 2.5, 1.5, 0.5, 1);
    // A shot that stays on the pib hits it once armed: after 25 ticks for a
    // pib's shot (arming 24), after 31 for a creature's (arming 30).
    FireShot(2.5, 1.5, 0.5, 1, 0, 0, 0, 500, 24, kShotPib0);
    Tick(24);
    EXPECT_EQ(CountShots(), 1);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 100);
    Tick(1);
    EXPECT_EQ(CountShots(), 0);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 98);
    ASSERT_EQ(CountBursts(), 1);
    EXPECT_EQ(GetShotBursts()->hitPib, 0);

    FireShot(2.5, 1.5, 0.5, 1, 0, 0, 0, 500, 30, kShotCreature);
    Tick(30);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 98);
    Tick(1);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 93);
}

TEST_F(ShotsTest, PibShotFliesFiveCellsAndVanishesWithoutBurst) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 9.5, 0.5, 0.5, 0);
    FireShot(1.0, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    Shot* s = GetShots();
    EXPECT_DOUBLE_EQ(s->alpha, 0.6);
    EXPECT_DOUBLE_EQ(s->size, 1.0);
    EXPECT_GE(s->spinA, 0);
    EXPECT_LT(s->spinA, 359);
    Tick(199);
    ASSERT_EQ(CountShots(), 1);
    EXPECT_NEAR(GetShots()->x, 1.0 + 199 * kPibShotSpeed, 1e-9);
    Tick(1);
    EXPECT_EQ(CountShots(), 0);
    EXPECT_EQ(CountBursts(), 0);
}

TEST_F(ShotsTest, BandSendsAPibShotBackArmedToItsOwner) {
    LoadBoard(TestBoard(10, 3).BandOnLineX(4, 1));
    PlaceTouchablePib(0, 1.5, 1.5, 0.5, 1);
    FireShot(1.7, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    // It leaves past its owner unarmed, turns at the band and comes back.
    double furthest = 0;
    for (int i = 0; i < 200 && CountShots() == 1; ++i) {
        UpdateShots();
        if (GetShots()) furthest = std::max(furthest, GetShots()->x);
    }
    EXPECT_LT(furthest, 4.0);
    EXPECT_GT(furthest, 3.85);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 98);
    ASSERT_EQ(CountBursts(), 1);
    // The burst rides along with the pib it hit.
    Shot* burst = GetShotBursts();
    EXPECT_DOUBLE_EQ(burst->speed, GetPibSpeed(0));
    EXPECT_NEAR(burst->dirX, GetPibDirCos(0), 1e-12);
    double x = burst->x;
    Tick(10);
    EXPECT_NEAR(GetShotBursts()->x, x + 10 * GetPibSpeed(0) * GetPibDirCos(0), 1e-9);
}

TEST_F(ShotsTest, BandBouncesOnEitherAxisOnlyBelowTheUpperLevel) {
    LoadBoard(TestBoard(4, 6).BandOnLineY(1, 3));
    FireShot(1.5, 1.5, 0.5, 0, 1, 0, kPibShotSpeed, 200, 24, kShotPib1);
    FireShot(1.5, 1.5, 1.5, 0, 1, 0, kPibShotSpeed, 200, 24, kShotPib1);
    Tick(70);
    ASSERT_EQ(CountShots(), 2);
    Shot* high = GetShots();
    Shot* low = high->next;
    EXPECT_LT(low->dirY, 0);
    EXPECT_LT(low->y, 3.0);
    EXPECT_GT(high->dirY, 0);
    EXPECT_GT(high->y, 3.0);
}

TEST_F(ShotsTest, CreatureVolleyCostsTenWhenBothShotsHit) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 4.5, 1.5, 0.5, 1);
    LoadTestCreatures(Name(), {"0 1.5 1.5 0.5 1"});
    Creature* c = OnlyCreature();
    StartCreatureAttack(c);
    for (int i = 0; i < 209; ++i) UpdateCreature(c);
    ASSERT_EQ(CountShots(), 2);
    EXPECT_DOUBLE_EQ(GetShots()->speed, 0.01);
    EXPECT_EQ(GetShots()->type, kShotCreature);
    Tick(300);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 90);
    EXPECT_EQ(CountShots(), 0);
}

TEST_F(ShotsTest, PointBlankPibShotKnocksOutACreatureWithoutBurst) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 9.5, 0.5, 0.5, 0);
    LoadTestCreatures(Name(), {"0 2.5 1.5 0.5 3"});
    FireShot(2.3, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    Tick(1);
    EXPECT_EQ(OnlyCreature()->dead, 1);
    EXPECT_EQ(CountShots(), 0);
    EXPECT_EQ(CountBursts(), 0);
    // A creature's own kind of shot passes creatures by.
    LoadTestCreatures(Name() + "2", {"0 2.5 1.5 0.5 3"});
    FireShot(2.3, 1.5, 0.5, 1, 0, 0, 0.01, 500, 30, kShotCreature);
    Tick(10);
    EXPECT_EQ(OnlyCreature()->dead, 0);
    EXPECT_EQ(CountShots(), 1);
}

TEST_F(ShotsTest, ArmedShotIntoACreatureLeavesABurstThere) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 9.5, 0.5, 0.5, 0);
    LoadTestCreatures(Name(), {"0 5.5 1.5 0.5 3"});
    FireShot(2.0, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib2);
    Tick(200);
    EXPECT_GT(OnlyCreature()->dead, 0);
    ASSERT_EQ(CountBursts(), 1);
    EXPECT_EQ(GetShotBursts()->dirX, 0);
    EXPECT_NEAR(GetShotBursts()->x, 5.5 - 0.28875, 0.03);
}

TEST_F(ShotsTest, ShotsPassProtectedAndDyingPibs) {
    LoadBoard(TestBoard(10, 3));
    SetPlayerCount(2);
    PlaceProtectedPib(0, 3.5, 1.5, 0.5, 1);
    PlaceTouchablePib(1, 5.5, 1.5, 0.5, 1);
    SetPibDying(1, 10);
    FireShot(3.5, 1.5, 0.5, 1, 0, 0, 0, 100, -1, kShotPib3);
    FireShot(5.5, 1.5, 0.5, 1, 0, 0, 0, 100, -1, kShotCreature);
    Tick(50);
    EXPECT_EQ(CountShots(), 2);
    EXPECT_DOUBLE_EQ(GetPibEnergy(0), 100);
    EXPECT_DOUBLE_EQ(GetPibEnergy(1), 100);
}

TEST_F(ShotsTest, InactivePlayersAreNeverHit) {
    LoadBoard(TestBoard(10, 3));
    PlaceTouchablePib(0, 9.5, 0.5, 0.5, 0);
    PlaceTouchablePib(3, 4.5, 1.5, 0.5, 0);
    FireShot(4.5, 1.5, 0.5, 1, 0, 0, 0, 100, -1, kShotPib0);
    Tick(5);
    EXPECT_DOUBLE_EQ(GetPibEnergy(3), 100);
    EXPECT_EQ(CountShots(), 1);
}

TEST_F(ShotsTest, TilesStopGroundShotsAsTheirShapesSay) {
    LoadBoard(TestBoard(10, 2)
                  .Cell(1, 0, 8)    // crate
                  .Cell(2, 0, 5)    // raised block
                  .Cell(3, 0, 9)    // solid hidden cell
                  .Cell(4, 0, 6)    // bridge
                  .Cell(5, 0, 10)   // hole
                  .Cell(6, 0, 2)    // ramp rising toward +x
                  .Cell(7, 0, 4));  // ramp rising toward -x
    struct Probe {
        double x, y, z;
        int hit;
    };
    const Probe probes[] = {
        {0.5, 0.5, 0.5, 0},  {1.5, 0.5, 0.5, 1}, {2.5, 0.5, 0.5, 1},  {3.5, 0.5, 0.5, 1},
        {4.5, 0.5, 0.5, 0},  {4.5, 0.5, 0.95, 1}, {5.5, 0.5, 0.5, 0}, {6.3, 0.5, 0.5, 0},
        {6.7, 0.5, 0.5, 1},  {7.7, 0.5, 0.5, 0}, {7.3, 0.5, 0.5, 1},  {1.5, 0.5, 1.0, 0},
        {2.5, 0.5, 1.2, 0},  {-0.1, 0.5, 0.5, 1}, {0.5, -0.1, 0.5, 1}, {10.2, 0.5, 0.5, 1},
        {0.5, 2.1, 0.5, 1},  {0.5, 0.5, 0.0, 1},
    };
    for (const Probe& p : probes) {
        Shot shot{};
        shot.x = p.x;
        shot.y = p.y;
        shot.z = p.z;
        EXPECT_EQ(ShotHitsTile(&shot), p.hit) << p.x << ", " << p.y << ", " << p.z;
    }
}

TEST_F(ShotsTest, UnarmedShotIntoAWallVanishesArmedOneBursts) {
    LoadBoard(TestBoard(10, 2).Cell(3, 0, 8).Cell(3, 1, 8));
    FireShot(2.7, 0.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    Tick(20);
    EXPECT_EQ(CountShots(), 0);
    EXPECT_EQ(CountBursts(), 0);
    FireShot(0.5, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    Tick(110);
    EXPECT_EQ(CountShots(), 0);
    ASSERT_EQ(CountBursts(), 1);
    EXPECT_GE(GetShotBursts()->x, 3.0);
    EXPECT_LT(GetShotBursts()->x, 3.0 + kPibShotSpeed);
}

TEST_F(ShotsTest, BurstGrowsFadesAndLastsAHundredTicks) {
    LoadBoard(TestBoard(10, 2).Cell(3, 0, 8));
    FireShot(2.99, 0.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, -5, kShotPib0);
    Tick(1);
    ASSERT_EQ(CountBursts(), 1);
    Shot* burst = GetShotBursts();
    EXPECT_NEAR(burst->alpha, 0.594, 1e-12);
    EXPECT_NEAR(burst->size, 1.03, 1e-12);
    double x = burst->x;
    int ticks = 1;
    while (CountBursts() == 1 && ticks < 1000) {
        Tick(1);
        ++ticks;
        if (CountBursts()) {
            EXPECT_EQ(GetShotBursts()->x, x);
        }
    }
    EXPECT_GE(ticks, 100);
    EXPECT_LE(ticks, 101);
}

TEST_F(ShotsTest, ClearingEmptiesBothLists) {
    LoadBoard(TestBoard(10, 2).Cell(3, 0, 8));
    FireShot(2.99, 0.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, -5, kShotPib0);
    FireShot(0.5, 1.5, 0.5, 1, 0, 0, kPibShotSpeed, 200, 24, kShotPib0);
    Tick(1);
    EXPECT_EQ(CountShots(), 1);
    EXPECT_EQ(CountBursts(), 1);
    ClearShots();
    EXPECT_EQ(CountShots(), 0);
    EXPECT_EQ(CountBursts(), 0);
}

TEST(ShotGrid, SnapToGridLineFindsOnlyNearLines) {
    EXPECT_EQ(SnapToGridLine(2.98, 1), 3);
    EXPECT_EQ(SnapToGridLine(2.98, 0), 3);
    EXPECT_EQ(SnapToGridLine(2.97, 1), -1);
    EXPECT_EQ(SnapToGridLine(3.0, 1), 3);
    EXPECT_EQ(SnapToGridLine(3.02, 3), 3);
    EXPECT_EQ(SnapToGridLine(3.02, 2), 3);
    EXPECT_EQ(SnapToGridLine(3.03, 2), -1);
    EXPECT_EQ(SnapToGridLine(3.02, 1), -1);
}
