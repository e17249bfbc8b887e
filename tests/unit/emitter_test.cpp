// The fire, smoke and steam emitter on a driven clock and a seeded random.
#include <GL/glu.h>
#include <unistd.h>

#include <cmath>

#include "effects/emitter.h"
#include "effects/particle_common.h"
#include "game_test_support.h"
#include "particle_test_support.h"
#include "support/helpers.h"
#include "world/board_draw.h"

namespace {
const int kStart = 100000;

class EmitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseFakeClock(kStart);
        SeedRandomWith(77);
        e = CreateEmitter(0, 0.4f, -0.15f, 0.16f);
    }
    void TearDown() override {
        DeleteEmitter(e);
        UseRealClock();
    }
    void UpdateAt(int now) {
        fakeNow = now;
        UpdateEmitter(e);
    }
    double Lag() const { return fakeNow - EmitterLastTime(e); }
    Emitter* e = nullptr;
};

// Each mode's rate, in one update or in 16 ms frames, after no idle time or
// a long idle gap (in one step, or a day of 1 s steps) that must leave no
// backlog to burst out; no particle dies in these runs, and a full emitter
// stops at its bound.
TEST_F(EmitterTest, EachModeEmitsAtItsRate) {
    const int day = 24 * 3600 * 1000;
    const struct {
        void (*set)(Emitter*);
        int idleStepMs, idleMs, stepMs, totalMs, made;
    } cases[] = {{SetEmitterFire, 1, 0, 16, 16, 24},          {SetEmitterSteam, 1, 0, 10, 10, 4},
                 {SetEmitterSmoke, 1, 0, 10000, 10000, 60},   {SetEmitterSmoke, 1, 0, 16, 1008, 6},
                 {SetEmitterFire, 20 * day, 20 * day, 16, 48, 72}, {SetEmitterFire, 1000, day, 16, 48, 72},
                 {SetEmitterFire, 1, 0, 60000, 60000, 25000}};
    for (const auto& c : cases) {
        fakeNow = kStart;
        Emitter* m = CreateEmitter(0, 0, 0, 0.1f);
        c.set(m);
        for (int i = 1; i <= c.idleMs / c.idleStepMs; ++i) fakeNow = kStart + i * c.idleStepMs, UpdateEmitter(m);
        SetEmitterActive(m, 1);
        for (int t = c.stepMs; t <= c.totalMs; t += c.stepMs) fakeNow = kStart + c.idleMs + t, UpdateEmitter(m);
        EXPECT_EQ(EmitterCount(m), c.made) << c.idleMs << " " << c.stepMs << "/" << c.totalMs;
        double lag = fakeNow - EmitterLastTime(m);
        EXPECT_TRUE(lag >= 0 && lag < 1 / EmitterRate(m)) << lag;
        DeleteEmitter(m);
    }
}

TEST_F(EmitterTest, SubMillisecondUpdateDrainsColourButMovesNothing) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 1);  // one period made, a third of a period left over
    ASSERT_EQ(EmitterCount(e), 1);
    Particle before = *EmitterParticle(e, 0);
    float dt = float(Lag());
    UpdateEmitter(e);
    const Particle* p = EmitterParticle(e, 0);
    EXPECT_EQ(EmitterCount(e), 1);
    EXPECT_TRUE(p->x == before.x && p->y == before.y && p->life == before.life);
    for (int c = 0; c < 3; ++c) EXPECT_FLOAT_EQ(p->colour[c], 1 - dt * before.decay[c]);
}

// The mode is the emitter's: live fire particles grow and rise as smoke.
TEST_F(EmitterTest, FireTurnedToSmokeMovesAsSmoke) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 16);
    SetEmitterSmoke(e);
    SetEmitterActive(e, 0);
    std::vector<Particle> before;
    for (int i = 0; i < EmitterCount(e); ++i) before.push_back(*EmitterParticle(e, i));
    UpdateAt(int(EmitterLastTime(e) + 0.5) + 16);
    ASSERT_EQ(EmitterCount(e), 24);  // no fire particle lives under 30 ms
    for (int i = 0; i < 24; ++i) {
        EXPECT_FLOAT_EQ(EmitterParticle(e, i)->size, before[i].size * 1.0013f);
        EXPECT_FLOAT_EQ(EmitterParticle(e, i)->vy, before[i].vy + 16 * 6.7e-8f * 0.07f);
    }
}

