// The fire, smoke and steam emitter on a driven clock and a seeded random.
#include <GL/gl.h>
#include <unistd.h>

#include <GL/glu.h>

#include <cmath>

#include "effects/emitter.h"
#include "effects/particle_common.h"
#include "game_test_support.h"
#include "support/helpers.h"
#include "test_support.h"

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
    Emitter* e = nullptr;
};

// Each mode's rate, in one update or in 16 ms frames; no particle dies in
// these runs.
TEST_F(EmitterTest, EachModeEmitsAtItsRate) {
    struct Case {
        void (*set)(Emitter*);
        int stepMs, totalMs, made;
    };
    const Case cases[] = {{SetEmitterFire, 16, 16, 24},
                          {SetEmitterSteam, 10, 10, 4},
                          {SetEmitterSmoke, 10000, 10000, 60},
                          {SetEmitterSmoke, 16, 1008, 6}};
    for (const Case& c : cases) {
        Emitter* m = CreateEmitter(0, 0, 0, 0.1f);
        c.set(m);
        SetEmitterActive(m, 1);
        int start = fakeNow;
        for (int t = c.stepMs; t <= c.totalMs; t += c.stepMs) {
            fakeNow = start + t;
            UpdateEmitter(m);
        }
        EXPECT_EQ(EmitterCount(m), c.made) << c.stepMs << "/" << c.totalMs;
        EXPECT_NEAR(EmitterLastTime(m) - start, c.made / EmitterRate(m), 1e-3);
        EXPECT_EQ(EmitterParticle(m, c.made), nullptr);
        DeleteEmitter(m);
    }
}

// A long gap passes in one step: nothing is made and no backlog builds up,
// so switching on later gives no burst.
TEST_F(EmitterTest, InactiveEmitterCatchesUpWithoutBurst) {
    const int gap = 20 * 24 * 3600 * 1000;  // 20 days
    UpdateAt(kStart + gap);
    EXPECT_EQ(EmitterCount(e), 0);
    EXPECT_LT(fakeNow - EmitterLastTime(e), 1 / 1.5);
    EXPECT_GE(fakeNow - EmitterLastTime(e), 0);
    SetEmitterActive(e, 1);
    UpdateAt(kStart + gap + 16);
    EXPECT_GE(EmitterCount(e), 24);
    EXPECT_LE(EmitterCount(e), 25);
}

TEST_F(EmitterTest, FullEmitterStopsAtItsBound) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 60000);
    EXPECT_EQ(EmitterCount(e), 25000);
    EXPECT_LT(fakeNow - EmitterLastTime(e), 1 / 1.5);
}

TEST_F(EmitterTest, SubMillisecondUpdateDrainsColourButMovesNothing) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 1);  // one period made, a third of a period left over
    ASSERT_EQ(EmitterCount(e), 1);
    Particle before = *EmitterParticle(e, 0);
    float dt = float(fakeNow - EmitterLastTime(e));
    ASSERT_GT(dt, 0.3f);
    ASSERT_LT(dt, 1.0f);
    UpdateEmitter(e);
    const Particle* p = EmitterParticle(e, 0);
    EXPECT_EQ(EmitterCount(e), 1);
    EXPECT_EQ(p->x, before.x);
    EXPECT_EQ(p->y, before.y);
    EXPECT_EQ(p->vy, before.vy);
    EXPECT_EQ(p->life, before.life);
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
        const Particle* p = EmitterParticle(e, i);
        EXPECT_FLOAT_EQ(p->size, before[i].size * 1.0013f);
        EXPECT_FLOAT_EQ(p->vy, before[i].vy + 16 * 6.7e-8f * 0.07f);
        EXPECT_EQ(p->life, before[i].life - 16);
    }
}

// A day's running must not stall the emission clock.
TEST_F(EmitterTest, StillEmitsAtItsRateAfterADay) {
    const int day = 24 * 3600 * 1000;
    for (int t = 0; t <= day; t += 1000) UpdateAt(kStart + t);
    SetEmitterActive(e, 1);
    double before = EmitterLastTime(e);
    // Three frames: no fire particle lives under 30 ms.
    for (int i = 1; i <= 3; ++i) UpdateAt(kStart + day + 16 * i);
    EXPECT_EQ(EmitterCount(e), 72);
    EXPECT_NEAR(EmitterLastTime(e) - before, 48, 1e-6);
    EXPECT_LT(fakeNow - EmitterLastTime(e), 1 / 1.5);
}

// Drawing, with a GL context: fire glows, smoke is grey, and the quads face
// the camera however the modelview turns.
class EmitterDrawTest : public EmitterTest {
protected:
    void SetUp() override {
        if (!EnsureGlContext()) GTEST_SKIP() << "no display";
        EmitterTest::SetUp();
        LoadParticleTextures();
    }
    // Mean brightness of the middle of a frame with the emitter drawn in it.
    double DrawAndMeasure(float turnDegrees) {
        glViewport(0, 0, 64, 64);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-0.3, 0.3, -0.3, 0.3, -5, 5);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(turnDegrees, 0.3f, 1, 0.2f);
        glTranslatef(0, -0.4f, 0.15f);
        glEnable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        DrawEmitter(e);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        unsigned char rgb[16 * 16 * 3];
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(24, 24, 16, 16, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        double sum = 0;
        for (unsigned char v : rgb) sum += v;
        return sum / sizeof rgb;
    }
};

TEST_F(EmitterDrawTest, FireGlowsSmokeIsGreyFromEveryAngle) {
    SetEmitterActive(e, 1);
    UpdateAt(kStart + 16);
    for (float turn : {0.0f, 80.0f, 170.0f}) {
        double fire = DrawAndMeasure(turn);
        EXPECT_GT(fire, 20) << "turn " << turn;
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(depthWrites);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        SetEmitterSmoke(e);
        double smoke = DrawAndMeasure(turn);
        SetEmitterFire(e);
        EXPECT_GT(smoke, 0) << "turn " << turn;
        EXPECT_LT(smoke, fire) << "turn " << turn;
    }
}

// Every Bunny made asks for the textures: only the first call reads files.
TEST_F(EmitterDrawTest, TexturesAreLoadedOnce) {
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(chdir(ScratchDir("no_textures").c_str()), 0);
    LoadParticleTextures();  // would end the program on a missing file
    ASSERT_EQ(chdir(here), 0);
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
    // The view's left edge at the depth of the origin, in the figure's units;
    // a quad's corner lies 2 h from its centre along x here.
    float edge = float(std::tan(30 * M_PI / 180) * 5 / 2);
    struct Case {
        float x, y, z, h;
        int inView;
    };
    const Case cases[] = {
        {0, 0, 0, 0.01f, 1},           {0, 0, 0, 0, 1},
        {-edge * 1.5f, 0, 0, 0.1f, 0}, {-edge - 0.15f, 0, 0, 0.1f, 1},  // a corner reaches in
        {0, 0, 3, 0.1f, 0},            // behind the eye
        {0, 0, -9, 0.1f, 0},           // past the far plane
        {0, edge * 3, 0, 0.5f, 0},     {0, edge + 0.5f, 0, 0.5f, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BillboardInView(b, c.x, c.y, c.z, c.h), c.inView)
            << c.x << "," << c.y << "," << c.z << " h " << c.h;
}
