#include "effects/emitter.h"

#include <GL/gl.h>

#include <vector>

#include "effects/particle_common.h"
#include "support/clock.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

namespace {
const int kMaxParticles = 25000;

// The mode is the emitter's: every live particle moves and draws by it.
enum Mode { kFire, kSteam, kSmoke };
const float kModeRate[3] = {1.5f, 0.4f, 0.006f};

// Fire, smoke and steam, in the order they are made.
enum ParticleTexture { kFireTex, kSmokeTex, kSteamTex, kParticleTexCount };
const char* const kParticleTextureFiles[kParticleTexCount] = {"firebit.sgi", "smoke.sgi", "steam.sgi"};
unsigned particleTextures[kParticleTexCount];
}  // namespace

struct Emitter {
    float x, y, z;
    EmissionClock clock;
    float spread;
    Mode mode;
    int active;
    std::vector<Particle> slots;  // live particles, at most kMaxParticles
};

namespace {
float Draw(double lo, double hi) { return float(RandomInRange(lo, hi)); }

void SetMode(Emitter* e, Mode mode) {
    e->mode = mode;
    SetEmissionRate(e->clock, kModeRate[mode]);
}

// Fire and smoke draw size, speed and vy, then take green and blue off fast.
void BirthFlame(Particle& p, Mode mode) {
    bool fire = mode == kFire;
    p.size = fire ? Draw(1.1, 1.1) : Draw(1.3, 1.8);
    p.speed = (fire ? Draw(0.00068, 0.00068) : Draw(6.8e-9, 6.8e-9)) / p.size;
    p.vy = fire ? Draw(-0.0002, 0.0009) : Draw(0, 0);
    p.decay[0] = Draw(0, 0);
    p.decay[1] = Draw(0.001, 0.0017);
    p.decay[2] = Draw(0.003, 0.007);
    p.life = fire ? int(Draw(30, 650)) : int(Draw(18070, 18550));
}

// Steam drifts either way at up to the spread and stays white.
void BirthSteam(Particle& p, float spread) {
    p.speed = Draw(-spread, spread);
    p.vy = Draw(0, 0.0009);
    p.size = Draw(1.1, 1.1);
    float d = Draw(1e-9, 1e-8);
    p.decay[0] = p.decay[1] = p.decay[2] = d;
    p.life = int(Draw(30, 800));
}

Particle CreateParticle(Emitter* e) {
    Particle p;
    p.x = e->x + Draw(-e->spread, e->spread);
    p.z = e->z + Draw(-e->spread, e->spread);
    p.y = e->y;
    p.dirX = Draw(-1, 1);
    p.dirZ = Draw(-1, 1);
    if (e->mode == kSteam) BirthSteam(p, e->spread);
    else BirthFlame(p, e->mode);
    p.colour[0] = p.colour[1] = p.colour[2] = 1;
    p.emitter = e;
    return p;
}

void AgeParticles(Emitter* e, float dt) {
    AgeSlots(e->slots, [dt](Particle& p) {
        for (int c = 0; c < 3; ++c) p.colour[c] -= dt * p.decay[c];
    });
}

void MoveParticles(Emitter* e, int dt) {
    bool fire = e->mode == kFire;
    for (Particle& p : e->slots) {
        if (fire) {
            p.vy += dt * 2.5e-6f * p.size;
        } else {
            p.vy += dt * 6.7e-8f * 0.07f;
            p.size *= 1.0013f;  // per update, not per ms
        }
        p.x += dt * p.speed * p.dirX;
        p.z += dt * p.speed * p.dirZ;
        p.y += dt * p.vy;
        p.life -= dt;
    }
}

// A smoke period makes a particle only when its draw is above 0.
void EmitOne(Emitter* e) {
    if (e->mode == kSmoke && !(RandomInRange(0, 1) > 0)) return;
    e->slots.push_back(CreateParticle(e));
}
}  // namespace

Emitter* CreateEmitter(float x, float y, float z, float spread) {
    Emitter* e = new Emitter{x, y, z, StartEmissionClock(ElapsedMs(), kModeRate[kFire]), spread, kFire, 0, {}};
    return e;
}

void SetEmitterFire(Emitter* e) { SetMode(e, kFire); }
void SetEmitterSteam(Emitter* e) { SetMode(e, kSteam); }
void SetEmitterSmoke(Emitter* e) { SetMode(e, kSmoke); }
void SetEmitterActive(Emitter* e, int flag) { e->active = flag; }

void MoveEmitter(Emitter* e, float dx, float dy, float dz) {
    e->x += dx;
    e->y += dy;
    e->z += dz;
}

void SetEmitterPosition(Emitter* e, float x, float y, float z) {
    e->x = x;
    e->y = y;
    e->z = z;
}

void UpdateEmitter(Emitter* e) {
    double dt = EmissionDt(e->clock, ElapsedMs());
    AgeParticles(e, float(dt));
    MoveParticles(e, int(dt));
    PassEmissionPeriods(
        e->clock, EmissionPeriods(e->clock, dt),
        [e] { return e->active && int(e->slots.size()) < kMaxParticles; },
        [e] { EmitOne(e); });
}

// Quads wholly out of view are skipped; the material ends as if every one
// were drawn.
void DrawEmitter(Emitter* e) {
    Billboard b = BeginBillboards();
    if (e->slots.empty()) {
        // nothing to draw, but the blend and depth state ends as always
    } else if (e->mode == kSmoke) {
        SetFrontAmbientDiffuse(0.6f, 0.6f, 0.6f, 0.6f);
        BeginQuadRun(particleTextures[kSmokeTex]);
        for (const Particle& p : e->slots)
            if (BillboardInView(b, p.x, p.y, p.z, p.size / 30)) BillboardQuad(b, p.x, p.y, p.z, p.size / 30);
        EndQuadRun();
    } else {
        float shrink = e->mode == kSteam ? 4 : 1;
        BeginQuadRun(particleTextures[e->mode == kSteam ? kSteamTex : kFireTex]);
        for (const Particle& p : e->slots) {
            float h = p.size / 30 / shrink;
            if (BillboardInView(b, p.x, p.y, p.z, h)) GlowingBillboardQuad(b, p.x, p.y, p.z, h, p.colour, 0.4f, nullptr);
        }
        EndQuadRun();
        SetFrontAmbientDiffuse(e->slots.back().colour[0], e->slots.back().colour[1],
                               e->slots.back().colour[2], 0.4f);
        SetFrontEmission(0, 0, 0, 0);
    }
    EndBillboards();
}

void DeleteEmitter(Emitter* e) { delete e; }

// Every Bunny made asks for these; the files are read and the textures made
// only the first time, and every call leaves the steam's state set.
void LoadParticleTextures() {
    LoadSgiTexturesOnce(particleTextures, kParticleTextureFiles, kParticleTexCount);
    // Steam is drawn small and smooth; fire and smoke keep GL's default filters.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

int EmitterCount(const Emitter* e) { return int(e->slots.size()); }
const Particle* EmitterParticle(const Emitter* e, int i) {
    return i >= 0 && i < EmitterCount(e) ? &e->slots[size_t(i)] : nullptr;
}
double EmitterLastTime(const Emitter* e) { return EmissionLastTime(e->clock); }
float EmitterRate(const Emitter* e) { return e->clock.rate; }
