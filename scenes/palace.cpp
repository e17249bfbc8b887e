// The palace scene: two Bunnies in robe and lounge wear talk at a table with a
// jiggling, steaming teapot; then the lounge-wear actor bursts into flames,
// its chair tips over and it burns down while the robed one steps about.
#include "scenes/palace.h"

#include <GL/glut.h>

#include <cmath>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_scene_poses.h"
#include "scenes/palace_script.h"
#include "scenes/scene_cues.h"
#include "scenes/scene_frame.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

namespace {

struct PalaceActor {
    Bunny* bunny;
    float x, y, z, rotX, rotY, rotZ;
};

struct PalaceScene {
    PalaceActor actors[kPalaceActorCount];
    PalaceProp props[kPalacePropCount];
    Emitter* steam;
    float teapotStep[3];
    unsigned palaceTexture, woodTexture, woodVerticalTexture;
    unsigned teapotList, tableList, chairList;  // display lists, made once
    int frame;
    int lastFrameMs;
    int windowW = 800, windowH = 600;
    float nearClip = 1, farClip = 1000;
};

PalaceScene scene;

// Each actor: its outfit and where it sits, turned towards the other.
struct ActorStart {
    int outfit;
    PalaceActor place;
};
const ActorStart kActorStarts[kPalaceActorCount] = {
    {6, {nullptr, -0.8f, -0.49f, -0.7f, 0, 60, 0}},  // A, lounge wear
    {7, {nullptr, 0.8f, -0.32f, -0.7f, 0, -60, 0}},  // B, robe
};

const PalaceProp kPropStarts[kPalacePropCount] = {
    {0, -0.33f, -1.25f, 0, 0, 0},      // teapot
    {0, -0.82f, -1.2f, 0, 0, 0},       // table
    {-0.8f, -0.82f, -0.7f, 0, -30, 0},  // chair of A
    {0.8f, -0.82f, -0.7f, 0, -150, 0},  // chair of B
    {0, -0.33f, -1.25f, 0, 0, -10},    // the steam, above the teapot's spout
};

// The teapot jiggles inside this box, stepping at most kJiggle per axis.
const float kJiggle = 0.004f;
const float kTeapotMin[3] = {-0.05f, -0.335f, -1.25f};
const float kTeapotMax[3] = {0.05f, -0.29f, -1.15f};

// The chair of A turns 5 degrees a frame while A stands up: 90 in 18 frames.
const float kTipStep = 5;

// One wooden box of a table or chair: size, texture repeats, corner.
struct WoodBox {
    float w, h, d;
    float sx, sy, sz;
    float x, y, z;
    bool vertical;  // grain running up the box
};

const WoodBox kTableBoxes[] = {
    {0.6f, 0.1f, 1.2f, 1, 0.3f, 1, -0.3f, 0.3f, 0.6f, false},
    {0.07f, 0.3f, 0.07f, 0.2f, 1, 1, -0.27f, 0, 0.27f, true},
    {0.07f, 0.3f, 0.07f, 0.2f, 1, 1, -0.27f, 0, -0.2f, true},
    {0.07f, 0.3f, 0.07f, 0.2f, 1, 1, 0.2f, 0, -0.2f, true},
    {0.07f, 0.3f, 0.07f, 0.2f, 1, 1, 0.2f, 0, 0.27f, true},
};

const WoodBox kChairBoxes[] = {
    {0.3f, 0.02f, 0.3f, 1, 1, 1, -0.15f, 0.2f, 0.15f, false},       // seat
    {0.02f, 0.06f, 0.02f, 0.1f, 1, 1, 0.03f, 0.22f, 0.15f, false},  // posts
    {0.02f, 0.06f, 0.02f, 0.1f, 1, 1, 0.03f, 0.22f, -0.13f, false},
    {0.25f, 0.02f, 0.02f, 1, 0.1f, 1, -0.13f, 0.26f, 0.15f, false},  // rails
    {0.25f, 0.02f, 0.02f, 1, 0.1f, 1, -0.13f, 0.26f, -0.13f, false},
    {0.02f, 0.2f, 0.02f, 0.1f, 1, 1, -0.15f, 0, 0.15f, true},  // legs
    {0.02f, 0.2f, 0.02f, 0.1f, 1, 1, -0.15f, 0, -0.13f, true},
    {0.02f, 0.2f, 0.02f, 0.1f, 1, 1, 0.13f, 0, -0.13f, true},
    {0.02f, 0.2f, 0.02f, 0.1f, 1, 1, 0.13f, 0, 0.15f, true},
    {0.02f, 0.3f, 0.3f, 0.1f, 1, 1, -0.15f, 0.22f, 0.15f, true},  // back
};

template <int N>
void DrawWoodBoxes(const WoodBox (&boxes)[N]) {
    for (const WoodBox& b : boxes) {
        glBindTexture(GL_TEXTURE_2D, b.vertical ? scene.woodVerticalTexture : scene.woodTexture);
        glPushMatrix();
        glTranslatef(b.x, b.y, b.z);
        DrawTexturedBox(b.w, b.h, b.d, b.sx, b.sy, b.sz);
        glPopMatrix();
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void DrawTable() {
    SetSceneMaterial(1, 94 / 255.0f, 7 / 255.0f);
    DrawWoodBoxes(kTableBoxes);
}

void DrawChair() {
    SetSceneMaterial(197 / 255.0f, 47 / 255.0f, 13 / 255.0f);
    DrawWoodBoxes(kChairBoxes);
}

// The props never change shape: each is compiled once and replayed, which
// spares the software renderer the teapot's patches every frame.
unsigned CompileList(void (*draw)()) {
    unsigned list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    draw();
    glEndList();
    return list;
}

void DrawTeapot() {
    SetSceneMaterial(0.4f, 0.5f, 0.9f);
    glutSolidTeapot(0.13);
}

void MakePropLists() {
    if (scene.teapotList) return;
    scene.teapotList = CompileList(DrawTeapot);
    scene.tableList = CompileList(DrawTable);
    scene.chairList = CompileList(DrawChair);
}

void DrawPalaceProp(int i) {
    const PalaceProp& p = scene.props[i];
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(p.rotZ, 0, 0, 1);
    glRotatef(p.rotY, 0, 1, 0);
    glRotatef(p.rotX, 1, 0, 0);
    switch (i) {
        case kPropTeapot: glCallList(scene.teapotList); break;
        case kPropTable: glCallList(scene.tableList); break;
        case kPropChairA:
        case kPropChairB: glCallList(scene.chairList); break;
        case kPropSteam: DrawEmitter(scene.steam); break;
    }
    glPopMatrix();
}

void DrawBunnyAt(const PalaceActor& actor) {
    TickBunnyAnimation(actor.bunny);
    UpdateBunnyEmitters(actor.bunny);
    glPushMatrix();
    glTranslatef(actor.x, actor.y, actor.z);
    glRotatef(actor.rotZ, 0, 0, 1);
    glRotatef(actor.rotY, 0, 1, 0);
    glRotatef(actor.rotX, 1, 0, 0);
    DrawBunny(actor.bunny);
    DrawBunnyEmitters(actor.bunny);
    glPopMatrix();
}

void DrawBackdrop(int h) {
    glPushMatrix();
    glTranslatef(0, float(-h / 134), -20);  // whole units of the window height
    glBindTexture(GL_TEXTURE_2D, scene.palaceTexture);
    SetSceneMaterial(1, 1, 1);
    glTranslatef(0, 0, -20);
    DrawSceneQuad(-10.72f, 0, 10.72f, 16);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

// A step that would leave the box by more than it is turned back.
float BoundedStep(float place, float step, float lo, float hi) {
    if (place > hi && step > 0) return -step;
    if (place < lo && step < 0) return -step;
    return step;
}

void JiggleTeapot() {
    PalaceProp& pot = scene.props[kPropTeapot];
    float* step = scene.teapotStep;
    for (int k = 0; k < 3; ++k) step[k] = float(RandomInRange(-kJiggle, kJiggle));
    step[0] = BoundedStep(pot.x, step[0], kTeapotMin[0], kTeapotMax[0]);
    if (pot.y <= kTeapotMin[1]) step[1] = std::fabs(step[1]);  // the table holds it up
    if (pot.y > kTeapotMax[1] && step[1] > 0) step[1] = -step[1];
    step[2] = BoundedStep(pot.z, step[2], kTeapotMin[2], kTeapotMax[2]);
    pot.x += step[0];
    pot.y += step[1];
    pot.z += step[2];
    MoveEmitter(scene.steam, step[0], step[1], step[2]);
    UpdateEmitter(scene.steam);
}

void TipChairOfA() {
    if (scene.frame >= kPalaceTipStart && scene.frame < kPalaceTipEnd)
        scene.props[kPropChairA].rotZ += kTipStep;
}

void MakeActors() {
    for (int i = 0; i < kPalaceActorCount; ++i) {
        PalaceActor& a = scene.actors[i];
        if (a.bunny) DeleteBunny(a.bunny);
        a = kActorStarts[i].place;
        a.bunny = NewBunny(kActorStarts[i].outfit, 0);
    }
    SetBunnyGlasses(scene.actors[kPalaceActorB].bunny, 1);
    SetBunnyWhiskers(scene.actors[kPalaceActorA].bunny, 0);
    SetBunnyFaceMark(scene.actors[kPalaceActorA].bunny, 1);
}

void MakeSteam() {
    if (scene.steam) DeleteEmitter(scene.steam);
    scene.steam = CreateEmitter(0.198f, 0.11f, 0, 5e-5f);
    LoadParticleTextures();  // made once; later calls reuse them
    SetEmitterActive(scene.steam, 1);
    SetEmitterSteam(scene.steam);
}

void QueuePalaceScript() {
    QueuePoseCues(PalacePoseCues(), [](BunnyPose pose, int actor, int duration, int delay) {
        ScheduleBunnyAction(pose, scene.actors[actor].bunny, duration, delay);
    });
}

void SetupPalaceScene() {
    MakeActors();
    scene.frame = 0;
    for (int i = 0; i < kPalacePropCount; ++i) scene.props[i] = kPropStarts[i];
    QueuePalaceScript();
    MakeSteam();
}

void SetupPalaceGL() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}

}  // namespace

void LoadPalaceTextures() {
    // Once at start-up; every viewing reuses them.
    if (scene.palaceTexture) return;
    scene.woodTexture = LoadSgiTexture("wood2.sgi");
    scene.woodVerticalTexture = LoadSgiTexture("woodvertical2.sgi");
    scene.palaceTexture = LoadSgiTexture("palace.sgi");
    glBindTexture(GL_TEXTURE_2D, scene.palaceTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void StartPalaceScene() {
    InitBunnyColorSchemes();
    SetupPalaceGL();
    MakePropLists();
    SetupPalaceScene();
}

int DrawPalaceSceneFrame(int w, int h) {
    if (!scene.steam) return 0;  // never started
    int lightX = scene.windowW / 2;  // from the size the last frame was drawn at
    WaitForScenePeriod(&scene.lastFrameMs, kPalaceFrameMs);
    scene.windowW = w;
    scene.windowH = h;
    glEnable(GL_TEXTURE_2D);
    if (!BeginSceneView(w, h, 20, scene.nearClip, scene.farClip)) return 0;
    SetSceneLights(float(lightX), float(lightX), 0.7f);
    glTranslatef(0, 0, -5);
    DrawBackdrop(h);

    ++scene.frame;
    TipChairOfA();
    JiggleTeapot();
    for (int i = kPropTeapot; i <= kPropChairB; ++i) DrawPalaceProp(i);
    DrawBunnyAt(scene.actors[kPalaceActorA]);
    DrawBunnyAt(scene.actors[kPalaceActorB]);
    DrawPalaceProp(kPropSteam);  // blended, so last

    RunFrameCues(PalaceSoundCues(), kPalaceSoundCueCount, scene.frame);
    return scene.frame == kPalaceEndFrame ? 1 : 0;
}

int PalaceFrame() { return scene.frame; }
const PalaceProp& GetPalaceProp(int i) { return scene.props[i]; }
Bunny* GetPalaceActor(int i) { return scene.actors[i].bunny; }
Emitter* GetPalaceSteam() { return scene.steam; }
