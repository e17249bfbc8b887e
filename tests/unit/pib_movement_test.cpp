// Turning at poles, walking into walls, edges and bands, heights on ramps and
// bridges: the pib driven tick by tick on small worlds.
#include <cmath>

#include "pib_test_world.h"
#include "players/pib_movement.h"
#include "world/gems_bands.h"

using namespace pibtest;

namespace {
const int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;

// Walks pib 0 from (x, y) heading dir with the given key held until a turn
// starts; answers the pib.
Pib& WalkIntoTurn(double x, double y, int dir, int key) {
    Pib& pib = PlacePib(x, y, dir);
    Hold(key);
    EXPECT_GT(TickUntil([&] { return pib.turnState != kWalkingStraight; }, 400), 0);
    return pib;
}
}  // namespace

TEST(PibTurning, RightTurnSwingsAroundTheCornerAheadAndEndsJustShortOfTheNextLine) {
    World(6, 6).Load();
    Pib& pib = WalkIntoTurn(2.5, 2.5, kNorth, kRightKey);
    EXPECT_EQ(pib.turnState, kTurningRight);
    EXPECT_EQ(pib.turnStartX, 2.5);
    EXPECT_EQ(pib.turnStartY, 3.0);
    EXPECT_EQ(pib.poleX, 3.0);
    EXPECT_EQ(pib.poleY, 3.0);
    EXPECT_EQ(pib.turnEndX, 2.99);
    EXPECT_EQ(pib.turnEndY, 3.5);
    EXPECT_EQ(pib.dir, kNorth) << "the direction changes only when the turn ends";
    // The turn ends in the 119th tick after the one that started it.
    EXPECT_EQ(TickUntil([&] { return pib.turnState == kWalkingStraight; }, 400), 119);
    EXPECT_EQ(pib.dir, kEast);
    // The end tick jumps to the end point and then takes one straight step.
    EXPECT_DOUBLE_EQ(pib.x, 2.99 + pib.speed);
    EXPECT_EQ(pib.y, 3.5);
}

TEST(PibTurning, LeftTurnSwingsTheOtherWay) {
    World(6, 6).Load();
    Pib& pib = WalkIntoTurn(2.5, 2.5, kNorth, kLeftKey);
    EXPECT_EQ(pib.turnState, kTurningLeft);
    EXPECT_EQ(pib.poleX, 2.0);
    EXPECT_EQ(pib.poleY, 3.0);
    EXPECT_EQ(pib.turnEndX, 2.01);
    EXPECT_EQ(pib.turnEndY, 3.5);
    EXPECT_EQ(TickUntil([&] { return pib.turnState == kWalkingStraight; }, 400), 119);
    EXPECT_EQ(pib.dir, kWest);
}

TEST(PibTurning, TheArcKeepsHalfACellFromThePoleAndTheHeadingFollowsIt) {
    World(6, 6).Load();
    Pib& pib = WalkIntoTurn(2.5, 2.5, kNorth, kRightKey);
    for (int i = 0; i < 40; i++) {
        UpdatePib(0);
        EXPECT_NEAR(std::hypot(pib.x - 3.0, pib.y - 3.0), 0.5, 1e-4);
    }
    // 41 steps of 0.75 degrees swung: heading 90 minus that angle.
    EXPECT_NEAR(pib.turnAngle, 30.75, 1e-9);
    EXPECT_NEAR(GetPibDir(0), 90.0 - 30.75, 1e-9);
    EXPECT_GT(pib.x, 2.5);
    EXPECT_GT(pib.y, 3.0);
}

