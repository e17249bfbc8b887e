// Sparks that fly from a moving point and bounce off the board.
#pragma once

struct SparkEmitter;

void LoadSparkTextures();
void SetSparkEmitterAim(SparkEmitter* e, double aimX, double aimY);
void UpdateSparkEmitter(SparkEmitter* e);
void DrawSparkEmitter(SparkEmitter* e);
