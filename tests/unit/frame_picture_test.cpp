// The game screen and its parts held against pictures kept in
// tests/fixtures/frame: whole game frames of one and four players, the board
// of every world with its gems and bands, figures near and far, a cloud of
// sparks, a Robot's head close up and the story scenes' busiest frames.
// The kept pictures came from the drawing as it was before it was sent in
// batches; however the drawing is sent, the pictures must stay the same.
// PIB_WRITE_FIXTURES=1 writes the pictures afresh instead of comparing.
#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "core/fade.h"
#include "core/frame.h"
#include "core/game_screen.h"
#include "core/keys.h"
#include "core/play.h"
#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "figures/robot.h"
#include "game_test_support.h"
#include "players/camera.h"
#include "players/pib.h"
#include "scenes/army.h"
#include "scenes/palace.h"
#include "scenes/spiral.h"
#include "support/clock.h"
#include "support/helpers.h"
#include "test_support.h"
#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"
#include "world_test_support.h"

namespace {

const int kFrameMs = 16;

// A player's left (0), right (1) or fire (2) key: player 0 is on the arrows.
void PlayerKey(int p, int which, bool down) {
    static const int kArrows[3] = {GLUT_KEY_LEFT, GLUT_KEY_RIGHT, GLUT_KEY_UP};
    static const unsigned char kKeys[4][3] = {{0, 0, 0}, {'z', 'c', 'x'}, {',', '/', '.'}, {'7', '9', '8'}};
    if (p == 0) down ? SpecialDown(kArrows[which], 0, 0) : SpecialUp(kArrows[which], 0, 0);
    else down ? KeyboardDown(kKeys[p][which], 0, 0) : KeyboardUp(kKeys[p][which], 0, 0);
}

// Every pib fires now and then and turns now and then, each on its own
// beat, by frame number.
void DriveKeys(int frame) {
    for (int p = 0; p < 4; ++p) {
        int fire = (frame + 3 * p) % 12, turn = (frame + 19 * p) % 63;
        if (fire == 0 || fire == 6) PlayerKey(p, 2, fire == 0);
        if (turn == 0 || turn == 8) PlayerKey(p, (frame / 63 + p) % 2 != 0 ? 0 : 1, turn == 0);
    }
}

// A game played from its world load on a driven clock with fixed
// randomness, through get ready and the cameras' fly-in into play: the
// views, the figures, the shots, the sparks, the strip and the minimap.
struct GameCase {
    const char* name;
    int world, players;
    int ms;  // of play after the cameras have flown in
};
const GameCase kGames[] = {
    {"game_world1_four_players", 1, 4, 7000},
    {"game_world3_four_players", 3, 4, 9000},
    {"game_world2_one_player", 2, 1, 6000},
};

// The idle steps of one 16 ms frame and the frame's spark update, as the
// game runs them.
void RunFrame(int frame) {
    fakeNow += kFrameMs;
    if (gameState == kStateGetReady) {
        IdleGetReady();
    } else {
        DriveKeys(frame);
        IdlePlay();
    }
    UpdatePibSparks();
}

void PlayGame(const GameCase& c) {
    LoadGameAt(c.world, c.players, 0);
    SeedRandomWith(1234);
    frameCounter8 = 0;  // the blinking's phase, which only the display callback moves on
    fadeMode = kFadeNone;
    fadeValue = 0;
    int frame = 0;
    while (gameState == kStateGetReady && frame < 10000) RunFrame(frame++);
    for (int ms = 0; ms < c.ms; ms += kFrameMs) RunFrame(frame++);
    ClearKeyStates();
}

// A small window keeps the kept pictures small; the views are laid out for
// any size.
const int kGameW = 320, kGameH = 240;

ReadBack PlayAndDraw(const GameCase& c) {
    Reshape(kGameW, kGameH);
    PlayGame(c);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawGameScreen();
    UseRealClock();
    ReadBack shot = ReadBackBuffer(0, 0, kGameW, kGameH);
    Reshape(600, 450);
    return shot;
}

class FramePictures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!EnsureGlContext()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        static bool loaded = false;
        if (!loaded) {
            LoadBunnyTextures();
            LoadSparkTextures();
            LoadRobotTextures();
            LoadPalaceTextures();
            LoadArmySceneTexture();
            loaded = true;
        }
        Reshape(600, 450);
        // Every picture starts from GL's defaults and the game's own set-up,
        // whatever an earlier test in the same process left.
        StartFromGlDefaults();
        // The game sets up once and makes the screen's textures then: those
        // of the last set-up go, or every test would keep another set.
        glDeleteTextures(kScreenTextureCount, screenTextures);
        InitGraphics();
    }
};

