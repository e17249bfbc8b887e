#include "players/pib.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "players/camera.h"
#include "players/pib_record.h"
#include "support/helpers.h"
#include "world/board.h"
#include "world/gems_bands.h"

namespace {

Pib pibs[4];
int playerCount = 1;

const double kStartSpeed = 0.005;
const double kStartDrain = 0.0005;
const double kFullEnergy = 100.0;

// Reads one field, or its zero for a refused index.
template <typename T>
T Field(int p, T Pib::*field) {
    Pib* pib = FindPib(p);
    return pib ? pib->*field : T();
}

// The flags, timers and pose state that both a new game and a return clear.
void ClearPibState(Pib& pib) {
    pib.leftKeyDown = pib.rightKeyDown = 0;
    pib.leftArmOut = pib.rightArmOut = 0;
    pib.fireLatch = 0;
    pib.leftGunUp = pib.rightGunUp = 0;
    pib.upper = 0;
    pib.speed = kStartSpeed;
    pib.energy = kFullEnergy;
    pib.drain = kStartDrain;
    pib.turnState = kWalkingStraight;
    pib.climbing = pib.descending = pib.ducking = pib.flipping = 0;
    pib.fireHeld = 0;
    pib.turnEndTimer = pib.climbTimer = pib.descendTimer = pib.duckTimer = 0;
    pib.flipTimer = pib.fireTimer = 0;
    pib.dying = 0;
    pib.spawnCounter = 1;
    pib.killed = 0;
    pib.falling = 0;
}

Bunny* MakePibFigure(int p) {
    Bunny* model = NewBunny(p, 1);
    if (p == 1) SetBunnyGlasses(model, 1);
    if (p == 2) {
        SetBunnyWhiskers(model, 0);
        SetBunnyFaceMark(model, 1);
    }
    return model;
}

SparkEmitter* MakeFootSparks(const Pib& pib, const float* foot, int p) {
    return CreateSparkEmitter(float(pib.x + foot[0]), float(pib.y + foot[1]),
                              float(pib.z + foot[2]), float(-GetPibDirCos(p)),
                              float(-GetPibDirSin(p)), p);
}

void MoveSparksToFeet(Pib& pib) {
    GetBunnyLeftFootPos(pib.model, pib.leftFoot);
    GetBunnyRightFootPos(pib.model, pib.rightFoot);
    SetSparkEmitterPosition(pib.sparksA, float(pib.x + pib.leftFoot[0]),
                            float(pib.y + pib.leftFoot[1]), float(pib.z + pib.leftFoot[2]));
    SetSparkEmitterPosition(pib.sparksB, float(pib.x + pib.rightFoot[0]),
                            float(pib.y + pib.rightFoot[1]), float(pib.z + pib.rightFoot[2]));
}

// Heading angles of directions 0 to 3.
const double kDirAngle[4] = {90.0, 0.0, 270.0, 180.0};

}  // namespace

Pib* FindPib(int p) {
    if (p < 0 || p > 3) {
        std::printf("There is no pib %d: players are 0 to 3\n", p);
        return nullptr;
    }
    return &pibs[p];
}

void SetPlayerCount(int n) { playerCount = n; }
int GetPlayerCount() { return playerCount; }

