// Sparks that fly from a moving point and bounce off the board: each pib
// trails them from both feet. Board coordinates, cell units, z up.
#pragma once

#include "support/view_steps.h"

struct SparkEmitter;

// One spark or, once it has struck the board, one puff.
struct SparkParticle {
    float x, y, z;
    float dirX, dirY;
    float speed;  // cells per ms, 0 after the strike
    float vz;
    float bounceX, bounceY;  // where it struck
    float colour[3];
    float fade[3];  // multiplied into the colour at every update
    float size;
    int bounced;  // 0 flying spark, 1 puff
    int life;     // ms
    SparkEmitter* emitter;
};

void LoadSparkTextures();
// A new emitter, active, with no sparks; owner is the pib's index.
SparkEmitter* CreateSparkEmitter(float x, float y, float z, float aimX, float aimY, int owner);
void SetSparkEmitterActive(SparkEmitter* e, int flag);
void SetSparkEmitterPosition(SparkEmitter* e, float x, float y, float z);
void SetSparkEmitterAim(SparkEmitter* e, float aimX, float aimY);
SparkEmitter* MoveSparkEmitter(SparkEmitter* e, float dx, float dy, float dz);
void UpdateSparkEmitter(SparkEmitter* e);
void DrawSparkEmitter(SparkEmitter* e);
// Several emitters in every view, a step at a time: each emitter's puffs in
// every view, then its sparks.
void DrawSparkEmittersInViews(SparkEmitter* const* emitters, int count, const ViewSteps& views);
// Frees the emitter and its sparks (null is let be).
void DeleteSparkEmitter(SparkEmitter* e);

// 1 when a spark at (x, y, z) strikes the current board, else 0.
int SparkHitsBoard(float x, float y, float z);

// Small read-only views for tests and benchmarks.
int SparkEmitterCount(const SparkEmitter* e);
const SparkParticle* SparkEmitterParticle(const SparkEmitter* e, int i);  // null outside 0..count-1
double SparkEmitterLastTime(const SparkEmitter* e);
