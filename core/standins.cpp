// STAND-INS for the menus, the tick clock and the game screen, which are not
// built yet. Everything in this file goes when they land.
#include <GL/gl.h>

#include "core/frame.h"
#include "core/game_screen.h"
#include "core/menus.h"
#include "core/play.h"

int menuPage = 0;
int titleItem = 1;
int worldChoice = 1;
int playerChoice = 1;
int spaceKeyLast = 0;
int upKeyLast = 0;
int downKeyLast = 0;

int lastTickTime = 0;
int worldLoadTime = 0;
int paused = 0;
int pauseKeyLast = 0;
int gameOver = 0;

// Shows the title picture over the whole window.
void DrawMenuScreen() {
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, screenTextures[kTexTitle]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0, 0);
    glTexCoord2f(1, 0); glVertex2f(1, 0);
    glTexCoord2f(1, 1); glVertex2f(1, 1);
    glTexCoord2f(0, 1); glVertex2f(0, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
}

void IdleMenu() {}
void LoadWorld() {}
void IdleGetReady() {}
void IdlePlay() {}
void DrawGameScreen() {}
