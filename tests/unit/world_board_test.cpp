#include <gtest/gtest.h>

#include "players/pib.h"
#include "world/board.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"
#include "world_test_support.h"

namespace {
// Directions of motion.
const int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;
const int kGround = 0, kUpper = 1;

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override { LoadFixtureWorld(); }
};
}  // namespace

TEST_F(BoardTest, ReadsEveryGridTransposedFromTheFile) {
    EXPECT_EQ(GetBoardWidth(), 6);
    EXPECT_EQ(GetBoardHeight(), 4);
    // Text line x holds cells (x, 0) to (x, H-1).
    EXPECT_EQ(GetBoardCell(0, 2), kRampUp0);
    EXPECT_EQ(GetBoardCell(2, 0), kBridgeAlongX);
    EXPECT_EQ(GetBoardCell(1, 1), kRampUp1);
    EXPECT_EQ(GetBoardCell(3, 0), kBridgeAlongY);
    EXPECT_EQ(GetBoardCell(3, 2), kCrate);
    EXPECT_EQ(GetBoardCell(3, 3), kSolidHidden);
    EXPECT_EQ(GetBoardCell(4, 0), kHole);
    EXPECT_EQ(GetBoardCell(5, 3), kFloor);
    // The wall ring: entry [x+1][y+1] is square (x, y).
    EXPECT_EQ(exterior[1][0], 2);
    EXPECT_EQ(exterior[7][5], 3);
    EXPECT_EQ(exterior[3][3], 0);
    // Poles of both levels at vertex (i, j).
    EXPECT_EQ(GetPole(1, 1, 1), 1);
    EXPECT_EQ(GetPole(1, 3, 1), 2);
    EXPECT_EQ(GetPole(5, 2, 1), 2);
    EXPECT_EQ(GetPole(3, 1, 1), 1);
    EXPECT_EQ(GetPole(1, 2, 2), 1);
    EXPECT_EQ(GetPole(2, 1, 2), 2);
    EXPECT_EQ(GetPole(2, 1, 0), 2) << "any level but 1 reads the upper poles";
    EXPECT_EQ(GetGemsLeft(), 4);
    EXPECT_EQ(gems[0][0].value, 1);
    EXPECT_EQ(gems[2][1].value, 2);
    EXPECT_EQ(gems2[3][0].value, 2);
    EXPECT_DOUBLE_EQ(gems[2][1].red, 1.0);
    EXPECT_EQ(gems[2][1].finder, 0);
}

TEST_F(BoardTest, BandsUpInTheFileAreListedInReadingOrderWithSurfaces) {
    ASSERT_EQ(activeBandCount, 2);
    EXPECT_EQ(activeBands[0].row, 6);
    EXPECT_EQ(activeBands[0].column, 0);
    EXPECT_EQ(activeBands[1].row, 10);
    EXPECT_EQ(activeBands[1].column, 2);
    EXPECT_NE(bands[6][0].surface, nullptr);
    EXPECT_EQ(bands[5][2].state, 1);
    EXPECT_EQ(bands[5][2].surface, nullptr);
    // Bands up in the file leave their poles as the file gives them.
    EXPECT_EQ(GetPole(3, 1, 1), 1);
    LoadFixtureWorld();
    EXPECT_EQ(activeBandCount, 2) << "a new load restarts the list";
}

TEST_F(BoardTest, QueriesOffTheBoardOrOffThePoleGrid) {
    EXPECT_EQ(GetBoardCell(-1, 0), -1);
    EXPECT_EQ(GetBoardCell(6, 0), -1);
    EXPECT_EQ(GetBoardCell(0, 4), -1);
    EXPECT_EQ(GetBoardCell(0, -1), -1);
    EXPECT_EQ(IsOnBoard(5, 3), 1);
    EXPECT_EQ(IsOnBoard(3, 5), 0);
    EXPECT_EQ(GetCellBehind(2, 0, kNorth), -1);
    EXPECT_EQ(GetCellBehind(2, 1, kNorth), kBridgeAlongX);
    EXPECT_EQ(GetCellBehind(1, 1, kEast), kFloor);
    EXPECT_EQ(GetCellBehind(0, 2, kSouth), kRaisedBlock);
    EXPECT_EQ(GetCellBehind(3, 0, kWest), kHole);
    EXPECT_EQ(GetCellBehind(0, 0, kEast), -1);
    // Pole grids hold the inner vertices only.
    EXPECT_EQ(IsPoleIndex(4, 2), 1);
    EXPECT_EQ(IsPoleIndex(5, 0), 0);
    EXPECT_EQ(IsPoleIndex(0, 3), 0);
    EXPECT_EQ(GetPole(6, 1, 1), 0);
    EXPECT_EQ(GetPole(1, 0, 2), 0);
    const int stepX[4] = {0, 1, 0, -1}, stepY[4] = {1, 0, -1, 0};
    int d = GetPibDirIndex(0);
    EXPECT_EQ(GetCellAhead(3, 1, 0), GetBoardCell(3 + stepX[d], 1 + stepY[d]));
}

