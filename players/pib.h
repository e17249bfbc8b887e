// A pib: one player's character on the board. Four records in a fixed table,
// reached by other modules only through the functions below, player index p
// (0 to 3) first. An index outside 0 to 3 is refused: queries answer 0 (or
// null), commands do nothing, and a message is printed.
#pragma once

struct Bunny;
struct SparkEmitter;

// TurnState values.
enum PibTurnState { kWalkingStraight = 0, kTurningRight = 1, kTurningLeft = 2 };

void SetPlayerCount(int n);
int GetPlayerCount();

// Sets pib p up afresh for a new game: a new figure and two new spark emitters
// at its feet. Keys are key-table slots; dir is a direction 0 to 3.
void InitPib(int p, int keyLeft, int keyRight, int keyFire, double x, double y, double z,
             int dir);
// Brings pib p back to its start after a death, or puts it out when it has no
// lives left.
void RespawnPib(int p);
// One tick of pib p's rules.
void UpdatePib(int p);
// The flailing of a fall into a hole, queued on the figure.
void QueueFallWobble(int p);

void DrawPib(int p);
void ApplyFallTransform(int p);

double GetPibX(int p);
double GetPibY(int p);
double GetPibZ(int p);
int GetPibDirIndex(int p);
int GetPibTurnState(int p);
double GetPibTurnAngle(int p);
int GetPibLives(int p);
int GetPibScore(int p);
double GetPibEnergy(int p);
double GetPibSpeed(int p);
Bunny* GetPibModel(int p);
SparkEmitter* GetPibSparksA(int p);
SparkEmitter* GetPibSparksB(int p);
int GetPibSpawnCounter(int p);
int GetPibArmTimer(int p);
int IsPibOnUpperLevel(int p);

void AddPibScore(int p);
void DrainPibEnergy(int p, double amount);
void KillPib(int p);

int IsPibDying(int p);
int IsPibUntouchable(int p);
int IsPibProtected(int p);
int IsPibOut(int p);

// Heading in degrees (90, 0, 270, 180 for directions 0 to 3), following the
// swing of a running turn.
double GetPibDir(int p);
double GetPibDirCos(int p);
double GetPibDirSin(int p);
double GetPibSlope(int p);
double GetPibAheadX(int p);
double GetPibAheadY(int p);
int GetPibNextTileX(int p);
int GetPibNextTileY(int p);
int IsPibOffMap(int p);
int IsXOffMap(double v);
int IsYOffMap(double v);
