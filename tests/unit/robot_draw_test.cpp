// Drawing the Robot for real: a GL context on the virtual display, the
// figure drawn alone in flat light and read back.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "support/helpers.h"
#include "test_support.h"

namespace {

const int kSide = 256;

struct Picture {
    std::vector<unsigned char> rgb;
    const unsigned char* At(int x, int y) const { return &rgb[(size_t(y) * kSide + x) * 3]; }
};

// Lit by ambient light alone, every untextured part shows its material.
void SetUpFlatView(bool textured) {
    glViewport(0, 0, kSide, kSide);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.8, 0.8, -0.7, 0.9, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    const GLfloat full[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, full);
    if (textured) glEnable(GL_TEXTURE_2D);
    else glDisable(GL_TEXTURE_2D);
}

Picture ReadBack() {
    glFinish();
    Picture p;
    p.rgb.resize(size_t(kSide) * kSide * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, p.rgb.data());
    return p;
}

Picture DrawAlone(Robot* robot, bool textured, float turn = 0) {
    SetUpFlatView(textured);
    glRotatef(turn, 0, 1, 0);
    DrawRobot(robot);
    return ReadBack();
}

bool Near(const unsigned char* px, float r, float g, float b) {
    auto close = [](unsigned char v, float want) { return std::abs(int(v) - int(want * 255 + 0.5f)) <= 3; };
    return close(px[0], r) && close(px[1], g) && close(px[2], b);
}

// Pixels of a colour between two heights of the figure's frame.
int CountColour(const Picture& p, float r, float g, float b, float yLow = -0.7f, float yHigh = 0.9f) {
    int n = 0;
    for (int y = 0; y < kSide; ++y) {
        float frameY = -0.7f + 1.6f * (y + 0.5f) / kSide;
        if (frameY < yLow || frameY > yHigh) continue;
        for (int x = 0; x < kSide; ++x) n += Near(p.At(x, y), r, g, b);
    }
    return n;
}

bool SavePng(const std::string& path, const Picture& p) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kSide;
    image.height = kSide;
    image.format = PNG_FORMAT_RGB;
    // Rows bottom first, as GL reads them: a negative stride.
    return png_image_write_to_file(&image, path.c_str(), 0, p.rgb.data(),
                                   -kSide * 3, nullptr) != 0;
}

struct RobotDeleter {
    void operator()(Robot* r) const { DeleteRobot(r); }
};

}  // namespace

TEST(RobotDrawing, ARobotDrawnAloneShowsBodyTreadsBowTieFaceHatAndRiders) {
    ASSERT_TRUE(EnsureGlContext());
    LoadRobotTextures();
    std::unique_ptr<Robot, RobotDeleter> robot(NewRobot());
    for (int i = 0; i < 30; ++i) UpdateRobot(robot.get(), 1);  // the riders start dancing
    Picture flat = DrawAlone(robot.get(), false);
    Picture textured = DrawAlone(robot.get(), true);
    std::string dir = ScratchDir("robot-drawing");
    EXPECT_TRUE(SavePng(dir + "/robot.png", textured));
    EXPECT_TRUE(SavePng(dir + "/robot-untextured.png", flat));

    EXPECT_GT(CountColour(flat, 0.1f, 0.1f, 0.2f, -0.4f, 0.0f), 2000) << "dark blue body";
    EXPECT_GT(CountColour(flat, 1, 1, 1, -0.7f, -0.35f), 500) << "white treads";
    EXPECT_GT(CountColour(flat, 1, 1, 1, 0.3f, 0.9f), 300) << "white hat";
    EXPECT_GT(CountColour(flat, 1, 0, 1), 20) << "magenta bow tie";
    EXPECT_GT(CountColour(flat, 1, 0, 0), 50) << "red eye plates";
    EXPECT_GT(CountColour(flat, 1, 1, 0), 10) << "yellow eyeballs";
    EXPECT_GT(CountColour(flat, 0, 1, 0), 5) << "green brows";
    EXPECT_GT(CountColour(flat, 0.58f, 0.48f, 0.29f, 0.3f, 0.9f), 20) << "the riders above the hat";
    // Textures take the treads' and the hat's white, and only theirs.
    EXPECT_LT(CountColour(textured, 1, 1, 1, -0.7f, -0.35f), CountColour(flat, 1, 1, 1, -0.7f, -0.35f) / 4);
    EXPECT_EQ(CountColour(textured, 1, 0, 1), CountColour(flat, 1, 0, 1));
    // Seen from behind, the body's back shows no texture.
    Picture back = DrawAlone(robot.get(), true, 180);
    EXPECT_GT(CountColour(back, 0.1f, 0.1f, 0.2f, -0.35f, -0.05f), 2000);
    EXPECT_TRUE(SavePng(dir + "/robot-back.png", back));

    GLint mode = 0, bound = -1;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(mode, GL_DECAL);
    EXPECT_EQ(bound, 0);
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE)) << "the riders leave normalisation on";
    glDisable(GL_TEXTURE_2D);
}

