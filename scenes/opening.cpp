// The silent opening: a mountain backdrop tilts up, a Bunny peeks, slides,
// hops, flips, waves and burns down, the backdrop swings away and the two
// title pictures spin in from afar.
#include "scenes/opening.h"
#include "scenes/scene_frame.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "scenes/opening_cues.h"
#include "scenes/opening_state.h"
#include "support/clock.h"
#include "support/sgi_image.h"

namespace {

OpeningScene s;

const int kFramePeriodMs = 20;

// The script's events, each on its exact frame (frames are counted, not
// timed, so a slow machine stretches the scene rather than skipping).
struct OpeningEvent {
    int frame;
    void (*fire)();
};

const OpeningEvent kEvents[] = {
    // The backdrop tilts up from -110 to 0 degrees by frame 250.
    {30, [] { s.backdropSpeed = 0.5f; }},
    {250, [] { s.backdropSpeed = 0; }},
    {270,
     [] {
         s.starVisible = 1;
         QueueOpeningCues(s.star, OpeningCues1());
     }},
    {980,
     [] {
         s.sceneYaw = -90;
         QueueOpeningCues(s.star, OpeningCues2());
     }},
    // The figure now stands at its own body position; its fire must follow.
    {1420,
     [] {
         s.sceneYaw = 0;
         ShiftBunnyEmittersOpening(s.star);
         QueueOpeningCues(s.star, OpeningCues3(1.0f));
     }},
    {2983,
     [] {
         s.spin1 = 6;
         s.z1Speed = 2.5f;
     }},
    {3093, [] { s.backdropAccel = -0.01f; }},  // the backdrop swings back
    {3313,
     [] {
         s.backdropAccel = 0;
         s.backdropSpeed = 0;
     }},
    {3333,
     [] {
         s.spin2 = 12;
         s.z2Speed = 5;
     }},
    // The pictures come to rest at depths -7.5 and -5.
    {3460,
     [] {
         s.spin1 = 0;
         s.z1Speed = 0;
     }},
    {3572,
     [] {
         s.spin2 = 0;
         s.z2Speed = 0;
     }},
};

void SetupOpeningGL() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void SetFrontMaterial(GLenum what, float r, float g, float b, float a) {
    const GLfloat c[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT, what, c);
}

// A blended, self-lit square of the given side in the z = 0 plane.
void DrawTexturedSquare(unsigned texture, float size) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    SetFrontMaterial(GL_EMISSION, 1, 1, 1, 1);
    SetFrontMaterial(GL_AMBIENT_AND_DIFFUSE, 1, 1, 1, 1);
    glNormal3f(0, 0, 1);
    float h = size / 2;
    DrawSceneQuad(-h, -h, h, h);
    SetFrontMaterial(GL_EMISSION, 0, 0, 0, 0);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glBindTexture(GL_TEXTURE_2D, 0);
}

// A square viewport of the window's height, centred across it (wider than
// a narrow window, which clips it), a narrow perspective and a light at the
// eye; answers false when the window has no area to draw in.
bool SetUpView(int w, int h) {
    if (w <= 0 || h <= 0) return false;
    double ratio = double(h) / w;
    s.viewW = int(w * ratio);
    s.viewH = h;
    glEnable(GL_TEXTURE_2D);
    glViewport(int((w - w * ratio) / 2), 0, s.viewW, s.viewH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(20, double(s.viewW) / s.viewH, s.nearPlane, s.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return true;
}

void PlaceEyeAndLight() {
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
    const GLfloat atEye[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, atEye);
    glTranslatef(0, 0, -5);
}

// The mountains, hinged at their foot and sized to the viewport.
void DrawBackdrop() {
    float halfW = s.viewW / 193.0f, top = 2 * s.viewH / 193.0f;
    glPushMatrix();
    glTranslatef(0, -s.viewH / 173.0f, -20);
    glRotatef(s.backdropAngle, 1, 0, 0);
    SetFrontMaterial(GL_AMBIENT_AND_DIFFUSE, 1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, s.alpsTexture);
    DrawSceneQuad(-halfW, 0, halfW, top);
    glPopMatrix();
}

void DrawTitlePicture(unsigned texture, float x, float y, float z, float angle) {
    glTranslatef(x, y, z);
    glRotatef(angle, 0, 0, 1);
    DrawTexturedSquare(texture, 2.0f);
    glRotatef(-angle, 0, 0, 1);
    glTranslatef(-x, -y, -z);
}

void MoveBackdrop() {
    s.backdropSpeed += s.backdropAccel;
    s.backdropAngle += s.backdropSpeed;
}

void MoveTitlePictures() {
    s.z1 += s.z1Speed;
    s.angle1 += s.spin1;
    s.z2 += s.z2Speed;
    s.angle2 += s.spin2;
}

}  // namespace

void LoadOpeningTextures() {
    s.whitePibTexture = LoadSgiTexture("whitepib.sgi");
    s.finalTexture = LoadSgiTexture("final3.sgi");
    s.alpsTexture = LoadSgiTexture("bigalps.sgi");
    // LoadSgiTexture leaves the backdrop bound.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// Start-up calls this once; a second call (a test, a benchmark) plays the
// scene again from its first frame with a fresh figure.
void StartOpeningScene() {
    OpeningScene fresh;
    fresh.whitePibTexture = s.whitePibTexture;
    fresh.finalTexture = s.finalTexture;
    fresh.alpsTexture = s.alpsTexture;
    if (s.star) DeleteBunny(s.star);
    s = fresh;
    InitBunnyColorSchemes();
    SetupOpeningGL();
    glEnable(GL_TEXTURE_2D);
    s.star = NewBunny(0, 0);
}

int RunOpeningScript() {
    if (!s.star) return 0;  // never started
    for (const OpeningEvent& e : kEvents)
        if (s.frame == e.frame) e.fire();
    return s.frame >= kOpeningEndFrame ? 1 : 0;
}

// A window with no area (minimised, or squeezed to no width) draws nothing,
// but the scene still counts the frame and moves on.
void DrawOpeningFrame(int width, int height) {
    if (!s.star) return;  // never started: nothing to draw
    s.lastFrameMs = WaitForPeriodAfter(s.lastFrameMs, kFramePeriodMs);
    bool drawing = SetUpView(width, height);
    s.frame += 1;
    if (drawing) {
        PlaceEyeAndLight();
        DrawBackdrop();
    }
    MoveBackdrop();
    if (drawing) glRotatef(s.sceneYaw, 0, 1, 0);
    TickBunnyAnimation(s.star);
    // DrawBunny leaves the matrix moved forward by 0.25, as the emitters
    // (and here the title pictures) expect.
    if (drawing && s.starVisible) DrawBunny(s.star);
    UpdateBunnyEmitters(s.star);
    if (drawing) {
        DrawBunnyEmitters(s.star);
        DrawTitlePicture(s.whitePibTexture, -0.93f, 0.33f, s.z1, s.angle1);
        DrawTitlePicture(s.finalTexture, 0.2f, 0.6f, s.z2, s.angle2);
    }
    MoveTitlePictures();
}

unsigned GetWhitePibTexture() { return s.whitePibTexture; }
unsigned GetFinalTexture() { return s.finalTexture; }

const OpeningScene& GetOpeningScene() { return s; }
