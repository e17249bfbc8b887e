// Shots and impact bursts: the glowing projectiles that pibs and creatures
// fire, and the bursts that armed shots leave where they hit.
#pragma once

#include "support/view_steps.h"

// Shot types 0 to 3 belong to the pib of that player; creatures fire type 4.
enum ShotType { kShotPib0 = 0, kShotPib1, kShotPib2, kShotPib3, kShotCreature = 4 };

struct Shot {
    double x, y, z;
    double dirX, dirY, dirZ;  // the shot moves speed x direction per tick
    double speed;
    double life;              // ticks left to fly
    double arming;            // armed once below 0, drawn from 0 down
    double spinA, spinB;      // degrees of the two drawn copies
    double alpha;
    double size;
    int type;                 // ShotType
    int hitPib;               // the pib a burst rides along with
    Shot* next;
};

// Empties both lists and makes the shot texture and display list (needs GL).
void InitShots();
// Empties both lists; a new game starts with no shots or bursts.
void ClearShots();

void FireShot(double x, double y, double z, double dirX, double dirY, double dirZ,
              double speed, double life, double arming, int type);
// One tick: flight and hits of every shot, then growth and fading of every burst.
void UpdateShots();

// Every view's shots, a step at a time.
void DrawShotsInViews(const ViewSteps& views);
void DrawShotMarkers();

// Heads of the two lists (newest first), for the game screen and tests.
Shot* GetShots();
Shot* GetShotBursts();

// The tests of one tick, each on one shot.
int ShotHitsPib(Shot* shot);
int ShotHitsTile(Shot* shot);
int ShotHitsCreature(Shot* shot);
int ShotBounce(Shot* shot);  // 0 none, 1 reverse dirY, 2 reverse dirX
double SnapToGridLine(double v, int dir);
