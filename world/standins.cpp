// STAND-INS for the world, which is not built yet: a plain 10 by 10 floor
// with no poles, gems or bands, and a gem count that never runs out.
#include <GL/gl.h>

#include "players/pib.h"
#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"

namespace {
const int kStandInSize = 10;
}

void ReadWorldFile(const char*) {}
int GetBoardWidth() { return kStandInSize; }
int GetBoardHeight() { return kStandInSize; }
int IsOnBoard(int x, int y) { return x >= 0 && y >= 0 && x < kStandInSize && y < kStandInSize; }
int IsPoleIndex(int i, int j) {
    return i >= 0 && j >= 0 && i < kStandInSize - 1 && j < kStandInSize - 1;
}
int GetBoardCell(int x, int y) { return IsOnBoard(x, y) ? 0 : -1; }
int GetPole(int, int, int) { return 0; }
int GetCellAhead(int x, int y, int p) {
    static const int kStepX[4] = {0, 1, 0, -1}, kStepY[4] = {1, 0, -1, 0};
    int d = GetPibDirIndex(p) & 3;
    return GetBoardCell(x + kStepX[d], y + kStepY[d]);
}
int IsPibMoveBlocked(int, double x, double y, int) {
    return x < 0 || y < 0 || x >= kStandInSize || y >= kStandInSize;
}
int IsCreatureMoveBlocked(int d, double x, double y, int upper) {
    return IsPibMoveBlocked(d, x, y, upper);
}

void UpdateTexturingKey() {}

void DrawWorld() {
    glDisable(GL_LIGHTING);
    glBegin(GL_QUADS);
    for (int x = 0; x < kStandInSize; ++x)
        for (int y = 0; y < kStandInSize; ++y) {
            float shade = (x + y) % 2 ? 0.35f : 0.55f;
            glColor3f(shade, shade, shade + 0.1f);
            glVertex3f(x, y, 0);
            glVertex3f(x + 1, y, 0);
            glVertex3f(x + 1, y + 1, 0);
            glVertex3f(x, y + 1, 0);
        }
    glEnd();
    glEnable(GL_LIGHTING);
}

void DrawGems(int) {}
void DrawPoleMarkers() {}
void DrawBandMapIcons() {}

int GetGemsLeft() { return 12; }
void DiscoverGems(int) {}
void PlaceBand(int) {}
void UpdateBands() {}
int IsBandActive(int, int) { return 0; }