// Pixels a picture may have off: an edge on a pixel's centre that the CPU's
// rounding puts on its other side, or a silhouette pixel on a board solid's
// edge that only the faces it turns away (left out) would cover.
const int kEdgePixels = 4;

TEST_F(FramePictures, GameFramesLookAsKept) {
    for (const GameCase& c : kGames) ExpectAsKept(PlayAndDraw(c), std::string("frame/") + c.name, kEdgePixels);
}

// Cleared and lit, blending off as the strip leaves it before the views.
void StartAView() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_BLEND);
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0}) glEnable(cap);
}

// Every world from beyond a corner with all its gems found and every band
// up, half of them plucked and wobbling; world 3 also with texturing off.
void FindEverythingAndPluckHalf() {
    FindEveryGemAndRaiseEveryBand();
    for (int k = 0; k < activeBandCount; k += 2)
        StrikeNurbsPatch(bands[activeBands[k].row][activeBands[k].column].surface, k % 4 ? 1 : -1);
    for (int k = 0; k < 30; ++k) UpdateBands();
}

TEST_F(FramePictures, BoardsLookAsKept) {
    const int kSize = 200;
    const char* const kWorlds[3] = {"world.data", "world2.data", "world3.data"};
    for (int w = 0; w < 3; ++w) {
        ClearKeyStates();
        ReadWorldFile(kWorlds[w]);
        FindEverythingAndPluckHalf();
        UpdateTexturingKey();
        for (int spin = 0; spin < 25 * (w + 1); ++spin) DrawGems(0);  // the holes and gems turned
        for (bool textured : {true, false}) {
            if (!textured && w != 2) continue;
            if (!textured) KeyboardDown('0', 0, 0);
            UpdateTexturingKey();
            StartAView();
            ViewBoardFromCorner(kSize);
            const GLfloat light[4] = {0.3f, -0.5f, 1.0f, 0};
            glLightfv(GL_LIGHT0, GL_POSITION, light);
            DrawWorld();
            std::string name = "board_world" + std::to_string(w + 1) + (textured ? "" : "_untextured");
            ExpectAsKept(ReadBackBuffer(0, 0, kSize, kSize), "frame/" + name, kEdgePixels);
        }
        ClearKeyStates();
        UpdateTexturingKey();
    }
}

