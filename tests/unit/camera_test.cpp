#include <GL/glut.h>

#include <cmath>

#include "core/keys.h"
#include "game_test_support.h"
#include "players/camera.h"
#include "players/pib.h"
#include "players/pib_record.h"
#include "support/helpers.h"
#include "test_support.h"
#include "world/board.h"

namespace {

void PlacePib(int p, double x, double y, int dir) {
    const int keys[3] = {kKeyLeft, kKeyRight, kKeyUp};
    InitPib(p, keys[0], keys[1], keys[2], x, y, 0.5, dir);
}

class Cameras : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        ClearKeyStates();
        SetPlayerCount(2);
        PlacePib(0, 2.5, 2.5, 0);
        PlacePib(1, 4.5, 4.5, 1);
        InitCamera(0);
        InitCamera(1);
    }
    void TearDown() override { ClearKeyStates(); }
    void Ticks(int p, int n) {
        for (int i = 0; i < n; ++i) HandleCameraKeys(p);
    }
};

TEST_F(Cameras, StartBehindThePibInOrbitMode) {
    const PibCamera& c = pibCameras[0];
    EXPECT_EQ(c.mode, kCameraOrbit);
    EXPECT_DOUBLE_EQ(c.yaw, 90);
    EXPECT_EQ(c.cameraKey, '1');
    EXPECT_EQ(pibCameras[1].cameraKey, '2');
    EXPECT_NEAR(c.eyeX, 2.5, 1e-4);
    EXPECT_NEAR(c.eyeY, 2.5 - 1.8, 1e-4);
    EXPECT_NEAR(c.eyeZ, 0.5 + 1.2, 1e-6);
}

TEST_F(Cameras, YawEasesTheShortWayAndComesToRest) {
    PlacePib(0, 2.5, 2.5, 1);  // from 90 to 0: down
    UpdateCamera(0);
    EXPECT_NEAR(pibCameras[0].yaw, 89.7, 1e-9);
    for (int i = 0; i < 400; ++i) UpdateCamera(0);
    double yaw = pibCameras[0].yaw;
    EXPECT_TRUE(yaw < 1 || yaw > 359) << yaw;

    PlacePib(0, 2.5, 2.5, 2);  // 270 from about 0: down through 360
    pibCameras[0].yaw = 0;
    UpdateCamera(0);
    EXPECT_NEAR(pibCameras[0].yaw, 359.7, 1e-9);
    for (int i = 0; i < 400; ++i) UpdateCamera(0);
    EXPECT_NEAR(pibCameras[0].yaw, 270, 1);

    PlacePib(0, 2.5, 2.5, 3);  // 180 from 270: down
    double before = pibCameras[0].yaw;
    UpdateCamera(0);
    EXPECT_NEAR(pibCameras[0].yaw, before - 0.3, 1e-9);
}

TEST_F(Cameras, YawExactlyBehindPicksARandomSide) {
    bool turnedUp = false, turnedDown = false;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        PlacePib(0, 2.5, 2.5, 0);
        ResetCameraYaw(0);
        PlacePib(0, 2.5, 2.5, 2);  // 90 to 270
        SeedRandomWith(seed);  // after the placing: every new figure reseeds from the time
        UpdateCamera(0);
        if (pibCameras[0].yaw > 90) turnedUp = true;
        if (pibCameras[0].yaw < 90) turnedDown = true;
        // Either way it gets there.
        for (int i = 0; i < 700; ++i) UpdateCamera(0);
        EXPECT_NEAR(pibCameras[0].yaw, 270, 1) << "seed " << seed;
    }
    EXPECT_TRUE(turnedUp);
    EXPECT_TRUE(turnedDown);
}

TEST_F(Cameras, HoldsStillDuringAQuarterTurnButFollowsADeath) {
    PlacePib(0, 2.5, 2.5, 1);
    FindPib(0)->turnState = 1;
    UpdateCamera(0);
    EXPECT_DOUBLE_EQ(pibCameras[0].yaw, 90);
    FindPib(0)->dying = 5;  // a dying pib is watched from the front: 180
    EXPECT_DOUBLE_EQ(GetCameraTargetYaw(0), 180);
    UpdateCamera(0);
    EXPECT_NEAR(pibCameras[0].yaw, 90.3, 1e-9);
    FindPib(0)->turnState = 0;
    FindPib(0)->dying = 0;
    PlacePib(0, 2.5, 2.5, 3);
    FindPib(0)->dying = 5;
    EXPECT_DOUBLE_EQ(GetCameraTargetYaw(0), 360);
    FindPib(0)->dying = 0;
}

