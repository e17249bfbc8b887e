// STAND-INS for the particle effects, which are not built yet.
#include "effects/spark_emitter.h"

void LoadSparkTextures() {}
void SetSparkEmitterAim(SparkEmitter*, double, double) {}
void UpdateSparkEmitter(SparkEmitter*) {}
void DrawSparkEmitter(SparkEmitter*) {}
