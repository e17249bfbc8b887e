// One tick of a pib: energy, burning, falling, lives and scores, protection,
// firing cadence and gems, driven tick by tick.
#include "pib_test_world.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "world/gems_bands.h"

using namespace pibtest;

namespace {
const int kNorth = 0, kEast = 1;

// A pib standing still in the middle of an open world: it walks back and
// forth between the walls, never near a hole.
Pib& OpenWorldPib(int players = 1) {
    World(8, 8, 0).Load();
    return PlacePib(3.5, 3.5, kNorth, players);
}

// Runs one death through to the tick of the return.
void DieOnce(Pib& pib) {
    pib.energy = 0.0001;
    ASSERT_GT(TickUntil([&] { return pib.dying == 0 || pib.out; }, 5000), 0);
}
}  // namespace

TEST(PibDeath, BurningOutPlaysTheDeathSoundNextTickAndReturnsAfterTheSequence) {
    SoundLog sounds;
    Pib& pib = OpenWorldPib();
    pib.energy = 0.0004;  // one tick's drain empties it
    UpdatePib(0);
    EXPECT_EQ(pib.dying, 1);
    EXPECT_EQ(pib.dyingLength, 3830);
    EXPECT_EQ(pib.energy, 0);
    EXPECT_EQ(IsPibDying(0), 1);
    EXPECT_EQ(IsPibUntouchable(0), 1);
    EXPECT_EQ(IsPibProtected(0), 0) << "not blinking while it burns";
    EXPECT_EQ(sounds.Count("death.wav"), 0);
    UpdatePib(0);
    EXPECT_EQ(sounds.Count("death.wav"), 1);
    // The return comes 3830 ticks after the tick in which the death began.
    EXPECT_EQ(TickUntil([&] { return pib.dying == 0; }, 5000), 3829);
    EXPECT_EQ(sounds.Count("death.wav"), 1);
    EXPECT_EQ(pib.x, 3.5);
    EXPECT_EQ(pib.y, 3.5);
    EXPECT_EQ(pib.dir, kNorth);
    EXPECT_EQ(pib.energy, 100);
    EXPECT_EQ(pib.lives, 2);
    EXPECT_EQ(pib.spawnCounter, 1);
}

TEST(PibDeath, EnergyDrainsEveryTickAndKeepsFallingDuringTheDeath) {
    Pib& pib = OpenWorldPib();
    Ticks(1000);
    EXPECT_NEAR(pib.energy, 100 - 1000 * 0.0005, 1e-9);
    pib.energy = 0.0001;
    Ticks(11);
    EXPECT_NEAR(pib.energy, -10 * 0.0005, 1e-9);
}

TEST(PibDeath, ACaughtPibBurnsOnceEvenWhenItsEnergyRunsOutTheSameTick) {
    Pib& pib = OpenWorldPib();
    KillPib(0);
    pib.energy = 0.0001;
    UpdatePib(0);
    EXPECT_EQ(pib.dying, 1);
    EXPECT_EQ(pib.killed, 1) << "stays set until the return";
    Ticks(100);
    EXPECT_EQ(pib.dying, 101) << "the death is not started again";
    ASSERT_GT(TickUntil([&] { return pib.dying == 0; }, 5000), 0);
    EXPECT_EQ(pib.killed, 0);
}

TEST(PibDeath, AFallLasts1500TicksAndReturnsThePibToItsStart) {
    SoundLog sounds;
    World world(3, 5, 0);
    world.cells[1][3] = 10;
    world.Load();
    Pib& pib = PlacePib(1.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.dying != 0; }, 1000), 0);
    EXPECT_EQ(pib.falling, 1);
    EXPECT_EQ(pib.dyingLength, 1500);
    EXPECT_EQ(IsPibDying(0), 0) << "a fall is not a burning death";
    EXPECT_EQ(IsPibUntouchable(0), 1);
    UpdatePib(0);
    EXPECT_EQ(sounds.Count("death.wav"), 1) << "a fall plays the death sound too";
    EXPECT_EQ(TickUntil([&] { return pib.dying == 0; }, 5000), 1499);
    EXPECT_EQ(pib.falling, 0);
    EXPECT_EQ(pib.x, 1.5);
    EXPECT_EQ(pib.y, 0.5);
    EXPECT_EQ(pib.lives, 2);
}

TEST(PibLives, OnePlayerHasThreeLivesAndTheFourthDeathPutsItOut) {
    Pib& pib = OpenWorldPib(1);
    pib.score = 5;
    for (int lives = 2; lives >= 0; lives--) {
        DieOnce(pib);
        EXPECT_EQ(pib.lives, lives);
        EXPECT_EQ(pib.out, 0);
    }
    EXPECT_EQ(pib.score, 5) << "one player keeps its score";
    DieOnce(pib);
    EXPECT_EQ(pib.out, 1);
    EXPECT_EQ(IsPibOut(0), 1);
    EXPECT_EQ(pib.lives, 0);
}

