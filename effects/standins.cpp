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

// Emitter stand-in: no particles.
#include "effects/emitter.h"

struct Emitter {
    float rate;
};
Emitter* CreateEmitter(float, float, float, float) { return new Emitter{1.5f}; }
void SetEmitterFire(Emitter* e) { e->rate = 1.5f; }
void SetEmitterSteam(Emitter* e) { e->rate = 0.4f; }
void SetEmitterSmoke(Emitter* e) { e->rate = 0.006f; }
void SetEmitterActive(Emitter*, int) {}
void MoveEmitter(Emitter*, float, float, float) {}
void SetEmitterPosition(Emitter*, float, float, float) {}
void UpdateEmitter(Emitter*) {}
void DrawEmitter(Emitter*) {}
void DeleteEmitter(Emitter* e) { delete e; }
void LoadParticleTextures() {}
int EmitterCount(const Emitter*) { return 0; }
const Particle* EmitterParticle(const Emitter*, int) { return nullptr; }
double EmitterLastTime(const Emitter*) { return 0; }
float EmitterRate(const Emitter* e) { return e->rate; }
