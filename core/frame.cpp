#include "core/frame.h"

#include <GL/glut.h>
#include <cstdio>

#include "core/fade.h"
#include "core/game_screen.h"
#include "core/keys.h"
#include "core/menus.h"
#include "core/play.h"
#include "core/x_keyboard.h"
#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/robot.h"
#include "players/shots.h"
#include "scenes/army.h"
#include "scenes/opening.h"
#include "scenes/palace.h"
#include "scenes/spiral.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

int gameState = kStateOpening;
int windowWidth = 600;
int windowHeight = 450;
int frameCounter8 = 0;
int pibRecoloured[4];
unsigned screenTextures[kScreenTextureCount];

namespace {

const char* const kScreenTextureFiles[kScreenTextureCount] = {
    "gameover.sgi", "pfire1.sgi",     "title.sgi",   "numplayers.sgi",
    "selectworld.sgi", "getready.sgi", "head.sgi", "gem.sgi",
};

void Say(const char* line) {
    std::fputs(line, stdout);
    std::fflush(stdout);
}

void SetUpSceneGl(bool texturing) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    if (texturing) glEnable(GL_TEXTURE_2D);
}

// "s" skips the running story scene when it goes down, so one press skips
// one scene however many frames it spans, and holding it skips only the
// scene it was pressed in. It is polled on every display call, whatever the
// state, so a release anywhere is seen.
int skipKeyLast = 0;

// Every so many idle calls (some seconds at the frame rates seen) the pages
// freed since are handed back: otherwise the game keeps as much as its
// busiest frame ever needed, and more as a long evening brings busier ones.
const int kIdleCallsBetweenReleases = 1000;
int idleCallsSinceRelease = 0;

void ReleaseFreeMemoryNowAndThen() {
    if (++idleCallsSinceRelease < kIdleCallsBetweenReleases) return;
    idleCallsSinceRelease = 0;
    ReleaseFreeMemory();
}

}  // namespace

void StartUp(int argc, char** argv) {
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH | GLUT_RGBA);
    glutInit(&argc, argv);
    ResetToTitle();
    glutInitWindowSize(600, 450);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("Pib^3");
    glutDisplayFunc(Display);
    ListenToKeys();
    glutReshapeFunc(Reshape);
    glutIdleFunc(Idle);
    Say("Initializing graphics (wait for it)...\n");
    InitGraphics();
    Say("Initializing Bunny Textures...\n");
    LoadBunnyTextures();
    LoadOpeningTextures();
    LoadPalaceTextures();
    Say("Creating army of rats... bunnies beware!\n");
    LoadArmySceneTexture();
    Say("Initializing Particle Engine...\n");
    LoadSparkTextures();
    InitShots();
    Say("Initializing Robot Textures...\n");
    LoadRobotTextures();
    ClearKeyStates();
    for (int& flag : pibRecoloured) flag = 0;
    gameState = kStateOpening;
    StartOpeningScene();
    Say("Initializing Sound...\n");
    LoadSounds();
    SeedRandom();
    Say("Let the bunny burning begin!!...\n");
}

void InitGraphics() {
    glClearColor(0, 0, 0, 0);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    for (int i = 0; i < kScreenTextureCount; ++i)
        screenTextures[i] = LoadSgiTexture(kScreenTextureFiles[i]);
}

void Display() {
    // The first call of a pass after GLUT reads its events, when it draws.
    ReadWindowKeyboard();
    if (++frameCounter8 == 8) frameCounter8 = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    int skip = KeyPressed('s', &skipKeyLast);
    // Each test sees the state as the one before left it; the story states are
    // tested last to first so a scene that hands over is not followed by a
    // frame of the next scene in the same call.
    if (gameState == kStatePlay || gameState == kStateGetReady) DrawGameScreen();
    if (gameState == kStateMenus) DrawMenuScreen();
    if (gameState == kStateOpening) {
        if (RunOpeningScript() == 1) ResetToTitle();
        DrawOpeningFrame(windowWidth, windowHeight);
    }
    if (gameState == kStateSpiral) {
        SetUpSceneGl(true);
        int r = DrawSpiralSceneFrame(windowWidth, windowHeight);
        if (r || skip) {
            StopKombat();
            ResetToTitle();
        }
    }
    if (gameState == kStateArmy) {
        SetUpSceneGl(true);
        int r = DrawArmySceneFrame(windowWidth, windowHeight);
        if (r || skip) {
            StartSpiralScene();
            gameState = kStateSpiral;
        }
    }
    if (gameState == kStatePalace) {
        SetUpSceneGl(false);
        int r = DrawPalaceSceneFrame(windowWidth, windowHeight);
        if (r || skip) {
            StartArmyScene();
            gameState = kStateArmy;
        }
    }
    if (fadeMode != kFadeNone) DrawFade();
    glutSwapBuffers();
}

void Reshape(int width, int height) {
    windowWidth = width;
    windowHeight = height;
}

void Idle() {
    // GLUT skips the display of a window it believes hidden, and a covered
    // window may still have the keyboard: the keys are read on every pass.
    ReadWindowKeyboard();
    if (gameState == kStateGetReady) IdleGetReady();
    else if (gameState == kStatePlay) IdlePlay();
    else if (gameState == kStateMenus) IdleMenu();
    if (IsKeyDown('a')) {
        StopTechno();
        StopIntroTechno();
        StopToccata();
        StopMarch();
        StopKombat();
        ResetToTitle();
    }
    StepFadeTicks();
    UpdateSound();
    ReleaseFreeMemoryNowAndThen();
    glutPostRedisplay();
}

void ResetToTitle() {
    fadeValue = 0.0;
    fadeMode = kFadeNone;
    gameState = kStateMenus;
    pauseKeyLast = 0;
    upKeyLast = 0;
    downKeyLast = 0;
    spaceKeyLast = 0;
    ticksPerIdle = 10;
    playerChoice = 1;
    worldChoice = 1;
    menuPage = 0;
    titleItem = 1;
    gameOver = 0;
    paused = 0;
    StopTechno();
}
