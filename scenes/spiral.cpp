// The spiral scene: a Bunny before a spinning spiral to the fight music
// flinches, jumps, flips, fires and trembles, and three times slides out to
// the left and back in from the right in its next outfit.
#include "scenes/spiral.h"

#include <GL/glut.h>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_scene_poses.h"
#include "scenes/scene_cues.h"
#include "scenes/scene_frame.h"
#include "sound/sound.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

namespace {

struct SpiralScene {
    Bunny* star;
    unsigned spiralTexture;
    float slideSpeed;
    float starX;
    float spiralAngle;
    int frame;
    int lastFrameMs;
    int windowW = 800, windowH = 600;
    float nearClip = 1, farClip = 1000;
};

SpiralScene scene;

const float kSpinPerFrame = 15;
const float kSlideSpeed = -0.2f;
const float kReenterX = 3.0f;

const PoseCue<BunnyPose> kSpiralPoses[] = {
    {10, StartBunnyEmitter2, 0, 70},  // the legs burn for a while
    {20, PoseFlinch, 0, 20},
    {40, PoseCrouch, 0, 20},
    {62, PoseJump, 0, 10},
    {72, PoseHalfFlip, 0, 10},
    {82, PoseFullFlip, 0, 10},
    {92, PoseRest, 0, 10},
    {138, PoseBrowRaise, 0, 20},
    {158, PoseRightArmRaise, 0, 20},
    {178, PoseLeftArmRaise, 0, 20},
    {201, PoseRightArmFire, 0, 10},
    {201, PoseLeftArmFire, 0, 10},
    {219, PoseRecoil, 0, 3},
    {222, PoseRecoilBack, 0, 3},
    {226, PoseRecoil, 0, 3},
    {229, PoseRecoilBack, 0, 3},
    {288, PoseTremble, 0, 40},
    {409, PoseDuckLeanRight, 0, 10},
    {419, PoseDuckLeanLeft, 0, 10},
    {429, PoseDuckLeanRight, 0, 10},
    {439, PoseDuckLeanLeft, 0, 10},
    {449, PoseRest, 0, 10},
};

// What changes with each outfit, 1 to 3 (-1 leaves an accessory as it is).
struct OutfitChange {
    bool raiseArms;
    int glasses, whiskers, faceMark;
};
const OutfitChange kOutfitChanges[kSpiralOutfitChanges + 1] = {
    {false, -1, -1, -1},  // outfit 0, worn from the start
    {false, 1, -1, -1},
    {true, 0, 0, 1},
    {false, -1, 1, 0},
};

void SlideOut(int) { scene.slideSpeed = kSlideSpeed; }
void Reenter(int) { scene.starX = kReenterX; }
void StopSliding(int) { scene.slideSpeed = 0; }

// Out of sight, the Bunny stands at rest and changes clothes.
void ChangeOutfit(int k) {
    const OutfitChange& c = kOutfitChanges[k];
    ScheduleBunnyAction(PoseRest, scene.star, 1, 0);
    if (c.raiseArms) {
        ScheduleBunnyAction(PoseRightArmRaise, scene.star, 1, 0);
        ScheduleBunnyAction(PoseLeftArmRaise, scene.star, 1, 0);
    }
    SetBunnyColorScheme(scene.star, k);
    if (c.glasses >= 0) SetBunnyGlasses(scene.star, c.glasses);
    if (c.whiskers >= 0) SetBunnyWhiskers(scene.star, c.whiskers);
    if (c.faceMark >= 0) SetBunnyFaceMark(scene.star, c.faceMark);
}

// Each change: slide out (15 frames to x -3), change unseen, jump to the
// right edge, slide back in (15 frames to x 0).
#define SPIRAL_CHANGE(E, k)                                                     \
    {E, nullptr, SlideOut, k}, {E + 15, nullptr, ChangeOutfit, k},              \
        {E + 16, nullptr, Reenter, k}, { E + 31, nullptr, StopSliding, k }
const FrameCue kSpiralScript[] = {
    SPIRAL_CHANGE(kSpiralOutfitFrames[0], 1),
    SPIRAL_CHANGE(kSpiralOutfitFrames[1], 2),
    SPIRAL_CHANGE(kSpiralOutfitFrames[2], 3),
};
#undef SPIRAL_CHANGE

void QueueSpiralPoses() {
    QueuePoseCues(kSpiralPoses, int(sizeof kSpiralPoses / sizeof kSpiralPoses[0]),
                  [](BunnyPose pose, int, int duration, int delay) {
                      ScheduleBunnyAction(pose, scene.star, duration, delay);
                  });
}

// The texture is made at the first viewing and reused by every later one;
// the environment mode is set at every start, since the army scene before
// it leaves decal behind.
void LoadSpiralSceneTexture() {
    if (!scene.spiralTexture) {
        scene.spiralTexture = LoadSgiTexture("spiral.sgi");
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawSpiral(int w) {
    float s = float(w / 100);  // whole hundredths of the window width
    glPushMatrix();
    glTranslatef(0, 0, -20);
    glRotatef(scene.spiralAngle, 0, 0, 1);
    SetSceneMaterial(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, scene.spiralTexture);
    DrawSceneQuad(-s, -s, s, s);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void DrawStar() {
    glPushMatrix();
    glTranslatef(scene.starX, -0.28f, -0.14f);
    TickBunnyAnimation(scene.star);
    DrawBunny(scene.star);
    UpdateBunnyEmitters(scene.star);
    DrawBunnyEmitters(scene.star);
    glPopMatrix();
}

}  // namespace

void StartSpiralScene() {
    InitBunnyColorSchemes();
    if (scene.star) DeleteBunny(scene.star);
    scene.star = NewBunny(0, 1);
    StopToccata();
    StopMarch();
    scene.frame = 0;
    // A viewing skipped in mid-slide must not leave the next one off-centre.
    scene.starX = 0;
    scene.slideSpeed = 0;
    QueueSpiralPoses();
    SeedRandom();
    LoadSpiralSceneTexture();
    LoopKombat();
}

int DrawSpiralSceneFrame(int w, int h) {
    if (!scene.star) return 0;  // never started
    int lightX = scene.windowW / 2;  // from the size the last frame was drawn at
    WaitForScenePeriod(&scene.lastFrameMs, kSpiralFrameMs);
    scene.windowW = w;
    scene.windowH = h;
    if (!BeginSceneView(w, h, 20, scene.nearClip, scene.farClip)) return 0;
    SetSceneLights(float(lightX), float(lightX), 0.7f);
    glTranslatef(0, 0, -5);
    DrawSpiral(w);
    DrawStar();
    scene.spiralAngle += kSpinPerFrame;
    scene.starX += scene.slideSpeed;
    ++scene.frame;
    RunFrameCues(kSpiralScript, scene.frame);
    return scene.frame == kSpiralEndFrame ? 1 : 0;
}

int SpiralFrame() { return scene.frame; }
Bunny* GetSpiralStar() { return scene.star; }
float SpiralStarX() { return scene.starX; }
float SpiralSlideSpeed() { return scene.slideSpeed; }
