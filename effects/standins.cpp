// STAND-INS for the particle effects, which are not built yet.
#include "effects/spark_emitter.h"

void LoadSparkTextures() {}

struct SparkEmitter {
    int owner;
};

SparkEmitter* CreateSparkEmitter(float, float, float, float, float, int owner) {
    return new SparkEmitter{owner};
}
void SetSparkEmitterActive(SparkEmitter*, int) {}
void SetSparkEmitterPosition(SparkEmitter*, float, float, float) {}
void SetSparkEmitterAim(SparkEmitter*, float, float) {}
void UpdateSparkEmitter(SparkEmitter*) {}
void DrawSparkEmitter(SparkEmitter*) {}

