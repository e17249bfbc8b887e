// The pib record itself: seen only by the pib's own source files and their
// tests. Everyone else goes through players/pib.h.
#pragma once

#include "world/board.h"

struct Bunny;
struct SparkEmitter;

struct Pib {
    double startX, startY, startZ;
    int startDir;
    double x, y, z;  // z is 0.5 above the surface the pib stands on
    float leftFoot[3], rightFoot[3];
    double leftFootRestX, leftFootRestY, rightFootRestX, rightFootRestY;
    double turnRadius;
    int leftKeyDown, rightKeyDown;
    int leftArmOut, rightArmOut;
    int fireLatch;  // a fire cycle runs from a shot until fireTimer ends
    int leftGunUp, rightGunUp;
    int upper;
    double speed;  // cells per tick
    double drain;  // energy lost per tick
    double energy;
    int turnState;
    int dir;  // during a turn: the direction it started from
    double turnStartX, turnStartY;
    double turnEndX, turnEndY;
    double poleX, poleY;
    int turnFromDir, turnToDir;
    double turnAngle;
    int climbing, descending, ducking, flipping;
    int fireHeld;
    int turnEndTimer;
    int climbTimer, descendTimer, duckTimer;
    int flipTimer;
    int fireTimer;
    int dying;  // tick count of a running death or fall, from 1
    int dyingLength;
    int spawnCounter;
    int bumpTimer;
    Bunny* model;
    int keyRight, keyLeft, keyFire;
    int out;
    SparkEmitter* sparksA;
    SparkEmitter* sparksB;
    int killed;
    int skipSparkPlacement;
    int lives;  // -1: unlimited
    int score;
    int falling;
};

// The record of pib p, or null (with a message) for an index outside 0 to 3.
Pib* FindPib(int p);

