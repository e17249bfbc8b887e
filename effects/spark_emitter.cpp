#include "effects/spark_emitter.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

#include "effects/particle_common.h"
#include "support/clock.h"
#include "support/helpers.h"
#include "support/sgi_image.h"
#include "world/board.h"

namespace {
const int kMaxSparks = 2500;
const float kSparkRate = 0.1f;  // one per 10 ms
const int kSparkLife = 5000;
const int kPuffLife = 320;
const int kDropLife = 3200;  // below this a spark stops floating and drops

unsigned sparkTexture = 0;
unsigned puffTexture = 0;
}  // namespace

struct SparkEmitter {
    float x, y, z;
    float aimX, aimY;
    EmissionClock clock;
    int active;
    std::vector<SparkParticle> slots;  // live sparks, at most kMaxSparks
    int owner;
};

namespace {
float Draw(double lo, double hi) { return float(RandomInRange(lo, hi)); }

SparkParticle CreateSparkParticle(SparkEmitter* e) {
    SparkParticle s = {};
    s.size = Draw(1.2, 2.0);
    s.x = e->x + Draw(7e-5, 3e-4);
    s.y = e->y + Draw(0, 5e-5);
    s.z = e->z + Draw(-3e-5, 3e-5);
    s.dirX = e->aimX + Draw(-0.1, 0.1);
    s.dirY = e->aimY + Draw(-0.1, 0.1);
    s.speed = 0.00028f / s.size;
    s.vz = Draw(2e-5, 9e-5);
    // Red stays, green and blue fade: white through yellow to red.
    s.fade[0] = Draw(1.0, 1.0);
    s.fade[1] = Draw(0.95, 0.9);
    s.fade[2] = Draw(0.8, 0.75);
    s.colour[0] = s.colour[1] = s.colour[2] = 1;
    s.emitter = e;
    s.bounced = 0;
    s.life = kSparkLife;
    return s;
}

void AgeSparkParticles(SparkEmitter* e) {
    AgeSlots(e->slots, [](SparkParticle& s) {
        for (int c = 0; c < 3; ++c) s.colour[c] *= s.fade[c];
    });
}

// A puff swells by 1.17 per update of 16 ms or more. Shorter updates swell
// it by their share of that, so a puff grows at most 1.17^20 over its life:
// growing by 1.17 at every update, a puff at a few hundred frames a second
// came to cover the whole view, and overflowed at a few thousand.
float PuffGrowth(int dt) {
    const int kFullGrowthMs = 16;
    if (dt >= kFullGrowthMs) return 1.17f;
    return dt <= 0 ? 1.0f : std::pow(1.17f, float(dt) / kFullGrowthMs);
}

// A spark floats under weak gravity at first, then drops; a puff barely
// slows as it rises and swells.
void ApplySparkGravity(SparkParticle& s, int dt) {
    if (s.bounced) {
        s.vz += dt * -4e-14f * s.size;
        s.size *= PuffGrowth(dt);
    } else if (s.life >= kDropLife) {
        s.vz += dt * -3e-8f * s.size;
    } else {
        s.vz += dt * -5e-5f * s.size;
    }
}

void StrikeBoard(SparkParticle& s) {
    s.bounced = 1;
    s.vz = -s.vz;
    s.speed = 0;
    s.bounceX = s.x;
    s.bounceY = s.y;
    s.life = kPuffLife;
}

void MoveSparkParticles(SparkEmitter* e, int dt) {
    for (SparkParticle& s : e->slots) {
        ApplySparkGravity(s, dt);
        s.x += dt * s.speed * s.dirX;
        s.y += dt * s.speed * s.dirY;
        s.z += dt * s.vz;
        s.life -= dt;
        if (!s.bounced && SparkHitsBoard(s.x, s.y, s.z)) StrikeBoard(s);
    }
}

// Where over a cell of each floor type a spark strikes, up to z = 1: when z
// lies above `below` and under the surface height top(x, y); a floor type
// with no top strikes only at the ground plane.
struct StrikeRule {
    float below;
    float (*top)(float x, float y);
};
float RisingTowardPlusY(float, float y) { return y - std::floor(y); }
float RisingTowardPlusX(float x, float) { return x - std::floor(x); }
float RisingTowardMinusY(float, float y) { return std::ceil(y) - y; }
float RisingTowardMinusX(float x, float) { return std::ceil(x) - x; }
float FullHeight(float, float) { return 1; }

const float kNoFloor = -1e30f;
const StrikeRule kStrikeRules[] = {
    {kNoFloor, nullptr},             // 0 floor: only the ground plane
    {kNoFloor, RisingTowardPlusY},   // 1 ramps
    {kNoFloor, RisingTowardPlusX},   // 2
    {kNoFloor, RisingTowardMinusY},  // 3
    {kNoFloor, RisingTowardMinusX},  // 4
    {kNoFloor, FullHeight},          // 5 raised block
    {0.9f, FullHeight},              // 6 bridges: inside the deck only
    {0.9f, FullHeight},              // 7
    {kNoFloor, FullHeight},          // 8 crate
    {kNoFloor, FullHeight},          // 9 hidden solid (struck before the table)
    {kNoFloor, nullptr},             // 10 hole
};
const int kStrikeRuleCount = int(sizeof kStrikeRules / sizeof kStrikeRules[0]);

void SetSparkColours(const SparkParticle& s) {
    glColor3f(s.colour[1], 0, 0);
    SetGlowMaterial(s.colour, 0.4f);
}

// The state the last quad leaves, whether or not it was in view.
void LeaveLastColours(const SparkParticle& s) {
    if (s.bounced) {
        SetFrontAmbientDiffuse(0.6f, 0.6f, 0.6f, 0.3f);
    } else {
        SetSparkColours(s);
        SetFrontEmission(0, 0, 0, 0);
    }
}

}  // namespace

