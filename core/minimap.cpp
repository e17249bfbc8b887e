#include "core/minimap.h"

#include <GL/gl.h>

#include "core/frame.h"
#include "core/screen_layout.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/helpers.h"
#include "world/board.h"
#include "world/board_draw.h"

namespace {

const int kHoleCell = 10;
const int kHiddenCell = 9;
const double kArrowAlpha = 0.45;
const double kDirectionAngle[4] = {0, 270, 180, 90};

void DrawCellQuad(int x, int y) {
    glVertex3f(x, y, -0.1f);
    glVertex3f(x + 1, y, -0.1f);
    glVertex3f(x + 1, y + 1, -0.1f);
    glVertex3f(x, y + 1, -0.1f);
}

void DrawMinimapCells() {
    glBegin(GL_QUADS);
    for (int x = 0; x < GetBoardWidth(); ++x)
        for (int y = 0; y < GetBoardHeight(); ++y) {
            int cell = GetBoardCell(x, y);
            if (cell == kHiddenCell) continue;
            if (cell == kHoleCell) glColor4f(1.0f, 0.1f, 0.1f, 0.35f);
            else glColor4f(0.5f, 0.5f, 0.5f, 0.35f);
            DrawCellQuad(x, y);
        }
    glEnd();
}

}  // namespace

bool IsMinimapArrowShown(bool isProtected, int spawnCounter, int frame) {
    if (!isProtected) return true;
    int firstFrame = spawnCounter < 500 ? 3 : 4;
    return frame >= firstFrame && frame <= 7;
}

double MinimapArrowAngle(int dir, int turnState, double turnAngle) {
    double angle = kDirectionAngle[dir & 3];
    if (turnState == 1) angle -= turnAngle;
    else if (turnState == 2) angle += turnAngle;
    return angle;
}

void DrawMinimapArrow() {
    glScalef(0.75f, 0.75f, 1);
    glBegin(GL_TRIANGLES);
    glVertex3f(-0.5f, -0.5f, 0);
    glVertex3f(0, 0.5f, 0);
    glVertex3f(0.5f, -0.5f, 0);
    glEnd();
}

void DrawMinimapPlayers() {
    for (int p = 0; p < GetPlayerCount(); ++p) {
        if (!IsMinimapArrowShown(IsPibProtected(p), GetPibSpawnCounter(p), frameCounter8))
            continue;
        SetPibColorAlpha(p, kArrowAlpha);
        glPushMatrix();
        glTranslated(GetPibX(p), GetPibY(p), 0);
        double angle = MinimapArrowAngle(GetPibDirIndex(p), GetPibTurnState(p),
                                         GetPibTurnAngle(p));
        glRotatef(float(angle), 0, 0, 1);
        DrawMinimapArrow();
        glPopMatrix();
    }
}

void DrawMinimapGems() { DrawGems(1); }

void DrawMinimap() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ScreenRect map = MinimapRect(GetPlayerCount(), windowWidth, windowHeight);
    glViewport(map.x, map.y, map.width, map.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glOrtho(0, GetBoardWidth(), 0, GetBoardHeight(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, 0);
    DrawMinimapCells();
    DrawMinimapPlayers();
    DrawMinimapGems();
    glColor4f(0.3f, 1.0f, 1.0f, 0.5f);
    DrawBandMapIcons();
    DrawCreatureMarkers(frameCounter8, 8);
    DrawPoleMarkers();
    DrawShotMarkers();
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
}
