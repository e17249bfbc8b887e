// The bound by which a Bunny out of view is not sent: it must hold every
// piece the figure draws in every pose the game gives it, or a figure at a
// view's edge pops in (its ears first).
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_draw_parts.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "figures/bunny_scene_rows.h"
#include "test_support.h"

namespace {

// Feedback mode hands back every vertex the figure sends, transformed: with
// an orthographic box of +-kBox round the origin and kPixels across, window
// coordinates turn back into figure units.
const float kBox = 8;
const int kPixels = 1600;

struct Extent {
    float farthest = 0;  // from the body position
    int vertices = 0;
};

Extent MeasureExtent(Bunny* b) {
    std::vector<GLfloat> buffer(1 << 20);
    glViewport(0, 0, kPixels, kPixels);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kBox, kBox, -kBox, kBox, -kBox, kBox);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    SetBunnyPartLists(0);  // Mesa's feedback mode falls over on display lists
    DrawBunny(b);
    SetBunnyPartLists(1);
    int n = glRenderMode(GL_RENDER);
    EXPECT_GT(n, 0) << "the feedback buffer overflowed";
    const float* f = b->field;
    Extent e;
    auto vertex = [&](const GLfloat* v) {
        float x = v[0] / kPixels * 2 * kBox - kBox, y = v[1] / kPixels * 2 * kBox - kBox;
        float z = -(2 * v[2] - 1) * kBox;
        float dx = x - f[kBodyPosX], dy = y - f[kBodyPosY], dz = z - f[kBodyPosZ];
        e.farthest = std::max(e.farthest, std::sqrt(dx * dx + dy * dy + dz * dz));
        ++e.vertices;
    };
    for (int i = 0; i < n;) {
        GLfloat token = buffer[i++];
        int count = 0;
        if (token == GL_POLYGON_TOKEN) count = int(buffer[i++]);
        else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) count = 2;
        else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                 token == GL_COPY_PIXEL_TOKEN) count = 1;
        else if (token == GL_PASS_THROUGH_TOKEN) { ++i; continue; }
        for (int k = 0; k < count; ++k, i += 3) vertex(&buffer[i]);
    }
    return e;
}

class BunnyReachTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        LoadBunnyTextures();
    }
    void TearDown() override {
        for (Bunny* b : made) DeleteBunny(b);
    }
    // Every piece an outfit can add, and a gun in each hand.
    Bunny* Dressed() {
        Bunny* b = made.emplace_back(NewBunny(2, 1));
        SetBunnyGlasses(b, 1), SetBunnyFaceMark(b, 1), SetBunnyWhiskers(b, 1);
        b->gunFlag[0] = b->gunFlag[1] = 1;
        b->field[kGunScale] = b->field[kGunScale + 1] = 1;
        return b;
    }
    std::vector<Bunny*> made;
};

void Settle(Bunny* b, BunnyPose pose) {
    pose(b, 1);
    TickBunnyAnimation(b);
}

}  // namespace

// Every in-game pose, the opening's flips and the death set with the
// scenes' copies, with arms out and guns grown: nothing sent lies beyond
// the bound, and the bound is never much more than the farthest piece.
TEST_F(BunnyReachTest, HoldsEveryPieceInEveryPose) {
    std::vector<BunnyPose> poses = {
        PoseRest, PoseTremble, PoseRightArmOut, PoseLeftArmOut, PoseLeanLeft, PoseLeanRight,
        PoseDuck, PoseRecoil, PoseCrouch, PoseJump, PoseHalfFlip, PoseFullFlip,
        PoseRightArmFire, PoseLeftArmFire, PoseRightArmRaise, PoseClimbLean, PoseDescendLean,
        PoseDuckLeanLeft, PoseDuckLeanRight, PoseOpeningJump, PoseOpeningHalfFlip,
        PoseOpeningFullFlip, PoseFlinch, PoseEyesWide, PoseEarsForward, PoseShudderA,
        PoseBurnTilt, PoseBurnSpin1, PoseBurnSpin3, PoseBurnStagger, PoseBurnSway,
        PoseBurnCollapse, PoseBurnCollapsePalace, PoseBurnCollapseOpening, PosePeekUp,
        PosePeekTurnA, PoseHopFly, PoseHopReach, PoseWaveUp, PoseOpeningSlide,
    };
    float widest = 0, loosest = 0;
    for (size_t i = 0; i < poses.size(); ++i) {
        SCOPED_TRACE(i);
        Bunny* b = Dressed();
        Settle(b, PoseRightArmOut), Settle(b, PoseLeftArmOut);
        Settle(b, poses[i]);
        Extent e = MeasureExtent(b);
        ASSERT_GT(e.vertices, 1000);
        EXPECT_LE(e.farthest, BunnyReach(b));
        widest = std::max(widest, e.farthest);
        loosest = std::max(loosest, BunnyReach(b));
    }
    EXPECT_GT(widest, 1.3f) << "the ears reach further than the old 1.2";
    EXPECT_LT(loosest, widest + 0.1f) << "so loose that it would hardly cull";
}

// A figure below the view with only its ear tips in it is drawn; one wholly
// outside is not sent.
TEST_F(BunnyReachTest, EarTipsAtTheEdgeShowAndAFigureOutsideIsNotSent) {
    const int size = 200;
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, 0, 1, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 1);
    Bunny* b = made.emplace_back(NewBunny(0, 0));
    // Rest ear tips stand about 1.32 above the body: 0.1 of them shows.
    b->field[kBodyPosY] = -1.22f;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    EXPECT_TRUE(BunnyInView(b));
    DrawBunny(b);
    ReadBack shot = ReadBackBuffer(0, 0, size, size);
    int lit = 0;
    for (size_t k = 0; k < shot.rgb.size(); k += 3) lit += shot.rgb[k] | shot.rgb[k + 1] | shot.rgb[k + 2] ? 1 : 0;
    EXPECT_GT(lit, 40) << "the ear tips show";
    b->field[kBodyPosY] = -3;
    EXPECT_FALSE(BunnyInView(b));
    b->field[kBodyPosY] = 0.5f, b->field[kBodyPosX] = 3;
    EXPECT_FALSE(BunnyInView(b));
}
