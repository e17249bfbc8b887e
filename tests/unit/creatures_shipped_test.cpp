// The three creature files the game ships, each against its own world.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "creatures_test_world.h"
#include "players/creatures.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/helpers.h"
#include "world/board.h"

namespace {

struct ShippedWorld {
    const char* world;
    const char* creatures;
    double starts[4][2];  // the pibs' start places in that world
};

const ShippedWorld kWorlds[3] = {
    {"world.data", "creatures.data", {{0.5, 0.5}, {0.5, 9.5}, {8.5, 7.5}, {9.5, 0.5}}},
    {"world2.data", "creatures2.data", {{3.5, 5.5}, {3.5, 8.5}, {9.5, 8.5}, {9.5, 4.5}}},
    {"world3.data", "creatures3.data", {{3.5, 4.5}, {4.5, 6.5}, {6.5, 5.5}, {5.5, 3.5}}},
};

// Cells, counted along the grid, that keep a creature clear of a start: a pib
// walks five cells during its protection, a creature two.
const int kStartClearance = 4;

std::string DataFile(const char* name) { return std::string(PIB_DATA_DIR) + "/" + name; }

void LoadShipped(const ShippedWorld& w) {
    ReadWorldGrids(DataFile(w.world).c_str());
    LoadCreatures(DataFile(w.creatures).c_str());
    CheckCreaturePlaces();
    ClearShots();
}

bool IsUpperCell(int cell) { return cell >= 5 && cell <= 7; }

int CountCreatures(int* upper) {
    int n = 0;
    *upper = 0;
    for (Creature* c = GetCreatures(); c; c = c->next) {
        ++n;
        *upper += c->upper;
    }
    return n;
}

}  // namespace

TEST(ShippedCreatures, StandAtCellCentresTheyCanWalkClearOfTheStarts) {
    for (const ShippedWorld& w : kWorlds) {
        SCOPED_TRACE(w.creatures);
        LoadShipped(w);
        for (Creature* c = GetCreatures(); c; c = c->next) {
            SCOPED_TRACE(testing::Message() << "creature at " << c->x << ", " << c->y);
            EXPECT_EQ(c->type, 0);
            EXPECT_EQ(c->x - std::floor(c->x), 0.5f);
            EXPECT_EQ(c->y - std::floor(c->y), 0.5f);
            int cell = GetBoardCell(int(c->x), int(c->y));
            if (c->upper) {
                EXPECT_FLOAT_EQ(c->z, 1.5f);
                EXPECT_TRUE(IsUpperCell(cell)) << "cell " << cell;
            } else {
                EXPECT_FLOAT_EQ(c->z, 0.5f);
                EXPECT_EQ(cell, 0);
            }
            int free = 0;
            for (int d = 0; d < 4; ++d) {
                double px = c->x + 0.51 * (d == 1 ? 1 : d == 3 ? -1 : 0);
                double py = c->y + 0.51 * (d == 0 ? 1 : d == 2 ? -1 : 0);
                free += !IsCreatureMoveBlocked(d, px, py, c->upper);
            }
            EXPECT_GE(free, 1) << "boxed in from the start";
            for (const auto& start : w.starts) {
                double cells = std::fabs(start[0] - c->x) + std::fabs(start[1] - c->y);
                EXPECT_GE(cells, kStartClearance) << "near the start " << start[0] << ", "
                                                  << start[1];
            }
        }
    }
}

TEST(ShippedCreatures, HarderWorldsHoldMoreCreaturesAndMoreUpThere) {
    int previous = 0, previousUpper = 0;
    for (const ShippedWorld& w : kWorlds) {
        SCOPED_TRACE(w.creatures);
        LoadShipped(w);
        int upper = 0;
        int n = CountCreatures(&upper);
        EXPECT_GT(n, previous);
        EXPECT_GT(upper, previousUpper);
        EXPECT_LT(upper, n) << "some patrol the ground";
        previous = n;
        previousUpper = upper;
    }
}

// A long patrol on every shipped world: the creatures get about, keep to the
// cells of their level and never leave the board. World 2's creature on its
// raised block of four may keep to it (one seed in six), one that never walks visits one.
TEST(ShippedCreatures, PatrolsKeepToWalkableCells) {
    for (const ShippedWorld& w : kWorlds) {
        SCOPED_TRACE(w.creatures);
        LoadShipped(w);
        SeedRandomWith(2024);  // after the load: every new Robot seeds the generator from the clock
        SetPlayerCount(1);
        PlaceProtectedPib(0, w.starts[0][0], w.starts[0][1], 0.5, 0);
        SeedRandomWith(2024);  // after the pib: its new figure reseeds from the time
        std::map<Creature*, std::set<int>> visited;
        for (int tick = 0; tick < 30000; ++tick) {
            UpdateCreatures();
            for (Creature* c = GetCreatures(); c; c = c->next) {
                int cell = GetBoardCell(int(c->x), int(c->y));
                visited[c].insert(int(c->x) * 1000 + int(c->y));
                ASSERT_TRUE(cell == 0 || (cell >= 1 && cell <= 7) || cell == 10)
                    << "tick " << tick << ": cell " << cell << " at " << c->x << ", " << c->y;
                if (!c->upper && c->climb == 0) {
                    ASSERT_FALSE(IsUpperCell(cell))
                        << "tick " << tick << ": on the ground in cell " << cell << " at "
                        << c->x << ", " << c->y;
                }
                ASSERT_GE(c->z, 0.5f);
                ASSERT_LE(c->z, 1.5f);
            }
        }
        for (const auto& entry : visited) EXPECT_GE(entry.second.size(), 4u) << "a patrol";
    }
}