TEST_F(BoardTest, EdgeLayoutPointsAndEnds) {
    EXPECT_EQ(GetEdgeRowCount(), 11);
    EXPECT_EQ(GetEdgeRowLength(0), 3);
    EXPECT_EQ(GetEdgeRowLength(1), 4);
    double x, y;
    GetEdgePoint(0, 0, &x, &y);
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, 1.0);
    GetEdgePoint(5, 2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 3.0);
    EXPECT_DOUBLE_EQ(y, 2.5);
    GetEdgePoint(10, 2, &x, &y);
    EXPECT_DOUBLE_EQ(x, 5.5);
    EXPECT_DOUBLE_EQ(y, 3.0);
    int i0, j0, i1, j1;
    GetEdgeEnds(6, 0, &i0, &j0, &i1, &j1);
    EXPECT_EQ((std::vector<int>{i0, j0, i1, j1}), (std::vector<int>{3, 1, 4, 1}));
    GetEdgeEnds(5, 2, &i0, &j0, &i1, &j1);
    EXPECT_EQ((std::vector<int>{i0, j0, i1, j1}), (std::vector<int>{3, 2, 3, 3}));
    EXPECT_EQ(IsEdgePlace(0, 2), 1);
    EXPECT_EQ(IsEdgePlace(0, 3), 0);
    EXPECT_EQ(IsEdgePlace(1, 3), 1);
    EXPECT_EQ(IsEdgePlace(1, 4), 0);
    EXPECT_EQ(IsEdgePlace(11, 0), 0);
}

TEST_F(BoardTest, MovesOffTheBoardAreBlockedForBoth) {
    for (auto blocked : {IsPibMoveBlocked, IsCreatureMoveBlocked}) {
        EXPECT_EQ(blocked(kWest, -0.001, 0.5, kGround), 1);
        EXPECT_EQ(blocked(kEast, 6.0, 0.5, kGround), 1);
        EXPECT_EQ(blocked(kNorth, 0.5, 4.0, kUpper), 1);
        EXPECT_EQ(blocked(kSouth, 0.5, -0.5, kGround), 1);
        EXPECT_EQ(blocked(kEast, 5.999, 0.5, kGround), 0) << "tested against column W-1";
    }
}

TEST_F(BoardTest, PibTestOnTheGround) {
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 0.5, 0.5, kGround), 0);   // floor
    EXPECT_EQ(IsPibMoveBlocked(kEast, 4.5, 0.5, kGround), 0);    // hole
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 2.5, 0.5, kGround), 0);   // under a bridge along x
    EXPECT_EQ(IsPibMoveBlocked(kEast, 3.5, 0.5, kGround), 0);    // under a bridge along y
    EXPECT_EQ(IsPibMoveBlocked(kEast, 1.5, 1.5, kGround), 0);    // ramp 2 from its low end
    EXPECT_EQ(IsPibMoveBlocked(kWest, 1.5, 1.5, kGround), 1);    // ... from its high end
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 1.5, 1.5, kGround), 1);   // ... from its side
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 0.5, 2.5, kGround), 0);   // ramp 1
    EXPECT_EQ(IsPibMoveBlocked(kSouth, 2.5, 3.5, kGround), 0);   // ramp 3
    EXPECT_EQ(IsPibMoveBlocked(kWest, 4.5, 1.5, kGround), 0);    // ramp 4
    EXPECT_EQ(IsPibMoveBlocked(kEast, 4.5, 1.5, kGround), 1);
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 1.5, 2.5, kGround), 1);   // raised block
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 3.5, 2.5, kGround), 1);   // crate
    EXPECT_EQ(IsPibMoveBlocked(kEast, 3.5, 3.5, kGround), 1);    // hidden solid cell
}