TEST_F(Cameras, EyeSinksSlowlyUnderABridgeOnTheGroundOnly) {
    ReadWorldGrids("world.data");
    ASSERT_EQ(GetBoardCell(3, 1), 6);  // a bridge along x
    PlacePib(0, 3.5, 1.5, 1);
    for (int i = 0; i < 50; ++i) UpdateCameraEyeZ(0);
    EXPECT_NEAR(pibCameras[0].drop, -0.45, 1e-9);
    for (int i = 0; i < 100; ++i) UpdateCameraEyeZ(0);
    EXPECT_NEAR(pibCameras[0].drop, -0.9, 1e-9);
    EXPECT_NEAR(pibCameras[0].eyeZ, 0.5 + 1.2 - 0.9, 1e-6);
    FindPib(0)->upper = 1;  // on the deck: the eye rises back as slowly
    UpdateCameraEyeZ(0);
    EXPECT_EQ(pibCameras[0].underBridge, 0);
    EXPECT_NEAR(pibCameras[0].drop, -0.891, 1e-9);
    FindPib(0)->upper = 0;
}

TEST_F(Cameras, HeldKeysStopExactlyAtTheirLimits) {
    KeyboardDown('k', 0, 0);
    KeyboardDown('i', 0, 0);
    Ticks(0, 300);
    EXPECT_FLOAT_EQ(pibCameras[0].height, 20);
    EXPECT_FLOAT_EQ(pibCameras[0].distX, 20);
    EXPECT_FLOAT_EQ(pibCameras[0].distY, 20);
    ClearKeyStates();
    KeyboardDown('j', 0, 0);
    KeyboardDown('u', 0, 0);
    Ticks(0, 10);
    EXPECT_NEAR(pibCameras[0].height, 20 - 0.05, 1e-4);  // lowering is 20 times slower
    Ticks(0, 4000);
    EXPECT_EQ(pibCameras[0].height, kCameraNearHeight);
    EXPECT_EQ(pibCameras[0].distX, kCameraNearDist);
    EXPECT_EQ(pibCameras[0].distY, kCameraNearDist);
}

TEST_F(Cameras, HeldAdjustmentsActOnEveryCamera) {
    KeyboardDown('k', 0, 0);
    HandleCameraKeys(0);
    HandleCameraKeys(1);
    EXPECT_NEAR(pibCameras[0].height, 1.3, 1e-5);
    EXPECT_NEAR(pibCameras[1].height, 1.3, 1e-5);
}

TEST_F(Cameras, SixTurnsTheOffsetAndWrapsAt360) {
    pibCameras[0].yawOffset = 359.95;
    KeyboardDown('6', 0, 0);
    HandleCameraKeys(0);
    EXPECT_NEAR(pibCameras[0].yawOffset, 0.05, 1e-9);
}

TEST_F(Cameras, CameraKeyStepsTheModeOncePerPressAndHidesInFirstPerson) {
    KeyboardDown('1', 0, 0);
    Ticks(0, 5);  // held: one step
    Ticks(1, 1);  // another player's camera ignores key "1"
    EXPECT_EQ(GetCameraMode(0), kCameraFirstPerson);
    EXPECT_EQ(IsPibModelHidden(0), 1);
    EXPECT_EQ(GetCameraMode(1), kCameraOrbit);
    const int expected[4] = {kCameraOverhead, kCameraFixedChase, kCameraHeadingChase,
                             kCameraOrbit};
    for (int mode : expected) {
        KeyboardUp('1', 0, 0);
        HandleCameraKeys(0);
        KeyboardDown('1', 0, 0);
        HandleCameraKeys(0);
        EXPECT_EQ(GetCameraMode(0), mode);
        EXPECT_EQ(IsPibModelHidden(0), 0);
    }
}

TEST_F(Cameras, FlyInArrivesOnlyAfterTheFullCircleAndAllTheWayIn) {
    SetCameraFar(0);
    int steps = 0;
    while (!StepCameraFlyIn(0) && steps < 10000) ++steps;
    EXPECT_GT(steps, 3700);  // the height has the longest way: 18.8 at 0.005
    EXPECT_LT(steps, 3800);
    EXPECT_EQ(pibCameras[0].yawOffset, 0);
    EXPECT_NEAR(pibCameras[0].height, 1.2, 0.1);

    // Already close, the camera still has to circle once.
    InitCamera(0);
    pibCameras[0].yawOffset = 0.1;
    steps = 1;
    while (!StepCameraFlyIn(0)) ++steps;
    EXPECT_NEAR(steps, 3600, 1);  // 0.1 a step round to 360
}

TEST_F(Cameras, FlyOutHidesThePibAndArrivesFarOut) {
    SetCameraGameOver(0);
    EXPECT_EQ(IsPibModelHidden(0), 1);
    int steps = 1;
    while (!StepCameraFlyOut(0) && steps < 10000) ++steps;
    EXPECT_LT(steps, 3800);
    EXPECT_NEAR(pibCameras[0].distX, 20, 0.1);
    EXPECT_NEAR(pibCameras[0].height, 20, 0.1);
}

TEST_F(Cameras, OverheadModeLooksDownOnTheBoardsMiddleCell) {
    pibCameras[0].mode = kCameraOverhead;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    SetupCameraView(1.0, 1.0, 0);
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    // Looking straight down with +y up, the view only moves the eye.
    EXPECT_NEAR(m[12], -(GetBoardWidth() / 2), 1e-9);
    EXPECT_NEAR(m[13], -(GetBoardHeight() / 2), 1e-9);
    EXPECT_NEAR(m[14], -46, 1e-9);
}

}  // namespace