TEST(PibTurning, EveryDirectionTurnsAroundTheCornerOnItsSide) {
    // dir, start, expected pole for right and left, as (x, y).
    struct Case {
        int dir;
        double x, y;
        double rightPoleX, rightPoleY, leftPoleX, leftPoleY;
    };
    const Case cases[] = {
        {kNorth, 2.5, 2.7, 3, 3, 2, 3},
        {kEast, 2.7, 2.5, 3, 2, 3, 3},
        {kSouth, 2.5, 2.3, 2, 2, 3, 2},
        {kWest, 2.3, 2.5, 2, 3, 2, 2},
    };
    World(6, 6).Load();
    for (const Case& c : cases) {
        Pib& right = WalkIntoTurn(c.x, c.y, c.dir, kRightKey);
        EXPECT_EQ(right.poleX, c.rightPoleX) << "dir " << c.dir;
        EXPECT_EQ(right.poleY, c.rightPoleY) << "dir " << c.dir;
        EXPECT_EQ(right.turnToDir, (c.dir + 1) % 4);
        Pib& left = WalkIntoTurn(c.x, c.y, c.dir, kLeftKey);
        EXPECT_EQ(left.poleX, c.leftPoleX) << "dir " << c.dir;
        EXPECT_EQ(left.poleY, c.leftPoleY) << "dir " << c.dir;
        EXPECT_EQ(left.turnToDir, (c.dir + 3) % 4);
    }
}

TEST(PibTurning, NoTurnAtAUsedPoleAnEmptyCornerOrOffTheBoard) {
    World world(6, 6);
    world.poles[3 - 1][3 - 1] = 2;  // used: a band hangs on it
    world.poles[2 - 1][3 - 1] = 0;  // no pole at all
    world.Load();
    for (int key : {kRightKey, kLeftKey}) {
        Pib& pib = PlacePib(2.5, 2.5, kNorth);
        Hold(key);
        Ticks(300);
        EXPECT_EQ(pib.turnState, kWalkingStraight);
        EXPECT_EQ(pib.dir, kNorth);
        EXPECT_GT(pib.y, 3.5) << "walked straight on";
    }
    // In the first column, heading +y, a left turn would leave the board.
    Pib& pib = PlacePib(0.5, 2.5, kNorth);
    pib.leftKeyDown = 1;
    pib.y = 2.998;
    EXPECT_EQ(ShouldTurnLeft(0), 0);
    pib.rightKeyDown = 1;
    EXPECT_EQ(ShouldTurnRight(0), 1);
}

TEST(PibTurning, PolesOfTheOtherLevelDoNotCount) {
    World world(6, 6, 0);
    world.poles2[3 - 1][3 - 1] = 1;
    world.Load();
    Pib& pib = PlacePib(2.5, 2.998, kNorth);
    pib.rightKeyDown = 1;
    EXPECT_EQ(ShouldTurnRight(0), 0) << "on the ground only ground poles count";
    pib.upper = 1;
    EXPECT_EQ(ShouldTurnRight(0), 1);
}

TEST(PibTurning, BothKeysHeldTurnsRight) {
    World(6, 6).Load();
    Pib& pib = PlacePib(2.5, 2.5, kNorth);
    Hold(kLeftKey);
    Hold(kRightKey);
    ASSERT_GT(TickUntil([&] { return pib.turnState != kWalkingStraight; }, 400), 0);
    EXPECT_EQ(pib.turnState, kTurningRight);
    EXPECT_EQ(pib.turnToDir, kEast);
    EXPECT_EQ(pib.poleX, 3.0);
}

TEST(PibTurning, AHeldKeyCirclesTheSamePole) {
    World(6, 6).Load();
    Pib& pib = PlacePib(2.5, 2.5, kNorth);
    Hold(kRightKey);
    for (int turn = 1; turn <= 4; turn++) {
        ASSERT_GT(TickUntil([&] { return pib.turnState != kWalkingStraight; }, 400), 0);
        EXPECT_EQ(pib.poleX, 3.0) << "turn " << turn;
        EXPECT_EQ(pib.poleY, 3.0) << "turn " << turn;
        ASSERT_GT(TickUntil([&] { return pib.turnState == kWalkingStraight; }, 400), 0);
        EXPECT_EQ(pib.dir, turn % 4);
        EXPECT_NEAR(std::hypot(pib.x - 3.0, pib.y - 3.0), 0.5, 0.02);
    }
    Release(kRightKey);
    Ticks(400);
    EXPECT_EQ(pib.dir, kNorth);
    EXPECT_NEAR(pib.x, 2.5, 1e-9) << "back on its old centre line";
}