TEST_F(BoardTest, PibTestOnTheUpperLevel) {
    EXPECT_EQ(IsPibMoveBlocked(kSouth, 1.5, 1.5, kUpper), 0);  // any ramp, any way
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 1.5, 2.5, kUpper), 0);  // block top
    EXPECT_EQ(IsPibMoveBlocked(kEast, 2.5, 0.5, kUpper), 0);   // bridge deck
    EXPECT_EQ(IsPibMoveBlocked(kEast, 3.5, 0.5, kUpper), 0);
    EXPECT_EQ(IsPibMoveBlocked(kEast, 4.5, 0.5, kUpper), 0);   // hole
    // Floor: blocked coming off a block or a bridge, free coming off a ramp.
    EXPECT_EQ(IsPibMoveBlocked(kWest, 1.5, 0.5, kUpper), 1);   // from bridge (2,0)
    EXPECT_EQ(IsPibMoveBlocked(kEast, 2.5, 2.5, kUpper), 1);   // from block (1,2)
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 2.5, 2.5, kUpper), 1);  // from bridge (2,1)
    EXPECT_EQ(IsPibMoveBlocked(kSouth, 2.5, 2.5, kUpper), 0);  // from ramp (2,3)
    EXPECT_EQ(IsPibMoveBlocked(kEast, 1.5, 0.5, kUpper), 0);   // from floor (0,0)
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 0.5, 0.5, kUpper), 0);  // from off the board
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 3.5, 2.5, kUpper), 1);  // crate
    EXPECT_EQ(IsPibMoveBlocked(kEast, 3.5, 3.5, kUpper), 1);   // hidden solid cell
}

TEST_F(BoardTest, CreatureTestDiffersUnderBridgesAndDownRamps) {
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 2.5, 0.5, kGround), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kEast, 3.5, 0.5, kGround), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kEast, 2.5, 0.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kEast, 1.5, 1.5, kGround), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kWest, 1.5, 1.5, kGround), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kWest, 4.5, 1.5, kGround), 0);
    // On the upper level only heading -y onto ramps 2 and 4 is refused.
    EXPECT_EQ(IsCreatureMoveBlocked(kSouth, 1.5, 1.5, kUpper), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kSouth, 4.5, 1.5, kUpper), 1);
    EXPECT_EQ(IsPibMoveBlocked(kSouth, 4.5, 1.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kSouth, 2.5, 3.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 1.5, 1.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kWest, 1.5, 0.5, kUpper), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kSouth, 2.5, 2.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 1.5, 2.5, kGround), 1);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 1.5, 2.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 0.5, 0.5, kGround), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 4.5, 0.5, kUpper), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kNorth, 3.5, 2.5, kUpper), 1);
}

TEST_F(BoardTest, PibRunningIntoABandPlucksItTowardItsWay) {
    NurbsPatch* surface = bands[6][0].surface;
    ASSERT_EQ(IsNurbsPatchMoving(surface), 0);
    // At 0.02 in both axes the band is not in the way (the bridge beneath is free).
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 3.52, 0.98, kGround), 0);
    EXPECT_EQ(IsNurbsPatchMoving(surface), 0);
    EXPECT_EQ(IsPibMoveBlocked(kNorth, 3.519, 0.981, kGround), 1);
    EXPECT_EQ(IsNurbsPatchMoving(surface), 1);
    EXPECT_EQ(surface->factor, 1);
    EXPECT_EQ(IsPibMoveBlocked(kSouth, 3.5, 1.0, kUpper), 1) << "bands block both levels";
    EXPECT_EQ(surface->factor, -1);
    EXPECT_EQ(IsPibMoveBlocked(kWest, 3.5, 1.0, kGround), 1);
    EXPECT_EQ(surface->factor, 1);
    EXPECT_EQ(IsPibMoveBlocked(kEast, 3.5, 1.0, kGround), 1);
    EXPECT_EQ(surface->factor, -1);
    // A hidden band place blocks nothing.
    EXPECT_EQ(IsPibMoveBlocked(kEast, 4.0, 0.5, kGround), 0);
}

TEST_F(BoardTest, CreatureIsBlockedByABandWithoutPluckingIt) {
    NurbsPatch* surface = bands[10][2].surface;
    EXPECT_EQ(IsCreatureMoveBlocked(kEast, 5.49, 3.01, kGround), 1);
    EXPECT_EQ(IsNurbsPatchMoving(surface), 0);
    EXPECT_EQ(IsCreatureMoveBlocked(kEast, 5.53, 3.0, kGround), 0);
}
