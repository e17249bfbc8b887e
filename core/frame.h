// The program's frame: the game state and the GLUT callbacks that carry all
// the work.
#pragma once

enum GameState {
    kStateOpening = 0,
    kStateGetReady = 1,
    kStatePlay = 2,
    kStateMenus = 3,
    kStatePalace = 4,
    kStateArmy = 5,
    kStateSpiral = 6
};

// The eight pictures of the menus and the game screen, in load order.
enum ScreenTexture {
    kTexGameOver,
    kTexPause,
    kTexTitle,
    kTexNumPlayers,
    kTexSelectWorld,
    kTexGetReady,
    kTexHead,
    kTexGem,
    kScreenTextureCount
};

extern int gameState;
extern int windowWidth;
extern int windowHeight;
extern int frameCounter8;
extern int pibRecoloured[4];
extern unsigned screenTextures[kScreenTextureCount];

// The start-up sequence up to (not into) GLUT's main loop.
void StartUp(int argc, char** argv);

void Display();
void Reshape(int width, int height);
void Idle();
void InitGraphics();
void ResetToTitle();
