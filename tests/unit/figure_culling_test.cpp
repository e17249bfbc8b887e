// What the figures leave out of a view, and the order in which held figures
// go out, must never show: each picture is held against the same drawn
// without it.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "figures/figure_mesh.h"
#include "figures/figure_pool.h"
#include "figures/robot.h"
#include "test_support.h"

namespace {

const int kW = 160, kH = 120;

void Perspective(int x = 0, int width = kW) { PerspectiveView(x, 0, width, kH, 50, 50); }

// Lit from in front, the light fixed to the eye.
void Lit() {
    const float light[4] = {0.3f, 0.8f, 1, 0};
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST}) glEnable(cap);
    glDisable(GL_BLEND);
    glClearColor(0.1f, 0.1f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A ball of many small faces, in a view with or without the faces turned away
// culled, sent whole or keeping only what shows; how many triangles went.
size_t SendBall(const float* place, float turn, bool mirrored, bool culled, bool keepWhatShows) {
    static TriangleMesh* ball = nullptr;
    const TriangleMesh& mesh = CachedShape(ball, [](TriangleMesh& m) { m.Sphere(1, 24, 16); });
    FigureBatch batch;
    if (keepWhatShows) batch.KeepWhatShowsIn(CurrentPixelView(false), culled);
    batch.Translate(place[0], place[1], place[2]);
    batch.Rotate(turn, 0.3f, 1, 0.2f);
    batch.Scale(mirrored ? -place[3] : place[3], place[3], place[3]);
    batch.Append(mesh, 0.8f, 0.5f, 0.2f);
    size_t sent = batch.TriangleCount();
    if (culled) glEnable(GL_CULL_FACE);
    FigureBatch::BeginSending(true);
    batch.Send();
    FigureBatch::EndSending();
    glDisable(GL_CULL_FACE);
    return sent;
}

TEST(FigureCulling, WhatIsLeftOutMakesNoPixel) {
    if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
    struct Case {
        const char* what;
        float place[4];  // x, y, z, radius
        bool mirrored, culled;
        bool muchLeftOut;  // a third of the triangles or more
    };
    const Case cases[] = {
        {"near, whole in view", {0, 0, -4, 1.2f}, false, true, true},  // the far side
        {"near, seen from both sides", {0, 0, -4, 1.2f}, false, false, false},
        {"mirrored", {0.3f, -0.2f, -3, 1}, true, true, true},
        {"far off: faces smaller than a pixel", {1, 0.5f, -45, 0.6f}, false, true, true},
        {"far off, seen from both sides", {-1, -0.5f, -40, 0.5f}, false, false, true},
        {"half out of the view", {2.6f, 0, -4, 1}, false, true, true},
        {"wholly out of the view", {0, 9, -4, 1}, false, true, true},
        {"through the near plane", {0, 0, -0.5f, 0.8f}, false, false, false},
        {"through the near plane, culled", {0.2f, 0, -0.3f, 0.6f}, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (float turn : {0.0f, 37.0f}) {
            Perspective();
            Lit();
            size_t whole = SendBall(c.place, turn, c.mirrored, c.culled, false);
            ReadBack all = ReadBackBuffer(0, 0, kW, kH);
            Lit();
            size_t kept = SendBall(c.place, turn, c.mirrored, c.culled, true);
            ReadBack shown = ReadBackBuffer(0, 0, kW, kH);
            EXPECT_LE(CountPixelsOff(all, shown, 0), 2) << "turn " << turn;
            EXPECT_LE(kept, whole);
            if (c.muchLeftOut) {
                EXPECT_LE(kept, whole * 2 / 3) << "turn " << turn;
            }
        }
    }
}

// Two views side by side, each with a Robot, a Bunny wearing glasses and
// both guns and a Bunny behind its lenses, drawn one view after the other with every figure
// sent at its end, or with the figures of both views held and sent
// together: the pictures and the state left behind are the same.
class HeldFigures : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        LoadBunnyTextures();
        LoadRobotTextures();
        glasses = NewBunny(1, 1);
        SetBunnyGlasses(glasses, 1);
        glasses->field[kGunScale] = glasses->field[kGunScale + 1] = 1;
        behind = NewBunny(2, 1);
        robot = NewRobot();
    }
    void TearDown() override {
        if (!glasses) return;
        DeleteBunny(glasses);
        DeleteBunny(behind);
        DeleteRobot(robot);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    void DrawView(int v) {
        Perspective(v * kW / 2, kW / 2);
        glRotatef(v ? 6.0f : -10.0f, 0, 1, 0);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        const float places[3][3] = {{0, -0.5f, -2.2f}, {0.05f, -0.4f, -3.4f}, {-1.4f, -0.6f, -4}};
        // The Robot first: the state checked after is the Bunny's.
        glPushMatrix();
        glTranslatef(places[2][0], places[2][1], places[2][2]);
        DrawRobot(robot);
        glPopMatrix();
        Bunny* bunnies[2] = {glasses, behind};
        for (int k = 0; k < 2; ++k) {
            glPushMatrix();
            glTranslatef(places[k][0], places[k][1], places[k][2]);
            DrawBunny(bunnies[k]);
            DrawBunnyEmitters(bunnies[k]);
            glPopMatrix();
        }
    }
    ReadBack Draw(bool held) {
        glEnable(GL_TEXTURE_2D);
        Lit();
        glEnable(GL_NORMALIZE);  // the batches turn it off, as the pieces did
        glEnableClientState(GL_VERTEX_ARRAY);  // the caller's, as its colour: the figures keep them
        glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
        if (held) HoldFigures();
        for (int v = 0; v < 2; ++v) DrawView(v);
        if (held) StopHoldingFigures();
        return ReadBackBuffer(0, 0, kW, kH);
    }
    Bunny* glasses = nullptr;
    Bunny* behind = nullptr;
    Robot* robot = nullptr;
};

// What drawing leaves on: the flags every way of sending must leave as
// drawing one piece at a time left them, then the culling, the viewport,
// the projection, the materials and the colour, which need only agree.
const int kFlagCount = 11;
std::vector<float> StateLeft() {
    std::vector<float> s(kFlagCount + 1 + 4 + 16 + 12);
    GLint i[4];
    GLboolean depthWrites;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, i);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, i + 1);
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, i + 2);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    s[0] = float(i[0]), s[1] = float(i[1]), s[2] = float(i[2]), s[3] = depthWrites;
    int k = 4;
    for (GLenum cap : {GL_BLEND, GL_COLOR_MATERIAL, GL_NORMALIZE, GL_VERTEX_ARRAY, GL_NORMAL_ARRAY,
                       GL_COLOR_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_CULL_FACE})
        s[size_t(k++)] = glIsEnabled(cap);
    glGetFloatv(GL_VIEWPORT, &s[size_t(k)]);
    glGetFloatv(GL_PROJECTION_MATRIX, &s[size_t(k) + 4]);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, &s[size_t(k) + 20]);
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, &s[size_t(k) + 24]);
    glGetFloatv(GL_CURRENT_COLOR, &s[size_t(k) + 28]);
    return s;
}

