#include <gtest/gtest.h>

#include <cmath>

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
