#include "core/menus.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include "core/fade.h"
#include "core/frame.h"
#include "core/keys.h"
#include "core/play.h"
#include "core/screen_layout.h"
#include "scenes/opening.h"
#include "scenes/palace.h"
#include "scenes/scene_frame.h"
#include "support/clock.h"
#include "support/helpers.h"

int menuPage = kMenuTitle;
int titleItem = 1;
int worldChoice = 1;
int playerChoice = 1;
int spaceKeyLast = 0;
int upKeyLast = 0;
int downKeyLast = 0;

namespace {

// The rows that are not chosen are dimmed by translucent black bands across
// the 6 by 6 picture; one or two bands per choice.
struct DimBand {
    float from, to;
};
struct RowDimming {
    int count;
    DimBand bands[2];
};

const RowDimming kTitleDimming[2] = {
    {1, {{0.0f, 2.3f}}},
    {1, {{2.3f, 4.2f}}},
};
const RowDimming kWorldDimming[3] = {
    {1, {{0.0f, 3.3f}}},
    {2, {{3.3f, 4.1f}, {0.0f, 2.5f}}},
    {1, {{2.5f, 4.1f}}},
};
const RowDimming kPlayersDimming[4] = {
    {1, {{0.0f, 3.3f}}},
    {2, {{3.3f, 4.1f}, {0.0f, 2.5f}}},
    {2, {{2.5f, 4.1f}, {0.0f, 1.7f}}},
    {1, {{1.7f, 4.1f}}},
};

const float kPictureSize = 6.0f;

void SetMaterial(float r, float g, float b, float a) {
    const float colour[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT, GL_AMBIENT, colour);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, colour);
}

void DrawPicture(unsigned texture, float x0, float y0, float x1, float y1) {
    SetMaterial(1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    glNormal3f(0, 0, 1);
    DrawSceneQuad(x0, y0, x1, y1);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void DrawFullPicture(unsigned texture) {
    DrawPicture(texture, 0, 0, kPictureSize, kPictureSize);
}

void DrawDimming(const RowDimming& dimming) {
    SetMaterial(0, 0, 0, 0.7f);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    for (int i = 0; i < dimming.count; ++i) {
        const DimBand& b = dimming.bands[i];
        glVertex3f(0, b.from, 0.3f);
        glVertex3f(kPictureSize, b.from, 0.3f);
        glVertex3f(kPictureSize, b.to, 0.3f);
        glVertex3f(0, b.to, 0.3f);
    }
    glEnd();
}

// The arrows move a page's choice once per press, within 1 to its maximum.
void MoveChoice(int* choice, int maximum) {
    if (KeyPressed(kKeyUp, &upKeyLast) && *choice > 1) --*choice;
    if (KeyPressed(kKeyDown, &downKeyLast) && *choice < maximum) ++*choice;
}

// A choice outside its page's rows shows the nearest row.
int RowIndex(int choice, int maximum) { return ClampInt(choice, 1, maximum) - 1; }

void SetMenuLightAndState() {
    const float ambient[4] = {0, 0, 0, 1};
    const float diffuse[4] = {1, 1, 1, 1};
    const float position[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    SetMaterial(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void SetMenuCamera() {
    if (!IsWindowEmpty(windowWidth, windowHeight)) {
        ScreenRect square = CentredSquare(windowWidth, windowHeight);
        glViewport(square.x, square.y, square.width, square.height);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(20, 1, 0.1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(3, 3, 20, 3, 3, 0, 0, 1, 0);
}

void HandleSpace() {
    if (!KeyPressed(' ', &spaceKeyLast)) return;
    if (menuPage == kMenuTitle && titleItem == 1) {
        gameState = kStatePalace;
        StartPalaceScene();
        fadeValue = 2000;
        StartFadeIn(2.0);
    }
    ++menuPage;
    if (menuPage == kMenuLeaving) StartFadeOut(2.0);
}

}  // namespace

void DrawTitleMenu(int item) {
    DrawPicture(GetWhitePibTexture(), 1.8f, 3.8f, 4.2f, 6.2f);
    DrawPicture(GetFinalTexture(), 3.7f, 5.0f, 4.7f, 6.0f);
    DrawFullPicture(screenTextures[kTexTitle]);
    DrawDimming(kTitleDimming[RowIndex(item, 2)]);
}

void DrawWorldMenu(int world) {
    DrawFullPicture(screenTextures[kTexSelectWorld]);
    DrawDimming(kWorldDimming[RowIndex(world, 3)]);
}

void DrawPlayersMenu(int players) {
    DrawFullPicture(screenTextures[kTexNumPlayers]);
    DrawDimming(kPlayersDimming[RowIndex(players, 4)]);
}

void DoTitleMenu() {
    DrawTitleMenu(titleItem);
    MoveChoice(&titleItem, 2);
}

void DoWorldMenu() {
    DrawWorldMenu(worldChoice);
    MoveChoice(&worldChoice, 3);
}

void DoPlayersMenu() {
    DrawPlayersMenu(playerChoice);
    MoveChoice(&playerChoice, 4);
}

void DrawMenuScreen() {
    SetMenuLightAndState();
    SetMenuCamera();
    // While a fade runs the menu shows nothing and ignores its keys.
    if (fadeMode == kFadeNone) {
        if (menuPage == kMenuTitle) DoTitleMenu();
        else if (menuPage == kMenuWorld) DoWorldMenu();
        else if (menuPage == kMenuPlayers) DoPlayersMenu();
        HandleSpace();
    }
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_LIGHTING);
}

void IdleMenu() {
    // The fade-out of the players page steps by exactly 2.0, so it meets 2000.
    if (fadeValue == 2000) {
        LoadWorld();
        worldLoadTime = ElapsedMs();
        lastTickTime = worldLoadTime;
    }
    glutPostRedisplay();
}