TEST(PibLives, APibThatIsOutIsNotUpdatedAnyMore) {
    SoundLog sounds;
    Pib& pib = OpenWorldPib(1);
    pib.lives = 0;
    DieOnce(pib);
    ASSERT_EQ(pib.out, 1);
    EXPECT_EQ(sounds.Count("death.wav"), 1);
    double x = pib.x, energy = pib.energy;
    Ticks(5000);
    EXPECT_EQ(sounds.Count("death.wav"), 1) << "no second death between two displays";
    EXPECT_EQ(pib.dying, 0);
    EXPECT_EQ(pib.x, x);
    EXPECT_EQ(pib.energy, energy);
    // A new game brings it back in.
    InitPib(0, kLeftKey, kRightKey, kFireKey, 3.5, 3.5, 0.5, kNorth);
    EXPECT_EQ(IsPibOut(0), 0);
    EXPECT_EQ(pib.lives, 3);
}

TEST(PibLives, SeveralPlayersHaveUnlimitedLivesAndEveryDeathCutsTheScore) {
    Pib& pib = OpenWorldPib(2);
    EXPECT_EQ(pib.lives, -1);
    pib.score = 3;
    const int expected[] = {2, 1, 0, 0};
    for (int cut : expected) {
        DieOnce(pib);
        EXPECT_EQ(pib.score, cut);
        EXPECT_EQ(pib.lives, -1);
        EXPECT_EQ(pib.out, 0);
    }
    pib.score = 10;
    DieOnce(pib);
    EXPECT_EQ(pib.score, 7) << "int(10 x 0.75)";
}

TEST(PibLives, ProtectionLasts1000TicksAfterTheStartAndAfterAReturn) {
    Pib& pib = OpenWorldPib();
    EXPECT_EQ(IsPibProtected(0), 1);
    Ticks(999);
    EXPECT_EQ(IsPibProtected(0), 1);
    EXPECT_EQ(IsPibUntouchable(0), 1);
    UpdatePib(0);
    EXPECT_EQ(pib.spawnCounter, 0);
    EXPECT_EQ(IsPibProtected(0), 0);
    EXPECT_EQ(IsPibUntouchable(0), 0);
    DieOnce(pib);
    EXPECT_EQ(IsPibProtected(0), 1);
    EXPECT_EQ(TickUntil([&] { return !IsPibUntouchable(0); }, 2000), 1000);
}

TEST(PibLives, RespawnWithNoLivesLeftChangesNothingButOut) {
    Pib& pib = OpenWorldPib();
    pib.lives = 0;
    pib.x = 1.25;
    pib.energy = -3;
    pib.dying = 77;
    RespawnPib(0);
    EXPECT_EQ(pib.out, 1);
    EXPECT_EQ(pib.x, 1.25);
    EXPECT_EQ(pib.energy, -3);
    EXPECT_EQ(pib.dying, 77);
}

TEST(PibFiring, OneShotPerPressAtMostOnePerFiftyTicks) {
    SoundLog sounds;
    Pib& pib = OpenWorldPib();
    ClearShots();
    Hold(kFireKey);
    UpdatePib(0);
    EXPECT_EQ(CountShots(), 1);
    EXPECT_EQ(sounds.Count("laser.wav"), 1);
    Ticks(120);
    EXPECT_EQ(sounds.Count("laser.wav"), 1) << "holding the key fires once";
    // Released and pressed again 30 ticks after a shot: nothing until the
    // cool-down of 50 ticks has passed, then at once if still held.
    Release(kFireKey);
    UpdatePib(0);
    Hold(kFireKey);
    UpdatePib(0);
    EXPECT_EQ(sounds.Count("laser.wav"), 2);
    Release(kFireKey);
    Ticks(29);
    Hold(kFireKey);  // pressed again 30 ticks after that shot
    int fired = TickUntil([&] { return sounds.Count("laser.wav") == 3; }, 100);
    EXPECT_EQ(29 + fired, 50) << "fires in the 50th tick after the last shot";
    EXPECT_EQ(pib.fireHeld, 1);
}