void InitPib(int p, int keyLeft, int keyRight, int keyFire, double x, double y, double z,
             int dir) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    pib->startX = pib->x = x;
    pib->startY = pib->y = y;
    pib->startZ = pib->z = z;
    pib->startDir = pib->dir = dir;
    pib->turnRadius = 0.5;
    ClearPibState(*pib);
    pib->bumpTimer = 0;
    pib->skipSparkPlacement = 0;
    pib->out = 0;
    // A world load makes a new figure: the last world's goes with its queues.
    if (pib->model) DeleteBunny(pib->model);
    pib->model = MakePibFigure(p);
    pib->keyLeft = keyLeft;
    pib->keyRight = keyRight;
    pib->keyFire = keyFire;
    GetBunnyLeftFootPos(pib->model, pib->leftFoot);
    pib->leftFootRestX = pib->leftFoot[0];
    pib->leftFootRestY = pib->leftFoot[1];
    // A world load before this one left emitters that nothing updates any more.
    DeleteSparkEmitter(pib->sparksA);
    DeleteSparkEmitter(pib->sparksB);
    pib->sparksA = MakeFootSparks(*pib, pib->leftFoot, p);
    GetBunnyRightFootPos(pib->model, pib->rightFoot);
    pib->rightFootRestX = pib->rightFoot[0];
    pib->rightFootRestY = pib->rightFoot[1];
    pib->sparksB = MakeFootSparks(*pib, pib->rightFoot, p);
    pib->lives = GetPlayerCount() == 1 ? 3 : -1;
    pib->score = 0;
}

void RespawnPib(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    if (pib->lives == 0) {
        pib->out = 1;
        return;
    }
    if (pib->lives != -1) pib->lives--;
    pib->x = pib->startX;
    pib->y = pib->startY;
    pib->z = pib->startZ;
    pib->dir = pib->startDir;
    ClearPibState(*pib);
    pib->skipSparkPlacement = 1;
    if (GetPlayerCount() > 1) pib->score = int(pib->score * 0.75);
    SetBunnyColorScheme(pib->model, p);
    SetSparkEmitterActive(pib->sparksA, 1);
    SetSparkEmitterActive(pib->sparksB, 1);
    MoveSparksToFeet(*pib);
    ScheduleBunnyAction(PoseRest, pib->model, 1, 0);
    ScheduleBunnyAction(PoseLeftArmRaise, pib->model, 1, 1);
    ScheduleBunnyAction(PoseLeftArmRest, pib->model, 1, 2);
    ScheduleBunnyAction(PoseRightArmRaise, pib->model, 1, 3);
    ScheduleBunnyAction(PoseRightArmRest, pib->model, 1, 4);
}

void DrawPib(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    glPushMatrix();
    if (pib->turnState == kWalkingStraight)
        glTranslated(pib->x, pib->y, pib->z);
    else
        glTranslated(pib->turnStartX, pib->turnStartY, pib->z);
    static const float kFacing[4] = {0.0f, 270.0f, 180.0f, 90.0f};
    glRotatef(kFacing[pib->dir & 3], 0, 0, 1);
    // The figure swings about the pole, half a cell to its side.
    if (pib->turnState == kTurningRight) {
        glTranslatef(0.5f, 0, 0);
        glRotatef(float(-pib->turnAngle), 0, 0, 1);
        glTranslatef(-0.5f, 0, 0);
    } else if (pib->turnState == kTurningLeft) {
        glTranslatef(-0.5f, 0, 0);
        glRotatef(float(pib->turnAngle), 0, 0, 1);
        glTranslatef(0.5f, 0, 0);
    }
    if (pib->falling) ApplyFallTransform(p);
    if (!IsPibModelHidden(p)) {
        glPushMatrix();
        glRotatef(90.0f, -1, 0, 0);
        glRotatef(180.0f, 0, 0, 1);
        DrawBunny(pib->model);
        DrawBunnyEmitters(pib->model);
        glPopMatrix();
    }
    glPopMatrix();
}

void ApplyFallTransform(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    float f = float(pib->dying);
    float scale = 1.0f - f / 1500.0f;
    glTranslatef(0, 0, -0.5f);
    glScalef(scale, scale, scale);
    glTranslatef(0, 0, 0.5f);
    glRotatef(f, 0, 0, 1);
}