int SparkHitsBoard(float x, float y, float z) {
    // The ground plane counts everywhere, over holes too. Off the board is
    // decided before any truncation, so a far-off (or NaN) spark never reads
    // outside the grid.
    if (!(x >= 0) || !(y >= 0) || !(z > 0)) return 1;
    if (!(x < float(GetBoardWidth())) || !(y < float(GetBoardHeight()))) return 1;
    int cell = GetBoardCell(int(x), int(y));
    if (cell == kOffBoard || cell == kSolidHidden) return 1;
    if (z > 1) return 0;
    if (cell < 0 || cell >= kStrikeRuleCount) return 0;
    const StrikeRule& rule = kStrikeRules[cell];
    return rule.top && z > rule.below && z < rule.top(x, y);
}

SparkEmitter* CreateSparkEmitter(float x, float y, float z, float aimX, float aimY, int owner) {
    return new SparkEmitter{x, y, z, aimX, aimY, StartEmissionClock(ElapsedMs(), kSparkRate),
                            1, {}, owner};
}

void SetSparkEmitterActive(SparkEmitter* e, int flag) { e->active = flag; }

void SetSparkEmitterPosition(SparkEmitter* e, float x, float y, float z) {
    e->x = x;
    e->y = y;
    e->z = z;
}

void SetSparkEmitterAim(SparkEmitter* e, float aimX, float aimY) {
    e->aimX = aimX;
    e->aimY = aimY;
}

SparkEmitter* MoveSparkEmitter(SparkEmitter* e, float dx, float dy, float dz) {
    e->x += dx;
    e->y += dy;
    e->z += dz;
    return e;
}

void UpdateSparkEmitter(SparkEmitter* e) {
    double dt = EmissionDt(e->clock, ElapsedMs());
    AgeSparkParticles(e);
    MoveSparkParticles(e, int(dt));
    PassEmissionPeriods(
        e->clock, EmissionPeriods(e->clock, dt),
        [e] { return e->active && int(e->slots.size()) < kMaxSparks; },
        [e] { e->slots.push_back(CreateSparkParticle(e)); });
}