TEST(PibTurning, KeysAreNotReadDuringATurn) {
    World(6, 6).Load();
    Pib& pib = WalkIntoTurn(2.5, 2.5, kNorth, kRightKey);
    Release(kRightKey);
    Ticks(10);
    EXPECT_EQ(pib.rightKeyDown, 1) << "keeps the value read before the turn";
    EXPECT_EQ(pib.turnState, kTurningRight);
}

TEST(PibWalls, TheBoardEdgeTurnsThePibBackWithOneWallSound) {
    SoundLog sounds;
    World(3, 3).Load();
    Pib& pib = PlacePib(1.5, 2.0, kNorth);
    int bumpTick = TickUntil([&] { return pib.dir == kSouth; }, 200);
    ASSERT_GT(bumpTick, 0);
    // Turned back a quarter cell before the edge at y = 3.
    EXPECT_LT(pib.y, 2.75);
    EXPECT_GT(pib.y, 2.74);
    EXPECT_EQ(pib.bumpTimer, 1);
    EXPECT_EQ(sounds.Count("hitwall.wav"), 0) << "the sound comes with the next tick";
    UpdatePib(0);
    EXPECT_EQ(sounds.Count("hitwall.wav"), 1);
    Ticks(100);
    EXPECT_EQ(sounds.Count("hitwall.wav"), 1);
}

TEST(PibWalls, TremblingLastsSixtyTicksAndABumpPlaysOnceEachTime) {
    SoundLog sounds;
    World world(1, 4, 0);
    world.cells[0][0] = 8;  // crates at both ends
    world.cells[0][3] = 8;
    world.Load();
    Pib& pib = PlacePib(0.5, 1.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.bumpTimer != 0; }, 400), 0);
    EXPECT_EQ(pib.dir, kSouth);
    EXPECT_NEAR(pib.y, 2.75, 0.006) << "a quarter cell before the crate";
    // The trembling ends when the bump timer comes back to 0.
    EXPECT_EQ(TickUntil([&] { return pib.bumpTimer == 0; }, 200), 59);
    ASSERT_GT(TickUntil([&] { return pib.dir == kNorth; }, 400), 0);
    EXPECT_NEAR(pib.y, 1.25, 0.006);
    Ticks(50);
    EXPECT_EQ(sounds.Count("hitwall.wav"), 2);
}

TEST(PibWalls, ABandPutUpAheadUsesItsGroundPolesAndTurnsThePibBack) {
    SoundLog sounds;
    World world(4, 4);
    // A hidden band place on the border between cells (1, 2) and (1, 3).
    world.bands[AlongXRow(1)][2] = 1;
    world.poles2[1 - 1][3 - 1] = 1;
    world.Load();
    Pib& pib = PlacePib(1.5, 1.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.dir == kSouth; }, 400), 0);
    EXPECT_EQ(IsBandActive(AlongXRow(1), 2), 1);
    EXPECT_EQ(GetPole(1, 3, 1), 2);
    EXPECT_EQ(GetPole(2, 3, 1), 2);
    EXPECT_EQ(GetPole(1, 3, 2), 1) << "upper poles keep their values";
    EXPECT_LT(pib.y, 3.0 - 0.25);
    EXPECT_GT(pib.y, 3.0 - 0.30);
    Ticks(2);
    EXPECT_EQ(sounds.Count("hitwall.wav"), 1);
    // The pole is used now: no turn there on the way back either.
    Hold(kLeftKey);
    pib.dir = kNorth;
    pib.y = 2.5;
    Ticks(60);
    EXPECT_EQ(pib.turnState, kWalkingStraight);
}

