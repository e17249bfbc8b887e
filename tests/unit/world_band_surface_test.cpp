#include <gtest/gtest.h>

#include <cmath>

#include <GL/glu.h>

#include "test_support.h"
#include "world/nurbs_patch.h"

namespace {
float InnerHeight(const NurbsPatch* p) { return p->controlPoints[1][2][1]; }
float OuterHeight(const NurbsPatch* p) { return p->controlPoints[3][1][1]; }

int CountMovingUpdates(NurbsPatch* patch) {
    int n = 0;
    while (IsNurbsPatchMoving(patch) && n < 10000) {
        UpdateNurbsPatch(patch);
        ++n;
    }
    return n;
}
}  // namespace

TEST(BandSurface, ANewPatchRestsFlatOverTheControlNet) {
    NurbsPatch* patch = CreateNurbsPatch();
    ASSERT_NE(patch->renderer, nullptr);
    EXPECT_EQ(IsNurbsPatchMoving(patch), 0);
    EXPECT_FLOAT_EQ(patch->controlPoints[0][0][0], -0.525f);
    EXPECT_FLOAT_EQ(patch->controlPoints[3][3][2], 0.525f);
    UpdateNurbsPatch(patch);
    EXPECT_FLOAT_EQ(patch->time, 10001.0f) << "time runs at rest too";
    EXPECT_EQ(InnerHeight(patch), 0.0f);
}

TEST(BandSurface, APluckSwingsTheInnerRowsTowardItsSide) {
    NurbsPatch* patch = CreateNurbsPatch();
    StrikeNurbsPatch(patch, -1);
    EXPECT_EQ(IsNurbsPatchMoving(patch), 1);
    UpdateNurbsPatch(patch);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(patch->controlPoints[i][j][1], 0.0f);
    UpdateNurbsPatch(patch);
    EXPECT_NEAR(InnerHeight(patch), -(0.796 * std::sin(0.08)), 1e-6);
    EXPECT_NEAR(InnerHeight(patch), -0.0636, 1e-4);
    EXPECT_EQ(OuterHeight(patch), 0.0f);
    EXPECT_EQ(patch->controlPoints[1][0][1], patch->controlPoints[2][3][1]);
}

TEST(BandSurface, OnePluckMovesItFor198Updates) {
    NurbsPatch* patch = CreateNurbsPatch();
    StrikeNurbsPatch(patch, 1);
    EXPECT_EQ(CountMovingUpdates(patch), 198);
    // The last heights stay in the net until the next pluck.
    float left = InnerHeight(patch);
    UpdateNurbsPatch(patch);
    EXPECT_EQ(InnerHeight(patch), left);
    // A pluck while it moves starts the wobble over with the new side.
    StrikeNurbsPatch(patch, 1);
    for (int k = 0; k < 50; ++k) UpdateNurbsPatch(patch);
    StrikeNurbsPatch(patch, -1);
    EXPECT_FLOAT_EQ(patch->time, 0.0f);
    EXPECT_EQ(patch->factor, -1);
    EXPECT_EQ(CountMovingUpdates(patch), 198);
}

// How many vertices one draw of a wobbling band sends, seen from eyeZ along
// the band's normal with the band filling a 600 x 450 window.
namespace {
int BandVerticesSeenFrom(float eyeY) {
    EXPECT_TRUE(EnsureGlContext());
    NurbsPatch* patch = CreateNurbsPatch();
    StrikeNurbsPatch(patch, 1);
    for (int i = 0; i < 20; ++i) UpdateNurbsPatch(patch);
    glViewport(0, 0, 600, 450);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 600.0 / 450.0, 0.01, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.05, eyeY, 0.05, 0, 0, 0, 0, 0, 1);
    static GLfloat feedback[1 << 20];
    glFeedbackBuffer(1 << 20, GL_3D, feedback);
    glRenderMode(GL_FEEDBACK);
    DrawNurbsPatch(patch);
    int values = glRenderMode(GL_RENDER);
    DeleteNurbsPatch(patch);
    int vertices = 0;
    for (int i = 0; i < values;) {
        int token = int(feedback[i++]);
        int n = token == GL_POLYGON_TOKEN ? int(feedback[i++]) : token == GL_POINT_TOKEN ? 1
                : token == GL_PASS_THROUGH_TOKEN ? 0 : 2;
        if (token == GL_PASS_THROUGH_TOKEN) ++i;
        vertices += n;
        i += n * 3;
    }
    return vertices;
}

}  // namespace

// A pib that ducks beside a band puts its camera almost on the sheet: the
// surface must not be cut finer the nearer the eye comes (it once took
// seconds a frame).
TEST(BandSurface, AWobblingBandCostsTheSameFromAfarAndFromUpClose) {
    int far = BandVerticesSeenFrom(3.0f);
    int close = BandVerticesSeenFrom(0.02f);
    EXPECT_GT(far, 0);
    EXPECT_LE(close, 2 * far) << "far " << far << ", close " << close;
}
