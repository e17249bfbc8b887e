// Fire, smoke and steam: a point that, while active, makes particles at a rate
// per millisecond and draws them as camera-facing blended quads. It lives in
// the space of whatever draws it (a Bunny's emitters inside the Bunny's
// transform, y up).
#pragma once

struct Emitter;

// One particle, as tests and tools may read it.
struct Particle {
    float x, y, z;
    float dirX, dirZ;
    float speed;
    float vy;
    float colour[3];
    float decay[3];
    float size;
    int life;
    Emitter* emitter;
};

// A new emitter in fire mode, inactive, with no particles.
Emitter* CreateEmitter(float x, float y, float z, float spread);
void SetEmitterFire(Emitter* e);
void SetEmitterSteam(Emitter* e);
void SetEmitterSmoke(Emitter* e);
void SetEmitterActive(Emitter* e, int flag);
void MoveEmitter(Emitter* e, float dx, float dy, float dz);
void SetEmitterPosition(Emitter* e, float x, float y, float z);
void UpdateEmitter(Emitter* e);
// Draws every live particle in the current modelview.
void DrawEmitter(Emitter* e);
void DeleteEmitter(Emitter* e);
// Makes the fire, smoke and steam textures; later calls reuse them.
void LoadParticleTextures();

// Small read-only views for tests and benchmarks.
int EmitterCount(const Emitter* e);
const Particle* EmitterParticle(const Emitter* e, int i);  // slot i; null outside 0..count-1
double EmitterLastTime(const Emitter* e);                   // ms, exact over long runs
float EmitterRate(const Emitter* e);
