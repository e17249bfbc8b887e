// The robot creatures of a world: read from its creature file, they patrol the
// board, shoot at the pibs they see and catch those that come too close.
#pragma once

struct Robot;

enum CreatureState {
    kCreatureWalking = 0,
    kCreatureTurningClockwise = 1,
    kCreatureTurningAnticlockwise = 2,
    kCreatureAttacking = 3,
};

struct Creature {
    float x, y, z;          // z is 0.5 on the ground, 1.5 on the upper level
    Creature* next;
    int type;               // only type 0 takes part in the game
    Robot* robot;           // type 0 only
    int dir;                // 0 +y, 1 +x, 2 -y, 3 -x
    int state;              // CreatureState
    double speed;           // cells per tick
    double turned;          // degrees of the running turn so far
    int turnCooldown;       // counts from 1 after a turn choice; no junction turns meanwhile
    double targetAngle;     // 90 or 180
    int nextDir;            // where the running turn leads
    double tilt;            // pitch on a ramp, -45 to 45 degrees
    double lift;            // extra drawing height on a ramp
    int climb;              // 1..651 climbing, -1..-651 descending, 0 none
    int dead;               // 1..1001 while knocked out
    int upper;              // on, or climbing to, the upper level
    int attackCounter;      // ticks into an attack
    int hasBitten;          // a pib was caught during this attack or bite
    int biteCounter;        // ticks into a bite, 0 when not biting
};

// Empties the list and reads the creature file; a file that cannot be opened
// or holds a malformed entry ends the program with exit code 1.
void LoadCreatures(const char* fileName);
// Once the world is read: every robot creature must stand on the board;
// otherwise the program ends with exit code 1.
void CheckCreaturePlaces();

void UpdateCreatures();
void DrawCreatures();
void DrawCreatureMarkers(int frame, int period);
// Knocks out every creature within reach of the point; 1 when it hit any.
int KillCreaturesNear(double x, double y, double z);

// Head of the list (newest first), for the shots and tests.
Creature* GetCreatures();

// The steps of one creature.
void UpdateCreature(Creature* c);
void KillCreature(Creature* c);
void ReviveCreature(Creature* c);
void UpdateCreatureHeight(Creature* c);
int CreatureBlocked(Creature* c);
void ChooseCreatureTurn(Creature* c);
int CreatureDirX(Creature* c);
int CreatureDirY(Creature* c);
int CreatureSeesPib(Creature* c);
int CreatureAhead(Creature* c);
void StartCreatureAttack(Creature* c);
void ClimbCreature(Creature* c);
void DescendCreature(Creature* c);
void CheckCreatureCatch(Creature* c);
int CreatureAtJunction(Creature* c, int randomised);
void DrawMarkerQuad();
