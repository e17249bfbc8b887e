// The army scene: forty Rodents in five rows of eight march in before a desert
// backdrop, hop, sit, lie, bow, roll and dance in step while two speakers talk
// in turns over the march; a red wire dodecahedron spins for a while and at
// the end a Robot rolls in.
#include "scenes/army.h"

#include <GL/glut.h>

#include "figures/robot.h"
#include "scenes/army_script.h"
#include "scenes/scene_cues.h"
#include "scenes/scene_frame.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

namespace {

struct RodentPlacement {
    Rodent* rodent;
    float x, y, z, rotX, rotY, rotZ;
};

struct ArmyScene {
    Rodent* army[kArmySize];
    float armyPos[3], armyRot[3], armyVelocity[3];
    float rowSpacing = 0.3f, columnSpacing = 0.3f;
    RodentPlacement speakers[2];
    Robot* robot;
    float robotPos[3], robotRot[3];
    float dodecahedronAngle;
    unsigned desertTexture;
    int frame;
    int lastFrameMs;
    int windowW, windowH;
    float nearClip = 1, farClip = 1000;
};

ArmyScene scene;

// The group drifts in until it stops on kArmyHaltFrame, then stands still.
const float kArmyStartPos[3] = {-1.5f, -0.3f, 0};
const float kArmyStartRot[3] = {15, 0, 0};
const float kArmyDrift[3] = {0.00475f, -0.00525f, 0.025f};
const int kArmyHaltFrame = 100;

// The speakers in the foreground, turned towards the army.
struct SpeakerStart {
    RodentPlacement place;
    void (*mark)(Rodent*);
};
const SpeakerStart kSpeakerStarts[2] = {
    {{nullptr, 0.62f, -0.3f, 3.0f, 0, -160, 0}, MarkRodentLilac},
    {{nullptr, 0.74f, -0.35f, 3.0f, 0, -160, 0}, MarkRodentOlive},
};

// The Robot rolls in from the right, leaning back and turning to face us.
const float kRobotStartPos[3] = {3.8f, 1.0f, 0};
const float kRobotStartRot[3] = {25, -90, 0};
const float kRobotStep[3] = {-0.038f, -0.004f, 0};
const float kRobotTurn[3] = {0.05f, 0.9f, 0};

const float kBackdropHalfW = 7.475f, kBackdropHalfH = 5.60625f;

void Copy3(float* to, const float* from) {
    for (int k = 0; k < 3; ++k) to[k] = from[k];
}

void Add3(float* to, const float* d) {
    for (int k = 0; k < 3; ++k) to[k] += d[k];
}

void TranslateAndRotate(const float* pos, const float* rot) {
    glTranslatef(pos[0], pos[1], pos[2]);
    glRotatef(rot[0], 1, 0, 0);
    glRotatef(rot[1], 0, 1, 0);
    glRotatef(rot[2], 0, 0, 1);
}

// A viewing's figures replace the last viewing's, which are freed.
void MakeArmy() {
    for (Rodent*& r : scene.army) {
        if (r) DeleteRodent(r);
        r = NewRodent();
    }
    Copy3(scene.armyPos, kArmyStartPos);
    Copy3(scene.armyRot, kArmyStartRot);
    Copy3(scene.armyVelocity, kArmyDrift);
}

void MakeSpeakers() {
    for (int i = 0; i < 2; ++i) {
        RodentPlacement& s = scene.speakers[i];
        if (s.rodent) DeleteRodent(s.rodent);
        s = kSpeakerStarts[i].place;
        s.rodent = NewRodent();
        kSpeakerStarts[i].mark(s.rodent);
    }
}

void MakeRobot() {
    if (scene.robot) DeleteRobot(scene.robot);
    scene.robot = NewRobot();
    LoadRobotTextures();  // made once; later calls reuse them
    Copy3(scene.robotPos, kRobotStartPos);
    Copy3(scene.robotRot, kRobotStartRot);
}

int QueueArmyScript() {
    QueuePoseCues(ArmyPoseCues(), [](RodentPose pose, int actor, int duration, int delay) {
        if (actor == kArmyRanks) ScheduleArmyAction(pose, duration, delay);
        else ScheduleRodentAction(pose, scene.speakers[actor - kArmySpeakerA].rodent, duration, delay);
    });
    return kArmyEndFrame;
}

void SetupArmyScene() {
    MakeArmy();
    MakeSpeakers();
    MakeRobot();
    QueueArmyScript();
}

// Drawn in replace mode whatever an earlier frame or figure left set.
void DrawBackdrop() {
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPushMatrix();
    glTranslatef(0, 0, -7);
    SetSceneMaterial(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, scene.desertTexture);
    DrawSceneQuad(-kBackdropHalfW, -kBackdropHalfH, kBackdropHalfW, kBackdropHalfH);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void StopArmyDrift() {
    if (scene.frame != kArmyHaltFrame) return;
    for (float& v : scene.armyVelocity) v = 0;
}

void UpdateArmy() {
    Add3(scene.armyPos, scene.armyVelocity);
    StopArmyDrift();
    for (Rodent* r : scene.army) TickRodentAnimation(r);
}

void DrawArmy() {
    glPushMatrix();
    TranslateAndRotate(scene.armyPos, scene.armyRot);
    for (int r = 0; r < kArmyRows; ++r) {
        for (int c = 0; c < kArmyColumns; ++c) {
            glPushMatrix();
            glTranslatef(float(r) * scene.rowSpacing, 0, -float(c) * scene.columnSpacing);
            DrawRodent(scene.army[r * kArmyColumns + c]);
            glPopMatrix();
        }
    }
    glPopMatrix();
}

void DrawSpinningDodecahedron() {
    if (scene.frame < kArmyDodecahedronStart || scene.frame >= kArmyDodecahedronEnd) return;
    const GLfloat red[4] = {1, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, red);
    glPushMatrix();
    glTranslatef(1.65f, -0.235f, 0);
    glScalef(0.04f, 0.12f, 0.04f);
    glRotatef(scene.dodecahedronAngle, 0, 1, 0);
    glutWireDodecahedron();
    glPopMatrix();
    scene.dodecahedronAngle += 1;
}

// The Robot is drawn every frame: off to the right until it rolls in, and
// where its 101 steps left it afterwards.
void UpdateAndDrawRobot() {
    UpdateRobot(scene.robot, 1);
    if (scene.frame >= kArmyRobotStart && scene.frame <= kArmyRobotEnd) {
        Add3(scene.robotPos, kRobotStep);
        Add3(scene.robotRot, kRobotTurn);
    }
    glPushMatrix();
    TranslateAndRotate(scene.robotPos, scene.robotRot);
    DrawRobot(scene.robot);
    glPopMatrix();
}

void DrawRodentAt(const RodentPlacement& p) {
    TickRodentAnimation(p.rodent);
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(p.rotX, 1, 0, 0);
    glRotatef(p.rotY, 0, 1, 0);
    glRotatef(p.rotZ, 0, 0, 1);
    DrawRodent(p.rodent);
    glPopMatrix();
}

}  // namespace

void LoadArmySceneTexture() {
    static const char* const kDesertFile[] = {"deathvalley256.sgi"};
    LoadSgiTexturesOnce(&scene.desertTexture, kDesertFile, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

void StartArmyScene() {
    SeedRandom();
    scene.frame = 0;
    LoadArmySceneTexture();  // made at start-up; this only covers a start without it
    SetupArmyScene();
}

int DrawArmySceneFrame(int w, int h) {
    if (!scene.robot) return 0;  // never started
    WaitForScenePeriod(&scene.lastFrameMs, kArmyFrameMs);
    scene.windowW = w;
    scene.windowH = h;
    if (!BeginSceneView(w, h, 50, scene.nearClip, scene.farClip)) return 0;
    SetSceneLights(-2, 2, 1);
    glTranslatef(0, 0, -5);
    DrawBackdrop();

    ++scene.frame;
    UpdateArmy();
    DrawArmy();
    DrawSpinningDodecahedron();
    UpdateAndDrawRobot();
    for (const RodentPlacement& s : scene.speakers) DrawRodentAt(s);

    RunFrameCues(ArmySoundCues(), kArmySoundCueCount, scene.frame);
    return scene.frame == kArmyEndFrame ? 1 : 0;
}

void ScheduleArmyAction(RodentPose pose, int duration, int delay) {
    if (!scene.army[0]) return;  // no army before the scene's first start
    for (Rodent* r : scene.army) ScheduleRodentAction(pose, r, duration, delay);
}

void QueueArmyDance() {
    QueuePoseCues(ArmyDanceCues(), [](RodentPose pose, int, int duration, int delay) {
        ScheduleArmyAction(pose, duration, delay);
    });
}

int ArmyFrame() { return scene.frame; }
Rodent* GetArmyRodent(int i) { return scene.army[i]; }
Rodent* GetArmySpeaker(int i) { return scene.speakers[i].rodent; }
Robot* GetArmyRobot() { return scene.robot; }
const float* ArmyGroupPos() { return scene.armyPos; }
const float* ArmyRobotPos() { return scene.robotPos; }
const float* ArmyRobotRot() { return scene.robotRot; }
float ArmyDodecahedronAngle() { return scene.dodecahedronAngle; }