namespace {
// Where and how large a spark's or a puff's quad is.
void SparkQuad(const SparkParticle& s, float* centre, float* h) {
    centre[0] = s.bounced ? s.bounceX : s.x;
    centre[1] = s.bounced ? s.bounceY : s.y;
    centre[2] = s.z;
    *h = s.bounced ? s.size / 100 : s.size / 80;
}
}  // namespace

namespace {
// The quads of one kind (puffs 1, flying sparks 0) that show in the view,
// added to the run of that kind, begun at the first of them; whether there
// were any.
bool AddSparkQuads(const SparkEmitter* e, int kind, const Billboard& b, bool* begun) {
    bool any = false;
    for (const SparkParticle& s : e->slots) {
        float c[3], h;
        SparkQuad(s, c, &h);
        if (s.bounced != kind || !BillboardInView(b, c[0], c[1], c[2], h)) continue;
        if (!*begun) {
            *begun = true;
            if (kind) SetFrontAmbientDiffuse(0.6f, 0.6f, 0.6f, 0.3f);
            BeginQuadRun(kind ? puffTexture : sparkTexture);
        }
        if (kind) {
            BillboardQuad(b, c[0], c[1], c[2], h);
        } else {
            const float unlit[4] = {s.colour[1], 0, 0, 1};  // the current colour it sets
            GlowingBillboardQuad(b, c[0], c[1], c[2], h, s.colour, 0.4f, unlit);
        }
        any = true;
    }
    return any;
}

const int kMostViews = 4;
}  // namespace

void DrawSparkEmitter(SparkEmitter* e) { DrawSparkEmittersInViews(&e, 1, kPresentView); }

// An emitter's puffs go out first and its flying sparks after them, one
// texture binding each: binding afresh at every change of kind along the
// slots cost several times as much once puffs and sparks are mixed, and the
// glowing sparks are never veiled by the grey puffs. Quads wholly out of view
// are skipped; the colours and material end as the last slot's quad leaves
// them.
void DrawSparkEmittersInViews(SparkEmitter* const* emitters, int count, const ViewSteps& views) {
    Billboard b[kMostViews];
    int viewCount = views.count < kMostViews ? views.count : kMostViews;
    for (int v = 0; v < viewCount; ++v) {
        EnterView(views, v);
        b[v] = ViewBillboard();
    }
    int entered = viewCount - 1;
    StartBlendedQuads();
    for (int i = 0; i < count; ++i) {
        const SparkEmitter* e = emitters[i];
        for (int kind = 1; kind >= 0; --kind) {
            bool begun = false;
            for (int v = 0; v < viewCount; ++v) {
                if (!AddSparkQuads(e, kind, b[v], &begun)) continue;
                if (v != entered) EnterView(views, v);
                entered = v;
                FaceViewer(b[v]);
                SendQuadRun();
            }
            if (begun) EndQuadRun();
        }
        if (!e->slots.empty()) LeaveLastColours(e->slots.back());
    }
    FaceViewer(b[entered]);
    EndBillboards();
}

void DeleteSparkEmitter(SparkEmitter* e) { delete e; }

void LoadSparkTextures() {
    sparkTexture = LoadSgiTexture("spark.sgi");
    puffTexture = LoadSgiTexture("smoke.sgi");
    // The puff is drawn smooth; the spark keeps GL's default filters.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

int SparkEmitterCount(const SparkEmitter* e) { return int(e->slots.size()); }
const SparkParticle* SparkEmitterParticle(const SparkEmitter* e, int i) {
    return i >= 0 && i < SparkEmitterCount(e) ? &e->slots[size_t(i)] : nullptr;
}
double SparkEmitterLastTime(const SparkEmitter* e) { return EmissionLastTime(e->clock); }
