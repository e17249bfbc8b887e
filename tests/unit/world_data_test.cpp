// The three worlds the game ships: start cells, gem and band counts, ramps
// that join the levels, the wall ring, poles to turn at, reachable gems.
#include <gtest/gtest.h>

#include <queue>
#include <set>
#include <string>
#include <tuple>

#include "world/board.h"
#include "world/gems_bands.h"

namespace {
struct Start {
    double x, y;
    int dir;
};
struct ShippedWorld {
    const char* file;
    int minWidth, minHeight;
    Start starts[4];
};
// The start positions and directions the world load puts the pibs at.
const ShippedWorld kWorlds[3] = {
    {"world.data", 10, 10, {{0.5, 0.5, 0}, {0.5, 9.5, 1}, {8.5, 7.5, 2}, {9.5, 0.5, 0}}},
    {"world2.data", 10, 9, {{3.5, 5.5, 0}, {3.5, 8.5, 1}, {9.5, 8.5, 2}, {9.5, 4.5, 3}}},
    {"world3.data", 7, 7, {{3.5, 4.5, 3}, {4.5, 6.5, 0}, {6.5, 5.5, 1}, {5.5, 3.5, 2}}},
};
const int kStepX[4] = {0, 1, 0, -1}, kStepY[4] = {1, 0, -1, 0};

bool IsRampCell(int cell) { return cell >= kRampUp0 && cell <= kRampUp3; }
bool IsUpperSurface(int cell) { return cell >= kRampUp0 && cell <= kBridgeAlongY; }
bool IsGroundWalkable(int cell) {
    return cell == kFloor || cell == kHole || cell == kBridgeAlongX || cell == kBridgeAlongY;
}

void LoadShipped(const ShippedWorld& w) {
    ReadWorldGrids((std::string(PIB_DATA_DIR) + "/" + w.file).c_str());
}

// Every (cell, level) a pib can walk to from pib 0's start, with turns anywhere
// and holes avoided: ground into a ramp's low end climbs, off a ramp onto
// floor comes down.
std::set<std::tuple<int, int, int>> Reachable(const Start& s) {
    std::set<std::tuple<int, int, int>> seen;
    std::queue<std::tuple<int, int, int>> open;
    open.push({int(s.x), int(s.y), 0});
    seen.insert(open.front());
    while (!open.empty()) {
        auto [x, y, upper] = open.front();
        open.pop();
        for (int d = 0; d < 4; ++d) {
            int nx = x + kStepX[d], ny = y + kStepY[d];
            int cell = GetBoardCell(nx, ny);
            if (cell == kHole || IsPibMoveBlocked(d, nx + 0.5, ny + 0.5, upper)) continue;
            int level = upper;
            if (!upper && IsRampCell(cell)) level = 1;
            if (upper && cell == kFloor && IsRampCell(GetBoardCell(x, y))) level = 0;
            if (seen.insert({nx, ny, level}).second) open.push({nx, ny, level});
        }
    }
    return seen;
}

void EdgeCells(int r, int c, int* x0, int* y0, int* x1, int* y1) {
    if (r % 2 == 0) {
        *x0 = *x1 = r / 2;
        *y0 = c;
        *y1 = c + 1;
    } else {
        *x0 = (r - 1) / 2;
        *x1 = (r + 1) / 2;
        *y0 = *y1 = c;
    }
}

class ShippedWorlds : public ::testing::TestWithParam<int> {
protected:
    const ShippedWorld& World() { return kWorlds[GetParam()]; }
    void SetUp() override { LoadShipped(World()); }
};
}  // namespace

TEST_P(ShippedWorlds, SizeStartsAndWallRing) {
    int w = GetBoardWidth(), h = GetBoardHeight();
    EXPECT_GE(w, World().minWidth);
    EXPECT_GE(h, World().minHeight);
    for (const Start& s : World().starts) {
        int x = int(s.x), y = int(s.y);
        EXPECT_EQ(GetBoardCell(x, y), kFloor) << "start " << s.x << "," << s.y;
        EXPECT_EQ(GetBoardCell(x + kStepX[s.dir], y + kStepY[s.dir]), kFloor) << "ahead of " << s.x << "," << s.y;
    }
    for (int x = -1; x <= w; ++x) {
        for (int y = -1; y <= h; ++y) {
            bool ring = x == -1 || y == -1 || x == w || y == h;
            EXPECT_EQ(exterior[x + 1][y + 1] != 0, ring) << "square " << x << "," << y;
        }
    }
}