TEST(PibFiring, AShotLeavesFromBesideTheGunAlongTheHeading) {
    Pib& pib = OpenWorldPib();
    ClearShots();
    Hold(kFireKey);
    UpdatePib(0);
    Shot* shot = GetShots();
    ASSERT_NE(shot, nullptr);
    // Heading +y with no gun raised yet: from the right side, +x.
    EXPECT_NEAR(shot->x, 3.6, 1e-9);
    EXPECT_NEAR(shot->dirY, 1.0, 1e-4);
    EXPECT_NEAR(shot->dirX, 0.0, 1e-4);
    EXPECT_EQ(shot->type, 0);
    EXPECT_EQ(shot->speed, 0.025);
    EXPECT_EQ(pib.fireLatch, 1);
    UpdatePib(0);
    EXPECT_EQ(pib.leftGunUp, 1) << "the gun is raised the tick after the shot";
}

TEST(PibFiring, RaisingASignalArmLowersTheGunAndEndsTheCoolDown) {
    SoundLog sounds;
    World(8, 8, 0).Load();
    Pib& pib = PlacePib(3.5, 3.5, kEast);
    Hold(kFireKey);
    Ticks(2);
    ASSERT_EQ(pib.leftGunUp, 1);
    Release(kFireKey);
    Hold(kLeftKey);
    UpdatePib(0);
    EXPECT_EQ(pib.leftGunUp, 0);
    EXPECT_EQ(pib.leftArmOut, 1);
    EXPECT_EQ(pib.fireLatch, 0);
    Hold(kFireKey);
    UpdatePib(0);
    EXPECT_EQ(sounds.Count("laser.wav"), 2) << "the next press fires at once";
}

TEST(PibGems, APibFindsGemsOnItsOwnLevelOnly) {
    World world(3, 7, 0);
    world.cells[1][1] = 1;  // up onto the block
    world.cells[1][2] = 5;
    world.cells[1][3] = 3;  // and down again
    // A gem on each level at the block's far border (y = 3, walked on the
    // upper level) and at y = 5 (walked on the ground).
    for (int c : {2, 4}) {
        world.gems[AlongXRow(1)][c] = 1;
        world.gems2[AlongXRow(1)][c] = 1;
    }
    world.gemCount = 4;
    world.Load();
    Pib& pib = PlacePib(1.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.y > 3.5; }), 0);
    EXPECT_EQ(pib.score, 1);
    EXPECT_EQ(gems2[AlongXRow(1)][2].value, 2);
    EXPECT_EQ(gems2[AlongXRow(1)][2].finder, 0);
    EXPECT_EQ(gems[AlongXRow(1)][2].value, 1) << "the ground gem under it stays hidden";
    ASSERT_GT(TickUntil([&] { return pib.y > 5.5; }), 0);
    EXPECT_EQ(pib.score, 2);
    EXPECT_EQ(gems[AlongXRow(1)][4].value, 2);
    EXPECT_EQ(gems2[AlongXRow(1)][4].value, 1);
    EXPECT_EQ(GetGemsLeft(), 2);
}

TEST(PibRecord, IndicesOutsideZeroToThreeAreRefused) {
    OpenWorldPib();
    testing::internal::CaptureStdout();
    InitPib(4, kLeftKey, kRightKey, kFireKey, 1, 1, 0.5, 0);
    InitPib(-1, kLeftKey, kRightKey, kFireKey, 1, 1, 0.5, 0);
    EXPECT_EQ(GetPibX(4), 0);
    EXPECT_EQ(GetPibModel(-1), nullptr);
    EXPECT_EQ(IsPibOut(7), 0);
    AddPibScore(9);
    KillPib(-2);
    UpdatePib(4);
    RespawnPib(5);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("There is no pib 4"), std::string::npos);
    EXPECT_EQ(GetPibX(0), 3.5) << "pib 0 untouched";
}

TEST(PibRecord, HeadingSlopeAndPlaceQueries) {
    World world(4, 4, 0);
    world.cells[1][1] = 1;  // ramp rising toward +y
    world.Load();
    Pib& pib = PlacePib(1.5, 1.5, kNorth);
    EXPECT_EQ(GetPibSlope(0), 0) << "on the ground even on a ramp cell";
    pib.upper = 1;
    EXPECT_EQ(GetPibSlope(0), 0.5);
    pib.dir = 2;
    EXPECT_EQ(GetPibSlope(0), -0.5);
    pib.dir = kNorth;
    pib.turnState = kTurningRight;
    pib.turnAngle = 30;
    EXPECT_EQ(GetPibDir(0), 60);
    pib.turnState = kTurningLeft;
    EXPECT_EQ(GetPibDir(0), 120);
    pib.turnState = 7;
    testing::internal::CaptureStdout();
    EXPECT_EQ(GetPibDir(0), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "NO STATE WAS RETURNED in GetPibDir! ERROR!\n");
    pib.turnState = 0;
    pib.x = 4.0;
    pib.y = 4.0;
    EXPECT_EQ(IsPibOffMap(0), 0) << "the far edges count as on the board";
    pib.x = 4.001;
    EXPECT_EQ(IsPibOffMap(0), 1);
    pib.x = 2.7;
    pib.y = 0.3;
    pib.dir = 3;
    EXPECT_EQ(GetPibNextTileX(0), 1);
    EXPECT_EQ(GetPibNextTileY(0), 0);
    EXPECT_DOUBLE_EQ(GetPibAheadX(0), 2.695);
}