TEST(RobotDrawing, TheTexturesAreLoadedOnceForEveryCaller) {
    ASSERT_TRUE(EnsureGlContext());
    LoadRobotTextures();
    unsigned first[kRobotTextureCount];
    std::copy(robotTextures, robotTextures + kRobotTextureCount, first);
    for (int i = 0; i < 3; ++i) LoadRobotTextures();
    for (int i = 0; i < kRobotTextureCount; ++i) {
        EXPECT_EQ(robotTextures[i], first[i]);
        EXPECT_TRUE(glIsTexture(robotTextures[i]));
    }
}

TEST(RobotDrawing, TreadFramesChangeAt5r10rAnd15r) {
    std::unique_ptr<Robot, RobotDeleter> robot(NewRobot());
    struct Case {
        int counter;
        float rate;
        int panel, band;
    };
    const Case cases[] = {{0, 1, 1, 1},    {4, 1, 1, 1},    {5, 1, 2, 2},     {9, 1, 2, 2},
                          {10, 1, 3, 1},   {14, 1, 3, 1},   {15, 1, 4, 2},    {19, 1, 4, 2},
                          {59, 12, 1, 1},  {60, 12, 2, 2},  {179, 12, 3, 1},  {180, 12, 4, 2}};
    for (const Case& c : cases) {
        robot->treadCounter = c.counter;
        robot->treadRate = c.rate;
        EXPECT_EQ(RobotTreadPanelFrame(robot.get()), c.panel) << c.counter << " at rate " << c.rate;
        EXPECT_EQ(RobotTreadBandFrame(robot.get()), c.band) << c.counter << " at rate " << c.rate;
    }
}

// One pair of offsets for every Robot: a still Robot drawn after a shaking
// one keeps the shaking one's last offsets.
TEST(RobotDrawing, ShakeOffsetsAreSharedByEveryRobot) {
    ASSERT_TRUE(EnsureGlContext());
    SeedRandomWith(5);
    std::unique_ptr<Robot, RobotDeleter> shaking(NewRobot());
    std::unique_ptr<Robot, RobotDeleter> still(NewRobot());
    float jx = 1, jy = 1;
    GetRobotShakeOffsets(&jx, &jy);
    EXPECT_EQ(jx, 0.0f);
    EXPECT_EQ(jy, 0.0f);
    SetRobotShake(shaking.get(), 1);
    DrawAlone(shaking.get(), false);
    GetRobotShakeOffsets(&jx, &jy);
    EXPECT_LE(std::abs(jx), 0.01f);
    EXPECT_LE(std::abs(jy), 0.01f);
    EXPECT_NE(jx, 0.0f);
    float kx = 0, ky = 0;
    Picture afterShake = DrawAlone(still.get(), false);
    GetRobotShakeOffsets(&kx, &ky);
    EXPECT_EQ(kx, jx);
    EXPECT_EQ(ky, jy);
    std::unique_ptr<Robot, RobotDeleter> fresh(NewRobot());  // sets both back to 0
    Picture calm = DrawAlone(still.get(), false);
    EXPECT_NE(afterShake.rgb, calm.rgb) << "the still Robot is drawn offset";
}
