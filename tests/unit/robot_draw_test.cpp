// Drawing the Robot for real: a GL context on the virtual display, the
// figure drawn alone in flat light and read back.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figures/figure_gl.h"
#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

const int kSide = 256;

// Lit by ambient light alone, every untextured part shows its material; a light
// from the front, upper left when lit.
ReadBack DrawAlone(Robot* robot, bool textured, float turn = 0, bool lit = false) {
    glViewport(0, 0, kSide, kSide);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.8, 0.8, -0.7, 0.9, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST), glEnable(GL_LIGHTING);
    // Whatever an earlier test left on in this context goes off.
    for (GLenum light = GL_LIGHT0; light <= GL_LIGHT7; ++light) glDisable(light);
    for (GLenum cap : {GL_FOG, GL_BLEND, GL_ALPHA_TEST, GL_CULL_FACE, GL_COLOR_MATERIAL, GL_SCISSOR_TEST})
        glDisable(cap);
    glDepthMask(GL_TRUE), glDepthFunc(GL_LESS);
    const GLfloat full[4] = {1, 1, 1, 1}, dim[4] = {0.2f, 0.2f, 0.2f, 1}, from[4] = {1, 1, 2, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, lit ? dim : full);
    if (lit) glEnable(GL_LIGHT0), glLightfv(GL_LIGHT0, GL_POSITION, from);
    textured ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
    glRotatef(turn, 0, 1, 0);
    DrawRobot(robot);
    return ReadBackBuffer(0, 0, kSide, kSide);
}

// Pixels of a colour (within 3 of 255) between two heights of the figure's frame.
int CountColour(const ReadBack& p, float r, float g, float b, float yLow = -0.7f, float yHigh = 0.9f) {
    auto close = [](unsigned char v, float want) { return std::abs(int(v) - int(want * 255 + 0.5f)) <= 3; };
    int n = 0;
    for (int y = 0; y < kSide; ++y) {
        float frameY = -0.7f + 1.6f * (y + 0.5f) / kSide;
        if (frameY < yLow || frameY > yHigh) continue;
        for (int x = 0; x < kSide; ++x) {
            const unsigned char* px = p.At(x, y);
            n += close(px[0], r) && close(px[1], g) && close(px[2], b);
        }
    }
    return n;
}

struct RobotDeleter { void operator()(Robot* r) const { DeleteRobot(r); } };
using RobotPtr = std::unique_ptr<Robot, RobotDeleter>;

}  // namespace

TEST(RobotDrawing, ARobotDrawnAloneShowsBodyTreadsBowTieFaceHatAndRiders) {
    ASSERT_TRUE(StartFromGlDefaults());
    LoadRobotTextures();
    RobotPtr robot(NewRobot());
    for (int i = 0; i < 30; ++i) UpdateRobot(robot.get(), 1);  // the riders start dancing
    ReadBack flat = DrawAlone(robot.get(), false);
    ReadBack textured = DrawAlone(robot.get(), true);
    std::string dir = ScratchDir("robot-drawing");
    EXPECT_TRUE(SavePng(textured, dir + "/robot.png"));
    EXPECT_TRUE(SavePng(flat, dir + "/robot-untextured.png"));

    struct Part { const char* what; float r, g, b, yLow, yHigh; int atLeast; };
    for (const Part& c : {Part{"dark blue body", 0.1f, 0.1f, 0.2f, -0.4f, 0.0f, 2000},
                          Part{"white treads", 1, 1, 1, -0.7f, -0.35f, 500}, Part{"white hat", 1, 1, 1, 0.3f, 0.9f, 300},
                          Part{"magenta bow tie", 1, 0, 1, -0.7f, 0.9f, 20}, Part{"red eye plates", 1, 0, 0, -0.7f, 0.9f, 50},
                          Part{"yellow eyeballs", 1, 1, 0, -0.7f, 0.9f, 10}, Part{"green brows", 0, 1, 0, -0.7f, 0.9f, 5},
                          Part{"riders above the hat", 0.58f, 0.48f, 0.29f, 0.3f, 0.9f, 20}})
        EXPECT_GT(CountColour(flat, c.r, c.g, c.b, c.yLow, c.yHigh), c.atLeast) << c.what;
    // Textures take the treads' and the hat's white, and only theirs.
    EXPECT_LT(CountColour(textured, 1, 1, 1, -0.7f, -0.35f), CountColour(flat, 1, 1, 1, -0.7f, -0.35f) / 4);
    EXPECT_EQ(CountColour(textured, 1, 0, 1), CountColour(flat, 1, 0, 1));
    // Seen from behind, the body's back shows no texture.
    EXPECT_GT(CountColour(DrawAlone(robot.get(), true, 180), 0.1f, 0.1f, 0.2f, -0.35f, -0.05f), 2000);
    EXPECT_TRUE(SavePng(DrawAlone(robot.get(), true, 30, true), dir + "/robot-lit.png"));

    GLint mode = 0, bound = -1;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_TRUE(mode == GL_DECAL && bound == 0) << "textures left as the rest of the game expects";
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE)) << "the riders leave normalisation on";
    glDisable(GL_TEXTURE_2D);
}

