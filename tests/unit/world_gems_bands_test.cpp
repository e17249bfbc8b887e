#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/pib.h"
#include "test_support.h"
#include "world/board.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"
#include "world_test_support.h"

namespace {
const int kNorth = 0, kEast = 1, kWest = 3;

std::vector<int> GroundPoles() {
    std::vector<int> all;
    for (int i = 1; i < GetBoardWidth(); ++i)
        for (int j = 1; j < GetBoardHeight(); ++j) all.push_back(GetPole(i, j, 1));
    return all;
}

void ExpectOnlyPolesChanged(const std::vector<int>& before, std::vector<std::pair<int, int>> changed) {
    std::vector<int> expected = before;
    for (auto [i, j] : changed) expected[(i - 1) * (GetBoardHeight() - 1) + (j - 1)] = 2;
    EXPECT_EQ(GroundPoles(), expected);
}

class GemsAndBandsTest : public ::testing::Test {
protected:
    void SetUp() override { LoadFixtureWorld(); }
};
}  // namespace

TEST_F(GemsAndBandsTest, AGemIsFoundCloserThanFourHundredthsInBothAxes) {
    EXPECT_EQ(DiscoverGemsAt(1, 0.5, 1.04, 0), 0);
    EXPECT_EQ(DiscoverGemsAt(1, 0.54, 1.0, 0), 0);
    EXPECT_EQ(gems[0][0].value, 1);
    EXPECT_EQ(GetGemsLeft(), 4);
    int score = GetPibScore(1);
    EXPECT_EQ(DiscoverGemsAt(1, 0.53, 0.97, 0), 1);
    EXPECT_EQ(GetPibScore(1), score + 1);
    EXPECT_EQ(gems[0][0].value, 2);
    EXPECT_EQ(gems[0][0].finder, 1);
    EXPECT_DOUBLE_EQ(gems[0][0].red, 0.9);
    EXPECT_DOUBLE_EQ(gems[0][0].green, 0.1);
    EXPECT_DOUBLE_EQ(gems[0][0].blue, 0.1);
    EXPECT_EQ(GetGemsLeft(), 3);
    // A second pib on the same spot finds nothing more.
    EXPECT_EQ(DiscoverGemsAt(2, 0.5, 1.0, 0), 0);
    EXPECT_EQ(gems[0][0].finder, 1);
    EXPECT_EQ(GetGemsLeft(), 3);
    EXPECT_EQ(GetPibScore(1), score + 1);
}

TEST_F(GemsAndBandsTest, EachLevelFindsOnlyItsOwnGems) {
    // Place (1, 2) holds a hidden gem on both levels.
    EXPECT_EQ(DiscoverGemsAt(3, 1.0, 2.5, 1), 1);
    EXPECT_EQ(gems2[1][2].value, 2);
    EXPECT_EQ(gems[1][2].value, 1);
    EXPECT_DOUBLE_EQ(gems2[1][2].blue, 0.9);
    EXPECT_EQ(DiscoverGemsAt(0, 1.0, 2.5, 1), 0);
    EXPECT_EQ(DiscoverGemsAt(0, 1.0, 2.5, 0), 1);
    EXPECT_EQ(gems[1][2].finder, 0);
    EXPECT_DOUBLE_EQ(gems[1][2].green, 0.5);
    // An upper gem is never found from the ground.
    EXPECT_EQ(DiscoverGemsAt(0, 0.5, 2.0, 0), 0);
    EXPECT_EQ(gems2[0][1].value, 1);
}

TEST_F(GemsAndBandsTest, MoreHiddenGemsThanTheCountStillEndAtZero) {
    // The fixture hides five gems but counts four.
    const double spots[5][3] = {{0.5, 1, 0}, {1, 2.5, 0}, {2.5, 3, 0}, {0.5, 2, 1}, {1, 2.5, 1}};
    for (auto& s : spots) EXPECT_EQ(DiscoverGemsAt(2, s[0], s[1], int(s[2])), 1);
    EXPECT_EQ(GetGemsLeft(), 0);
}

TEST_F(GemsAndBandsTest, GemColourForAMissingPibIsRefused) {
    ::testing::internal::CaptureStdout();
    SetGemColor(&gems[0][0], 4);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "gem discovered by pib that doesn't exist: 4\n");
    EXPECT_DOUBLE_EQ(gems[0][0].red, 1.0);
    EXPECT_DOUBLE_EQ(gems[0][0].green, 1.0);
    SetGemColor(&gems[0][0], 2);
    EXPECT_DOUBLE_EQ(gems[0][0].red, 0.9);
    EXPECT_DOUBLE_EQ(gems[0][0].green, 0.9);
}