// Robots and Bunnies at a quarter view's size, near and far, turned every
// way: most of their triangles are smaller than a pixel there.
TEST_F(FramePictures, FiguresNearAndFarLookAsKept) {
    const int kW = 300, kH = 213;
    Robot* robot = NewRobot();
    Bunny* armed = NewBunny(2, 1);
    SetBunnyGlasses(armed, 1);
    armed->field[kGunScale] = armed->field[kGunScale + 1] = 1;
    SetBunnyGunFlag(armed, 0, 1);
    SetBunnyGunFlag(armed, 1, 1);
    Bunny* bare = NewBunny(0, 0);
    SeedRandomWith(5);
    for (int i = 0; i < 60; ++i) UpdateRobot(robot, 1);
    PerspectiveView(0, 0, kW, kH, 60, 50);
    const GLfloat light[4] = {1.4f, 1.8f, 2.1f, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    StartAView();
    glEnable(GL_TEXTURE_2D);
    // Place (x, z), turn about y: a row of figures going back into the view.
    const float kPlaces[6][3] = {{-1.2f, -2.5f, 30}, {0.9f, -3, 200}, {-2, -6, 120},
                                 {1.8f, -8, 290}, {-3.5f, -14, 60}, {3, -20, 170}};
    for (int k = 0; k < 6; ++k) {
        glPushMatrix();
        glTranslatef(kPlaces[k][0], -0.6f, kPlaces[k][1]);
        glRotatef(kPlaces[k][2], 0, 1, 0);
        if (k % 3 == 0) {
            DrawRobot(robot);
        } else {
            DrawBunny(k % 3 == 1 ? armed : bare);
        }
        glPopMatrix();
    }
    ExpectAsKept(ReadBackBuffer(0, 0, kW, kH), "frame/figures_near_and_far", kEdgePixels);
    glDisable(GL_TEXTURE_2D);
    DeleteBunny(armed);
    DeleteBunny(bare);
    DeleteRobot(robot);
}

// A Robot's head close up: its face, the inside of its head from an eye the
// near plane puts there (the eye plates lie flat on its front wall), and its
// mouth from above. Its face's centre is at (0, 0.34, 0.14) in its frame.
TEST_F(FramePictures, RobotHeadCloseUpLooksAsKept) {
    const struct { const char* name; float eye[3], at[3]; } kEyes[] = {
        {"robot_face_close", {0.05f, 0.37f, 0.55f}, {0, 0.34f, 0.13f}},
        {"robot_inside_head", {0.1f, 0.3f, -0.08f}, {-0.08f, 0.36f, 0.14f}},
        {"robot_into_mouth", {0.02f, 0.42f, 0.45f}, {0, 0.28f, 0}},
    };
    Robot* robot = NewRobot();
    for (const auto& c : kEyes) {
        PerspectiveView(0, 0, 128, 128, 60, 50);
        const GLfloat light[4] = {1.4f, 1.8f, 2.1f, 0};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        StartAView();
        glEnable(GL_TEXTURE_2D);
        gluLookAt(c.eye[0], c.eye[1], c.eye[2], c.at[0], c.at[1], c.at[2], 0, 1, 0);
        DrawRobot(robot);
        ExpectAsKept(ReadBackBuffer(0, 0, 128, 128), std::string("frame/") + c.name, kEdgePixels);
    }
    glDisable(GL_TEXTURE_2D);
    DeleteRobot(robot);
}

// The sparks of four walking pibs, seen from behind pib 0 as in its view.
TEST_F(FramePictures, SparkCloudLooksAsKept) {
    PlayAndDraw({"", 1, 4, 3000});  // the game's lights
    const int kW = 300, kH = 213;
    glViewport(0, 0, kW, kH);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    SetupCameraView(double(kH) / kW, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);  // as the shots before them leave it
    for (int p = 0; p < 4; ++p) {
        DrawSparkEmitter(GetPibSparksA(p));
        DrawSparkEmitter(GetPibSparksB(p));
    }
    ExpectAsKept(ReadBackBuffer(0, 0, kW, kH), "frame/spark_cloud", kEdgePixels);
}

// The palace with A burning and the steam; the army with the Robot in view.
int sceneNow = 0;
int ReadSceneClock() { return sceneNow++; }

struct SceneCase {
    const char* name;
    void (*start)();
    int (*frame)();
    int (*draw)(int width, int height);
    int at;
    GLenum on;  // what the frame before leaves on
};
const SceneCase kScenes[] = {
    {"palace_burning", StartPalaceScene, PalaceFrame, DrawPalaceSceneFrame, 1990, GL_DEPTH_TEST},
    {"army_robot", StartArmyScene, ArmyFrame, DrawArmySceneFrame, 2150, GL_TEXTURE_2D},
};

// A scene paces its frames from the last one it drew, which an earlier test,
// or an earlier run of this one, may have left at any time its clock gave,
// even past this test's clock. A frame drawn waits out the period from
// there, so once each scene has drawn one no last frame is after the clock;
// a frame of each at one time further on puts every last frame there, and
// the scenes' clock starts from it as it starts from 0 in a process of its
// own.
void PutEveryScenesLastFrameAtOneTime() {
    const int kLongerThanAnyPeriod = 1000;
    for (const SceneCase& c : kScenes) c.start(), c.draw(1, 1);
    const int start = sceneNow + kLongerThanAnyPeriod;
    for (const SceneCase& c : kScenes) {
        c.start();
        sceneNow = start;
        c.draw(1, 1);
    }
    sceneNow = start;
}

TEST_F(FramePictures, SceneFramesLookAsKept) {
    const int kSceneW = 320, kSceneH = 240;
    SetClockSource(ReadSceneClock);
    PutEveryScenesLastFrameAtOneTime();
    for (const SceneCase& c : kScenes) {
        c.start();
        // A new figure seeds the generator from the wall clock: the seed is
        // set after the scene has made its figures.
        SeedRandomWith(3);
        while (c.frame() < c.at) c.draw(1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(c.on);
        c.draw(kSceneW, kSceneH);
        ExpectAsKept(ReadBackBuffer(0, 0, kSceneW, kSceneH), std::string("frame/") + c.name, kEdgePixels);
    }
    UseRealClock();
    ResetToTitle();
}

}  // namespace
