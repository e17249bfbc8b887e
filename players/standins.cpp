// STAND-INS for the pibs, the creatures and the shots, which are not built
// yet: pibs that stand where they were set up, no creatures, no shots.
#include <GL/glut.h>

#include <cmath>

#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/helpers.h"
#include "world/gems_bands.h"

void InitShots() {}
void ClearShots() {}
void UpdateShots() {}
void DrawShots() {}
void DrawShotMarkers() {}

void LoadCreatures(const char*) {}
void UpdateCreatures() {}
void DrawCreatures() {}
void DrawCreatureMarkers(int, int) {}

namespace {
struct StandInPib {
    double x, y, z;
    int dir;
};
StandInPib standInPibs[4];
int playerCount = 1;
const double kHeadings[4] = {90, 0, 270, 180};
int Slot(int p) { return p < 0 ? 0 : p > 3 ? 3 : p; }
}  // namespace

void SetPlayerCount(int n) { playerCount = n; }
int GetPlayerCount() { return playerCount; }

void InitPib(int p, int, int, int, double x, double y, double z, int dir) {
    standInPibs[Slot(p)] = {x, y, z, dir & 3};
}

void UpdatePib(int) {}

void DrawPib(int p) {
    const StandInPib& pib = standInPibs[Slot(p)];
    glPushMatrix();
    glTranslated(pib.x, pib.y, pib.z);
    glDisable(GL_LIGHTING);
    SetPibColor(Slot(p));
    glutSolidCube(0.5);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

double GetPibX(int p) { return standInPibs[Slot(p)].x; }
double GetPibY(int p) { return standInPibs[Slot(p)].y; }
double GetPibZ(int p) { return standInPibs[Slot(p)].z; }
int GetPibDirIndex(int p) { return standInPibs[Slot(p)].dir; }
double GetPibDir(int p) { return kHeadings[standInPibs[Slot(p)].dir]; }
double GetPibDirCos(int p) { return std::cos(DegToRad(GetPibDir(p))); }
double GetPibDirSin(int p) { return std::sin(DegToRad(GetPibDir(p))); }
int GetPibTurnState(int) { return 0; }
double GetPibTurnAngle(int) { return 0; }
int GetPibLives(int) { return playerCount == 1 ? 3 : -1; }
int GetPibScore(int) { return 0; }
double GetPibEnergy(int) { return 100; }
int GetPibSpawnCounter(int) { return 0; }
int IsPibOnUpperLevel(int) { return 0; }
int IsPibDying(int) { return 0; }
int IsPibProtected(int) { return 0; }
int IsPibOut(int) { return GetGemsLeft() == 0; }
Bunny* GetPibModel(int) { return nullptr; }
SparkEmitter* GetPibSparksA(int) { return nullptr; }
SparkEmitter* GetPibSparksB(int) { return nullptr; }
