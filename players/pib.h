// The pib record of each player and the questions other modules ask of it.
#pragma once

struct Bunny;
struct SparkEmitter;

void SetPlayerCount(int n);
int GetPlayerCount();
void InitPib(int p, int keyLeft, int keyRight, int keyFire, double x, double y, double z,
             int dir);
void UpdatePib(int p);
void DrawPib(int p);

double GetPibX(int p);
double GetPibY(int p);
double GetPibZ(int p);
int GetPibDirIndex(int p);
double GetPibDir(int p);
double GetPibDirCos(int p);
double GetPibDirSin(int p);
int GetPibTurnState(int p);
double GetPibTurnAngle(int p);
int GetPibLives(int p);
int GetPibScore(int p);
double GetPibEnergy(int p);
int GetPibSpawnCounter(int p);
int IsPibOnUpperLevel(int p);
int IsPibDying(int p);
int IsPibProtected(int p);
int IsPibOut(int p);
Bunny* GetPibModel(int p);
SparkEmitter* GetPibSparksA(int p);
SparkEmitter* GetPibSparksB(int p);