TEST(PibHeights, ClimbingARampOntoABlockAndDownAgain) {
    World world(1, 6, 0);
    world.cells[0][1] = 1;  // rises toward +y
    world.cells[0][2] = 5;  // raised block
    world.cells[0][3] = 3;  // rises toward -y: down for a pib heading +y
    world.Load();
    Pib& pib = PlacePib(0.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.y >= 1.0; }), 0);
    EXPECT_EQ(pib.upper, 1) << "on the upper level from the ramp's low border";
    EXPECT_NEAR(pib.z, 0.5, 0.01);
    ASSERT_GT(TickUntil([&] { return pib.y >= 1.5; }), 0);
    EXPECT_NEAR(pib.z, 1.0, 0.01);
    ASSERT_GT(TickUntil([&] { return pib.y >= 2.5; }), 0);
    EXPECT_EQ(pib.z, 1.5);
    EXPECT_EQ(pib.upper, 1);
    ASSERT_GT(TickUntil([&] { return pib.y >= 3.5; }), 0);
    EXPECT_NEAR(pib.z, 1.0, 0.01);
    EXPECT_EQ(pib.upper, 1) << "still up while walking down the ramp";
    ASSERT_GT(TickUntil([&] { return pib.y >= 4.0; }), 0);
    EXPECT_EQ(pib.upper, 0);
    EXPECT_EQ(pib.z, 0.5);
}

TEST(PibHeights, ARampMetFromItsHighEndOnTheGroundIsAWall) {
    World world(1, 4, 0);
    world.cells[0][2] = 3;  // rises toward -y: its high end faces the pib
    world.Load();
    Pib& pib = PlacePib(0.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.dir == kSouth; }, 400), 0);
    EXPECT_NEAR(pib.y, 1.75, 0.006);
    EXPECT_EQ(pib.upper, 0);
}

TEST(PibHeights, UnderABridgeOnTheGroundAndOverItOnTheDeck) {
    World world(6, 3, 0);
    world.cells[2][1] = 7;  // deck along y
    world.cells[2][0] = 1;  // ramp up toward +y onto the deck
    world.cells[2][2] = 3;  // and down again
    world.Load();
    // Under: crossing along x on the ground.
    Pib& under = PlacePib(0.5, 1.5, kEast);
    ASSERT_GT(TickUntil([&] { return under.x >= 2.5; }), 0);
    EXPECT_EQ(under.z, 0.5);
    EXPECT_EQ(under.upper, 0);
    ASSERT_GT(TickUntil([&] { return under.x >= 3.5; }), 0);
    EXPECT_EQ(under.dir, kEast);
    // Over: up the ramp, along the deck.
    Pib& over = PlacePib(2.5, 0.2, kNorth);
    ASSERT_GT(TickUntil([&] { return over.y >= 1.5; }), 0);
    EXPECT_EQ(over.z, 1.5);
    EXPECT_EQ(over.upper, 1);
}

TEST(PibHoles, AHoleIsFallenIntoOnlyAtItsCentre) {
    World world(4, 4, 0);
    world.cells[1][2] = 10;
    world.cells[2][2] = 10;
    world.Load();
    Pib& pib = PlacePib(1.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.dying != 0; }, 1000), 0);
    EXPECT_EQ(pib.falling, 1);
    EXPECT_NEAR(pib.y, 2.5, 0.02);
    // Off the centre line by more than 0.02: walks over it.
    Pib& off = PlacePib(2.53, 0.5, kNorth);
    Ticks(700);
    EXPECT_EQ(off.dying, 0);
    EXPECT_GT(off.y, 3.0);
}

TEST(PibHoles, NoFallWhileTurning) {
    World world(4, 4, 0);
    world.cells[1][1] = 10;
    world.Load();
    Pib& pib = PlacePib(1.5, 1.5, kNorth);
    pib.turnState = kTurningRight;
    pib.turnFromDir = kNorth;
    pib.turnToDir = kEast;
    pib.poleX = 2.0;
    pib.poleY = 1.5;
    pib.turnAngle = 0;
    EXPECT_EQ(IsOverHole(0), 1);
    UpdatePib(0);
    EXPECT_EQ(pib.dying, 0);
}

TEST(PibGeometry, WalkAngleAndSparkOffsetsFollowTheTurn) {
    World(6, 6).Load();
    Pib& pib = PlacePib(2.5, 2.5, kNorth);
    EXPECT_EQ(GetPibWalkAngle(0), 0);
    pib.turnState = kTurningLeft;
    pib.turnAngle = 10.5;
    EXPECT_EQ(GetPibWalkAngle(0), -10) << "truncated toward zero below 0";
    pib.turnState = kTurningRight;
    pib.dir = kWest;
    EXPECT_EQ(GetPibWalkAngle(0), 280);
}