double GetPibX(int p) { return Field(p, &Pib::x); }
double GetPibY(int p) { return Field(p, &Pib::y); }
double GetPibZ(int p) { return Field(p, &Pib::z); }
int GetPibDirIndex(int p) { return Field(p, &Pib::dir); }
int GetPibTurnState(int p) { return Field(p, &Pib::turnState); }
double GetPibTurnAngle(int p) { return Field(p, &Pib::turnAngle); }
int GetPibLives(int p) { return Field(p, &Pib::lives); }
int GetPibScore(int p) { return Field(p, &Pib::score); }
double GetPibEnergy(int p) { return Field(p, &Pib::energy); }
double GetPibSpeed(int p) { return Field(p, &Pib::speed); }
Bunny* GetPibModel(int p) { return Field(p, &Pib::model); }
SparkEmitter* GetPibSparksA(int p) { return Field(p, &Pib::sparksA); }
SparkEmitter* GetPibSparksB(int p) { return Field(p, &Pib::sparksB); }
int GetPibSpawnCounter(int p) { return Field(p, &Pib::spawnCounter); }
int GetPibArmTimer(int p) { return Field(p, &Pib::flipTimer); }
int IsPibOnUpperLevel(int p) { return Field(p, &Pib::upper); }

void AddPibScore(int p) {
    if (Pib* pib = FindPib(p)) pib->score++;
}

void DrainPibEnergy(int p, double amount) {
    if (Pib* pib = FindPib(p)) pib->energy -= amount;
}

void KillPib(int p) {
    if (Pib* pib = FindPib(p)) pib->killed = 1;
}

int IsPibDying(int p) {
    Pib* pib = FindPib(p);
    return pib && pib->dying != 0 && pib->falling == 0;
}

int IsPibUntouchable(int p) {
    Pib* pib = FindPib(p);
    return pib && (pib->spawnCounter > 0 || pib->dying != 0);
}

int IsPibProtected(int p) {
    Pib* pib = FindPib(p);
    return pib && pib->spawnCounter >= 1 && pib->dying == 0;
}

int IsPibOut(int p) {
    Pib* pib = FindPib(p);
    return pib && (pib->out || GetGemsLeft() == 0);
}

double GetPibDir(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return 0.0;
    if (pib->dir >= 0 && pib->dir <= 3) {
        double base = kDirAngle[pib->dir];
        if (pib->turnState == kWalkingStraight) return base;
        if (pib->turnState == kTurningRight) return base - pib->turnAngle;
        if (pib->turnState == kTurningLeft) return base + pib->turnAngle;
    }
    std::printf("NO STATE WAS RETURNED in GetPibDir! ERROR!\n");
    return 0.0;
}

double GetPibDirCos(int p) { return std::cos(DegToRad(GetPibDir(p))); }
double GetPibDirSin(int p) { return std::sin(DegToRad(GetPibDir(p))); }

double GetPibSlope(int p) {
    Pib* pib = FindPib(p);
    if (!pib || !pib->upper) return 0.0;
    int cell = GetBoardCell(int(pib->x), int(pib->y));
    if (cell == RampRisingToward(pib->dir)) return 0.5;
    if (cell == RampFallingToward(pib->dir)) return -0.5;
    return 0.0;
}

double GetPibAheadX(int p) {
    Pib* pib = FindPib(p);
    return pib ? pib->x + kDirStepX[pib->dir & 3] * pib->speed : 0.0;
}

double GetPibAheadY(int p) {
    Pib* pib = FindPib(p);
    return pib ? pib->y + kDirStepY[pib->dir & 3] * pib->speed : 0.0;
}

int GetPibNextTileX(int p) {
    Pib* pib = FindPib(p);
    return pib ? int(pib->x) + kDirStepX[pib->dir & 3] : 0;
}

int GetPibNextTileY(int p) {
    Pib* pib = FindPib(p);
    return pib ? int(pib->y) + kDirStepY[pib->dir & 3] : 0;
}

int IsXOffMap(double v) { return v < 0 || v > GetBoardWidth(); }
int IsYOffMap(double v) { return v < 0 || v > GetBoardHeight(); }

int IsPibOffMap(int p) {
    Pib* pib = FindPib(p);
    return pib && (IsXOffMap(pib->x) || IsYOffMap(pib->y));
}