TEST_F(HeldFigures, DrawWhatEachFigureSentAtItsEndDraws) {
    ReadBack alone = Draw(false);
    std::vector<float> leftAlone = StateLeft();
    ReadBack held = Draw(true);
    // Alone, each figure is put together in its own frame, held in eye
    // coordinates: their rounding may put an edge pixel the other way.
    EXPECT_LE(CountPixelsOff(alone, held, kKeptSlack), 6);
    EXPECT_EQ(StateLeft(), leftAlone);
    // As the last Bunny's drawing left them: the sole's texture, modulate
    // after its shoes, the caller's array on and nothing else of the batches.
    const std::vector<float> flags = {float(GetBunnyTextures().shoeSole), GL_MODULATE, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(std::vector<float>(leftAlone.begin(), leftAlone.begin() + kFlagCount), flags);
    EXPECT_TRUE(SavePng(held, ScratchDir("held_figures") + "/held.png"));
    // Something was drawn in both views.
    for (int half = 0; half < 2; ++half) {
        int lit = 0;
        for (int x = half * kW / 2; x < (half + 1) * kW / 2; ++x)
            for (int y = 0; y < kH; ++y) lit += held.At(x, y)[0] > 90;
        EXPECT_GT(lit, 200) << "view " << half;
    }
}

}  // namespace