TEST(RobotDrawing, TheTexturesAreLoadedOnceForEveryCaller) {
    ASSERT_TRUE(EnsureGlContext());
    LoadRobotTextures();
    std::vector<unsigned> first(robotTextures, robotTextures + kRobotTextureCount);
    for (int i = 0; i < 3; ++i) LoadRobotTextures();
    EXPECT_EQ(std::vector<unsigned>(robotTextures, robotTextures + kRobotTextureCount), first);
    for (unsigned t : first) EXPECT_TRUE(glIsTexture(t));
}

TEST(RobotDrawing, TreadFramesChangeAt5r10rAnd15r) {
    RobotPtr robot(NewRobot());
    struct Case { int counter; float rate; int panel, band; };
    const Case cases[] = {{0, 1, 1, 1},    {4, 1, 1, 1},    {5, 1, 2, 2},     {9, 1, 2, 2},
                          {10, 1, 3, 1},   {14, 1, 3, 1},   {15, 1, 4, 2},    {19, 1, 4, 2},
                          {59, 12, 1, 1},  {60, 12, 2, 2},  {179, 12, 3, 1},  {180, 12, 4, 2}};
    for (const Case& c : cases) {
        robot->treadCounter = c.counter;
        robot->treadRate = c.rate;
        EXPECT_EQ(RobotTreadPanelFrame(robot.get()) * 10 + RobotTreadBandFrame(robot.get()), c.panel * 10 + c.band)
            << c.counter << " at rate " << c.rate;
    }
}

// One pair of offsets for every Robot: a still one drawn after a shaking one keeps its offsets.
TEST(RobotDrawing, ShakeOffsetsAreSharedByEveryRobot) {
    ASSERT_TRUE(EnsureGlContext());
    RobotPtr shaking(NewRobot());
    RobotPtr still(NewRobot());
    float jx = 0, jy = 0, kx = 0, ky = 0;
    SetRobotShake(shaking.get(), 1);
    DrawAlone(shaking.get(), false);
    GetRobotShakeOffsets(&jx, &jy);
    EXPECT_LE(std::abs(jx) + std::abs(jy), 0.02f);
    EXPECT_NE(jx, 0.0f);
    ReadBack afterShake = DrawAlone(still.get(), false);
    GetRobotShakeOffsets(&kx, &ky);
    EXPECT_TRUE(kx == jx && ky == jy);
    RobotPtr fresh(NewRobot());  // sets both back to 0
    ReadBack calm = DrawAlone(still.get(), false);
    EXPECT_NE(afterShake.rgb, calm.rgb) << "the still Robot is drawn offset";
}

TEST(FigureDrawing, OnlyFiguresReachingIntoTheViewVolumeAreSent) {
    ASSERT_TRUE(EnsureGlContext());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 4.0 / 3.0, 0.1, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    struct Case { float x, y, z, radius; bool seen; };
    // The third sphere is behind the eye but reaches past the near plane.
    for (const Case& c : {Case{0, 0, -5, 0.1f, true}, Case{0, 0, 5, 1, false}, Case{0, 0, 0.5f, 1, true},
                          Case{20, 0, -5, 1, false}, Case{3, 0, -5, 1, true}, Case{0, 0, -25, 1, false},
                          Case{0, 0, -20.5f, 1, true}, Case{0, -30, -10, 1, false}})
        EXPECT_EQ(SphereInView(c.x, c.y, c.z, c.radius), c.seen) << c.x << " " << c.y << " " << c.z;
    glTranslatef(0, 0, -5);  // the modelview counts too
    EXPECT_TRUE(SphereInView(0, 0, 0, 0.1f));
    EXPECT_FALSE(SphereInView(0, 0, 10, 0.1f));
    glLoadIdentity();
}
