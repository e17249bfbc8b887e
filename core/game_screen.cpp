#include "core/game_screen.h"

#include <GL/gl.h>

#include "core/frame.h"
#include "core/hud.h"
#include "core/minimap.h"
#include "core/play.h"
#include "core/screen_layout.h"
#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/figure_pool.h"
#include "players/camera.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/clock.h"
#include "support/helpers.h"
#include "world/board_draw.h"

namespace {

const int kBlinkScheme = 5;

void SetGameLights() {
    const float ambient[4] = {0, 0, 0, 1};
    const float diffuse[4] = {1, 1, 1, 1};
    const float position0[4] = {1.4f, 1.8f, 2.1f, 0};
    const float position1[4] = {-2.1f, -1.7f, 2.3f, 0};
    // Given under the identity, the lights stay put relative to every eye.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position0);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, position1);
}

void ColourPib(int p) {
    if (IsPibProtected(p)) {
        pibRecoloured[p] = 0;
        SetBunnyColorScheme(GetPibModel(p), BlinkColorScheme(p, frameCounter8));
    } else if (!pibRecoloured[p]) {
        SetBunnyColorScheme(GetPibModel(p), p);
        pibRecoloured[p] = 1;
    }
}

void DrawBar(const DividerPiece& piece) {
    const ScreenRect& v = piece.viewport;
    glViewport(v.x, v.y, v.width, v.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Plain colour: whatever texture the views left bound stays off the bars.
    glBindTexture(GL_TEXTURE_2D, 0);
    const float edge = 0.1f, middle = 0.5f;
    float a = float(piece.from), b = float(piece.to);
    glBegin(GL_QUADS);
    // Dark along both long edges, bright along the middle line.
    for (int half = 0; half < 2; ++half) {
        float s0 = half * 0.5f, s1 = s0 + 0.5f;
        float c0 = half ? middle : edge, c1 = half ? edge : middle;
        if (piece.vertical) {
            glColor3f(0, 0, c0);
            glVertex3f(s0, a, 0);
            glColor3f(0, 0, c1);
            glVertex3f(s1, a, 0);
            glVertex3f(s1, b, 0);
            glColor3f(0, 0, c0);
            glVertex3f(s0, b, 0);
        } else {
            glColor3f(0, 0, c0);
            glVertex3f(a, s0, 0);
            glVertex3f(b, s0, 0);
            glColor3f(0, 0, c1);
            glVertex3f(b, s1, 0);
            glVertex3f(a, s1, 0);
        }
    }
    glEnd();
    glEnable(GL_LIGHTING);
}

void DrawOverlay(unsigned texture, float depth) {
    ScreenRect square = CentredSquare(windowWidth, windowHeight);
    glViewport(square.x, square.y, square.width, square.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const float white[4] = {1, 1, 1, 0.75f};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, white);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 0);
    glVertex3f(0, 0, depth);
    glTexCoord2f(1, 0);
    glVertex3f(1, 0, depth);
    glTexCoord2f(1, 1);
    glVertex3f(1, 1, depth);
    glTexCoord2f(0, 1);
    glVertex3f(0, 1, depth);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_LIGHTING);
}

}  // namespace

int BlinkColorScheme(int p, int frame) { return frame <= 2 ? kBlinkScheme : p; }

bool IsGetReadyShown(int elapsedMs) { return elapsedMs % 1000 >= 500; }

void UpdatePibSparks() {
    for (int p = 0; p < GetPlayerCount(); ++p) {
        UpdateSparkEmitter(GetPibSparksA(p));
        UpdateSparkEmitter(GetPibSparksB(p));
    }
}

namespace {
// Each view's place on the window and its camera, worked out once a frame.
struct View {
    ScreenRect rect;
    float projection[16], modelview[16];
};
View views[4];

void EnterPlayerView(int p) {
    const View& v = views[p];
    glViewport(v.rect.x, v.rect.y, v.rect.width, v.rect.height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(v.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(v.modelview);
}

void SetUpViews(int players) {
    double scaleX, scaleY;
    ViewScale(players, windowWidth, windowHeight, &scaleX, &scaleY);
    for (int p = 0; p < players; ++p) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        View& v = views[p];
        v.rect = PlayerView(players, p, windowWidth, windowHeight);
        glViewport(v.rect.x, v.rect.y, v.rect.width, v.rect.height);
        SetupCameraView(scaleX, scaleY, p);
        glGetFloatv(GL_PROJECTION_MATRIX, v.projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, v.modelview);
    }
}
}  // namespace

// What each view shows, in this order: the world, every active pib, the
// creatures, the shots, every pib's sparks. The board's fixed parts and the
// hole pads go first, each step in every view; then view by view the found
// gems, the bands and the figures (a shaking Robot and a trembling Bunny
// draw their jitters in that order, and the gems turn once a view), the
// figures' opaque parts held and sent together, one batch per texture; then
// the shots and the sparks, each step in every view before the next.
void DrawWorldViews(const ViewSteps& steps) {
    int spin = GetGemSpin();
    DrawFixedBoardInViews(steps);
    DrawHolesInViews(steps, spin);
    HoldFigures();
    for (int v = 0; v < steps.count; ++v) {
        EnterView(steps, v);
        DrawGems(0);
        DrawBands();
        // As drawing the world leaves it in each view: a Bunny's clothes take
        // the texture environment they find.
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        for (int p = 0; p < GetPlayerCount(); ++p) {
            ColourPib(p);
            DrawPib(p);
        }
        DrawCreatures();
    }
    StopHoldingFigures();
    DrawShotsInViews(steps);
    SparkEmitter* sparks[8];
    int count = 0;
    for (int p = 0; p < GetPlayerCount(); ++p) {
        sparks[count++] = GetPibSparksA(p);
        sparks[count++] = GetPibSparksB(p);
    }
    DrawSparkEmittersInViews(sparks, count, steps);
}

void DrawDividers(int players) {
    DividerPiece pieces[4];
    int count = DividerPieces(players, windowWidth, windowHeight, pieces);
    for (int i = 0; i < count; ++i) DrawBar(pieces[i]);
}

void LayoutViews(int players) {
    UpdatePibSparks();
    SetUpViews(players);
    DrawWorldViews({players, EnterPlayerView});
    DrawDividers(players);
}

void DrawPauseOverlay() { DrawOverlay(screenTextures[kTexPause], 0.3f); }
void DrawGameOverOverlay() { DrawOverlay(screenTextures[kTexGameOver], 0.3f); }

void DrawGetReadyOverlay() {
    if (IsGetReadyShown(ElapsedMs())) DrawOverlay(screenTextures[kTexGetReady], 0.2f);
}

void DrawGameScreen() {
    // The end of a game is noticed here, even in a minimised window.
    if (IsPibOut(0)) gameOver = 1;
    if (IsWindowEmpty(windowWidth, windowHeight)) return;
    SetGameLights();
    DrawHud();
    LayoutViews(ClampInt(GetPlayerCount(), 1, 4));
    DrawMinimap();
    if (paused) DrawPauseOverlay();
    if (gameOver) DrawGameOverOverlay();
    if (gameState == kStateGetReady) DrawGetReadyOverlay();
    // The fade curtain is drawn through the model-view matrix left here.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
