// STAND-INS for the world, which is not built yet: a plain 10 by 10 floor
// with a gem count that never runs out.
#include <GL/gl.h>

#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"

namespace {
const int kStandInSize = 10;
}

void ReadWorldFile(const char*) {}
int GetBoardWidth() { return kStandInSize; }
int GetBoardHeight() { return kStandInSize; }
int GetBoardCell(int x, int y) {
    return x >= 0 && y >= 0 && x < kStandInSize && y < kStandInSize ? 0 : -1;
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
void UpdateBands() {}