TEST_P(ShippedWorlds, GemCountMatchesTheHiddenGemsAndBandsAreWithinBounds) {
    int hidden = 0, places = 0;
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            hidden += (gems[r][c].value == 1) + (gems2[r][c].value == 1);
            EXPECT_NE(gems[r][c].value, 2);
            EXPECT_NE(gems2[r][c].value, 2);
            places += bands[r][c].state == 1;
        }
    }
    EXPECT_EQ(GetGemsLeft(), hidden);
    EXPECT_GE(hidden, 10);
    EXPECT_LE(hidden, 25);
    EXPECT_GE(places, 5);
    EXPECT_LE(places, 12);
    EXPECT_EQ(activeBandCount, 0);
}

TEST_P(ShippedWorlds, RampsJoinTheGroundToABlockOrADeckEnd) {
    for (int x = 0; x < GetBoardWidth(); ++x) {
        for (int y = 0; y < GetBoardHeight(); ++y) {
            int cell = GetBoardCell(x, y);
            SCOPED_TRACE(::testing::Message() << "cell " << x << "," << y);
            if (IsRampCell(cell)) {
                int d = cell - kRampUp0;
                int high = GetBoardCell(x + kStepX[d], y + kStepY[d]);
                int low = GetBoardCell(x - kStepX[d], y - kStepY[d]);
                int deck = d % 2 == 0 ? kBridgeAlongY : kBridgeAlongX;
                EXPECT_TRUE(high == kRaisedBlock || high == deck) << "high end " << high;
                EXPECT_EQ(low, kFloor);
            }
            if (cell == kBridgeAlongX || cell == kBridgeAlongY) {
                // Each open end of a deck leads on to more deck, a block, or a
                // ramp that rises toward it.
                int along = cell == kBridgeAlongX ? 1 : 0;
                for (int d : {along, along + 2}) {
                    int next = GetBoardCell(x + kStepX[d], y + kStepY[d]);
                    EXPECT_TRUE(next == cell || next == kRaisedBlock || next == kRampUp0 + (d + 2) % 4)
                        << "deck end toward " << d << " meets " << next;
                }
            }
        }
    }
}

TEST_P(ShippedWorlds, PolesToTurnAtOnBothLevels) {
    int inner = 0, ground = 0, upper = 0;
    for (int i = 1; i < GetBoardWidth(); ++i) {
        for (int j = 1; j < GetBoardHeight(); ++j) {
            ++inner;
            int around[4] = {GetBoardCell(i - 1, j - 1), GetBoardCell(i, j - 1), GetBoardCell(i - 1, j),
                             GetBoardCell(i, j)};
            if (GetPole(i, j, 1) == 1) {
                // A turn swings through the cells around the pole: at most one
                // of them may be in the way.
                ++ground;
                int walkable = 0;
                for (int cell : around) walkable += IsGroundWalkable(cell);
                EXPECT_GE(walkable, 3) << "ground pole " << i << "," << j;
            }
            if (GetPole(i, j, 2) == 1) {
                ++upper;
                for (int cell : around) EXPECT_TRUE(cell >= kRaisedBlock && cell <= kBridgeAlongY);
            }
        }
    }
    EXPECT_GE(ground * 4, inner * 3) << "free ground poles at three quarters of the vertices or more";
    EXPECT_GE(upper, 1);
}

TEST_P(ShippedWorlds, EveryGemAndBandPlaceCanBeReached) {
    auto reach = Reachable(World().starts[0]);
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            int x0, y0, x1, y1;
            EdgeCells(r, c, &x0, &y0, &x1, &y1);
            SCOPED_TRACE(::testing::Message() << "place " << r << "," << c);
            if (gems[r][c].value == 1) {
                EXPECT_TRUE(reach.count({x0, y0, 0}) && reach.count({x1, y1, 0}));
            }
            if (gems2[r][c].value == 1) {
                EXPECT_TRUE(IsUpperSurface(GetBoardCell(x0, y0)) && IsUpperSurface(GetBoardCell(x1, y1)));
                EXPECT_TRUE(reach.count({x0, y0, 1}) && reach.count({x1, y1, 1}));
            }
            if (bands[r][c].state == 1) {
                EXPECT_EQ(GetBoardCell(x0, y0), kFloor);
                EXPECT_EQ(GetBoardCell(x1, y1), kFloor);
                EXPECT_TRUE(reach.count({x0, y0, 0}));
            }
        }
    }
    for (const Start& s : World().starts) EXPECT_TRUE(reach.count({int(s.x), int(s.y), 0}));
}

INSTANTIATE_TEST_SUITE_P(World, ShippedWorlds, ::testing::Values(0, 1, 2));

TEST(ShippedWorldSet, TogetherTheyUseEveryFloorType) {
    std::set<int> used;
    for (const ShippedWorld& w : kWorlds) {
        LoadShipped(w);
        for (int x = 0; x < GetBoardWidth(); ++x)
            for (int y = 0; y < GetBoardHeight(); ++y) used.insert(GetBoardCell(x, y));
    }
    EXPECT_EQ(used, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}