class EmitterDrawTest : public EmitterTest {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
        EmitterTest::SetUp();
        LoadParticleTextures();
    }
    double DrawAndMeasure(float turnDegrees) {
        auto place = [&] { glRotatef(turnDegrees, 0.3f, 1, 0.2f), glTranslatef(0, -0.4f, 0.15f); };
        DrawEffectFrame(0.3, place, [&] { DrawEmitter(e); });
        return MeanBrightness(0, 0, 64);
    }
};

// Fire glows, smoke is grey, and the quads face the camera however the
// modelview turns, measured over the whole frame. Over 400 seeds fire's mean
// was 3.4 to 4.6, smoke's 0.7 to 1.4; fire unlit or quads facing one way left at most 1.
TEST_F(EmitterDrawTest, FireGlowsSmokeIsGreyFromEveryAngle) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 16);
    for (float turn : {0.0f, 80.0f, 170.0f}) {
        double fire = DrawAndMeasure(turn);
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(depthWrites);
        SetEmitterSmoke(e);
        double smoke = DrawAndMeasure(turn);
        SetEmitterFire(e);
        EXPECT_GT(fire, 2) << "turn " << turn;
        EXPECT_TRUE(smoke > 0 && smoke < fire) << "turn " << turn;
    }
}

// Every Bunny made asks for the particles' textures, every world load for the
// world's: only the first call reads files (a later one from a folder
// without them must not end the program), and every call leaves what the
// first left: its last texture bound, smooth filters on it, and the
// environment mode the steam (modulate) or the board (decal) draws with.
TEST_F(EmitterDrawTest, TexturesAskedForAgainAreKeptAndLeaveTheFirstCallsState) {
    struct Loader {
        void (*load)();
        GLint envMode;
    };
    for (const Loader& l : {Loader{LoadParticleTextures, GL_MODULATE}, Loader{LoadWorldTextures, GL_DECAL}}) {
        l.load();
        GLint first = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &first);
        glBindTexture(GL_TEXTURE_2D, 0);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        ASSERT_EQ(chdir(ScratchDir("no_textures").c_str()), 0);
        l.load();
        ASSERT_EQ(chdir(here), 0);
        GLint bound = 0, env = 0, mag = 0, min = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
        EXPECT_NE(first, 0);
        EXPECT_EQ(bound, first);
        EXPECT_EQ(env, l.envMode);
        EXPECT_EQ(mag, GL_LINEAR);
        EXPECT_EQ(min, GL_LINEAR_MIPMAP_LINEAR);
    }
}
}  // namespace

// Skipping quads out of view must never skip one that shows a pixel: a quad
// whose centre is outside but whose corner reaches in is drawn.
TEST(BillboardView, SkipsOnlyQuadsWhollyOutsideTheView) {
    if (!EnsureGlContext()) GTEST_SKIP() << "no display";
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 1, 0.1, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -5);
    glScalef(2, 2, 2);  // a scaled figure's own space
    Billboard b = BeginBillboards();
    EndBillboards();
    // The view's left edge at the origin's depth, in the figure's units; a
    // quad's corner lies 2 h from its centre along x here.
    float edge = float(std::tan(30 * M_PI / 180) * 5 / 2);
    const struct { float x, y, z, h; int inView; } cases[] = {
        {0, 0, 0, 0.01f, 1}, {0, 0, 0, 0, 1}, {-edge * 1.5f, 0, 0, 0.1f, 0},
        {-edge - 0.15f, 0, 0, 0.1f, 1},  // a corner reaches in
        {0, 0, 3, 0.1f, 0},              // behind the eye
        {0, 0, -9, 0.1f, 0},             // past the far plane
        {0, edge * 3, 0, 0.5f, 0}, {0, edge + 0.5f, 0, 0.5f, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BillboardInView(b, c.x, c.y, c.z, c.h), c.inView) << c.x << "," << c.y << "," << c.z;
}