// What the pib update schedules now shows on the figure.
namespace {
float Body(const Pib& pib, int f) { return pib.model->field[f]; }
}  // namespace

TEST(PibFigure, ASomersaultAtABlockedEdgeJumpsFlipsAndStandsUp) {
    World(3, 3).Load();
    Pib& pib = PlacePib(1.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.flipping != 0; }, 1000), 0);
    // Jump after 100 ticks for 50, half flip, full flip, stand up, each 50.
    struct Stage {
        int tick;  // after the one that started the somersault
        float angleX, posY;
    } stages[] = {{148, 0, 0.67f}, {198, -180, 1.06f}, {248, 1, 0.69f}, {298, 0, -0.22f}};
    int done = 0;
    for (const Stage& s : stages) {
        Ticks(s.tick - done);
        done = s.tick;
        EXPECT_NEAR(Body(pib, kBodyAngleX), s.angleX, 0.01) << s.tick;
        EXPECT_NEAR(Body(pib, kBodyPosY), s.posY, 1e-4) << s.tick;
    }
    EXPECT_EQ(CountAnimTweens(pib.model->anim), 0);
}

TEST(PibFigure, DucksUnderABridgeAndStandsUpBeyondIt) {
    World world(3, 6, 0);
    world.cells[1][3] = 6;  // a deck along x, passed under heading +y
    world.Load();
    Pib& pib = PlacePib(1.5, 0.5, kNorth);
    ASSERT_GT(TickUntil([&] { return pib.ducking != 0; }, 1000), 0);
    EXPECT_LT(pib.y, 3.0);
    // Down after 50 ticks, over 100.
    Ticks(147);
    EXPECT_GT(Body(pib, kBodyPosY), -0.31f + 1e-4);
    UpdatePib(0);
    EXPECT_NEAR(Body(pib, kBodyPosY), -0.31f, 1e-4);
    EXPECT_NEAR(Body(pib, kBodyAngleX), 14, 1e-3);
    ASSERT_GT(TickUntil([&] { return pib.y >= 3.5; }, 1000), 0);
    EXPECT_NEAR(Body(pib, kBodyPosY), -0.31f, 1e-4) << "still down under the deck";
    ASSERT_GT(TickUntil([&] { return pib.ducking == 0; }, 1000), 0);
    EXPECT_GE(pib.y, 4.0) << "up only once out from under it";
    Ticks(50);
    EXPECT_NEAR(Body(pib, kBodyPosY), -0.22f, 1e-4);
    EXPECT_NEAR(Body(pib, kBodyAngleX), 0, 1e-3);
}

TEST(PibFigure, AShotRecoilsTheBodyWhileTheLeftArmRaisesTheGunAndLowersItLater) {
    Pib& pib = OpenWorldPib();
    Hold(kFireKey);
    UpdatePib(0);
    Release(kFireKey);
    Ticks(28);
    EXPECT_NEAR(Body(pib, kBodyPosZ), -0.11f * 29 / 30, 1e-4) << "recoil, 30 ticks";
    Ticks(21);
    EXPECT_NEAR(Body(pib, kBodyPosZ), 0, 0.005) << "and back in 20";
    // The gun, raised the tick after the shot, grows to full size by 60 ticks.
    // The fire pose starts while the raise has one step to go, and poses add
    // up: the arm ends off the fire target by that last step, (-56 - 21) / 20.
    Ticks(11);
    EXPECT_NEAR(pib.model->field[kGunScale], 1, 1e-5);
    EXPECT_EQ(BunnyHandHasGun(pib.model, 0), 1);
    EXPECT_NEAR(BunnySideValue(pib.model, 0, kBackarmY), -69 - 3.85, 1e-3);
    EXPECT_EQ(BunnyHandHasGun(pib.model, 1), 0);
    // 200 ticks after the shot the gun shrinks away and the arm comes down,
    // again off rest by the overlap of the two poses.
    ASSERT_EQ(TickUntil([&] { return pib.leftGunUp == 0; }, 400), 200 - 61);
    Ticks(40);
    EXPECT_NEAR(pib.model->field[kGunScale], 0, 1e-5);
    for (int f : {kBackarmY, kBackarmZ, kForearmY, kHandY})
        EXPECT_NEAR(BunnySideValue(pib.model, 0, f), BunnyLayout().rest[f], 6) << f;
    EXPECT_EQ(CountAnimTweens(pib.model->anim), 0);
}