TEST_F(GemsAndBandsTest, ABandGoesUpAheadAndUsesTheGroundPolesAtItsEnds) {
    std::vector<int> before = GroundPoles();
    std::vector<int> upperBefore;
    for (int i = 1; i < 6; ++i)
        for (int j = 1; j < 4; ++j) upperBefore.push_back(GetPole(i, j, 2));
    EXPECT_EQ(PlaceBandAt(3.30, 2.5, kWest), 0) << "0.05 short of the place";
    EXPECT_EQ(PlaceBandAt(3.27, 2.5, kNorth), 0) << "looks ahead, not aside";
    EXPECT_EQ(PlaceBandAt(3.27, 2.5, kWest), 1);
    EXPECT_EQ(bands[5][2].state, 2);
    ASSERT_NE(bands[5][2].surface, nullptr);
    EXPECT_EQ(IsNurbsPatchMoving(bands[5][2].surface), 0);
    ASSERT_EQ(activeBandCount, 3);
    EXPECT_EQ(activeBands[2].row, 5);
    EXPECT_EQ(activeBands[2].column, 2);
    ExpectOnlyPolesChanged(before, {{3, 2}, {3, 3}});
    std::vector<int> upperAfter;
    for (int i = 1; i < 6; ++i)
        for (int j = 1; j < 4; ++j) upperAfter.push_back(GetPole(i, j, 2));
    EXPECT_EQ(upperAfter, upperBefore);
    // The pib's next move test finds the band in its way.
    EXPECT_EQ(IsPibMoveBlocked(kWest, 3.01, 2.5, 0), 1);
    EXPECT_EQ(IsNurbsPatchMoving(bands[5][2].surface), 1);
    EXPECT_EQ(PlaceBandAt(3.27, 2.5, kWest), 0) << "a band that is up stays as it is";
    EXPECT_EQ(activeBandCount, 3);
}

TEST_F(GemsAndBandsTest, ABandOnTheOuterEdgeUsesOnlyItsInnerPole) {
    std::vector<int> before = GroundPoles();
    EXPECT_EQ(PlaceBandAt(3.73, 0.5, kEast), 1);
    EXPECT_EQ(bands[7][0].state, 2);
    ExpectOnlyPolesChanged(before, {{4, 1}});
}

TEST_F(GemsAndBandsTest, IsBandActiveAnswersOnlyForPlacesThatAreUp) {
    EXPECT_EQ(IsBandActive(6, 0), 1);
    EXPECT_EQ(IsBandActive(10, 2), 1);
    EXPECT_EQ(IsBandActive(5, 2), 0);
    EXPECT_EQ(IsBandActive(0, 0), 0);
    EXPECT_EQ(IsBandActive(6, 3), 0) << "even rows hold H-1 places";
    for (int r = 0; r < 11; ++r) EXPECT_EQ(IsBandActive(r, 4), 0);
    EXPECT_EQ(IsBandActive(-1, 0), 0);
    EXPECT_EQ(IsBandActive(11, 0), 0);
    EXPECT_EQ(IsBandActive(6, -1), 0);
}

TEST_F(GemsAndBandsTest, UpdateBandsStepsEveryActiveBandOnce) {
    NurbsPatch* a = bands[6][0].surface;
    NurbsPatch* b = bands[10][2].surface;
    StrikeNurbsPatch(a, 1);
    for (int k = 0; k < 197; ++k) UpdateBands();
    EXPECT_EQ(IsNurbsPatchMoving(a), 1);
    EXPECT_FLOAT_EQ(a->time, 197.0f);
    EXPECT_FLOAT_EQ(b->time, 10197.0f);
    EXPECT_EQ(IsNurbsPatchMoving(b), 0);
    UpdateBands();
    EXPECT_EQ(IsNurbsPatchMoving(a), 0);
}

TEST(BandBound, PlayNeverRaisesMoreThanTwentyBands) {
    // 20 bands up in the file and one hidden place left.
    std::string dir = ScratchDir("band_bound");
    std::string text = WorldText(11, 3, [](int r, int c) { return r < 20 && c == 0 ? 2 : (r == 20 && c == 1 ? 1 : 0); });
    ReadWorldGrids(WriteTextFile(dir, "full.data", text).c_str());
    ASSERT_EQ(activeBandCount, 20);
    double x, y;
    GetEdgePoint(20, 1, &x, &y);
    EXPECT_EQ(PlaceBandAt(x, y - 0.25, kNorth), 0);
    EXPECT_EQ(bands[20][1].state, 1);
    EXPECT_EQ(bands[20][1].surface, nullptr);
    EXPECT_EQ(activeBandCount, 20);
    EXPECT_EQ(IsPibMoveBlocked(kNorth, x, y, 0), 0);
}
