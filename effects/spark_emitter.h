// Sparks that fly from a moving point and bounce off the board.
#pragma once

struct SparkEmitter;

void LoadSparkTextures();
SparkEmitter* CreateSparkEmitter(float x, float y, float z, float aimX, float aimY, int owner);
void SetSparkEmitterActive(SparkEmitter* e, int flag);
void SetSparkEmitterPosition(SparkEmitter* e, float x, float y, float z);
void SetSparkEmitterAim(SparkEmitter* e, float aimX, float aimY);
void UpdateSparkEmitter(SparkEmitter* e);
void DrawSparkEmitter(SparkEmitter* e);
