// No shipped world has a trap: a place a pib can walk into and never leave,
// whatever its player does. The search (trap_search.h) walks a pib under the
// game's own tick from each start, branching at every corner where a turn
// could start, with every set of bands up that the pibs can put up between
// them: none, all, those its own walk puts up, and any band going up at any
// moment behind its back.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/play.h"
#include "pib_test_world.h"
#include "trap_search.h"

namespace {

const int kNorth = 0;

std::string Listed(const std::vector<Trap>& traps) {
    std::string out;
    for (const Trap& trap : traps) out += "\n  " + DescribeTrap(trap);
    return out;
}

class ShippedWorldTraps : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ShippedWorldTraps, NoStartLeadsIntoATrapWhateverBandsGoUp) {
    int world = std::get<0>(GetParam()), p = std::get<1>(GetParam());
    TrapSearchStart start;
    GetPibStart(world, p, &start.x, &start.y, &start.dir);
    std::string file = std::string(PIB_DATA_DIR) + "/" + GetWorldFile(world);
    std::vector<Trap> traps = FindTraps(file, start, kAnyPibAnyTime);
    EXPECT_TRUE(traps.empty()) << GetWorldFile(world) << " from pib " << p << "'s start:"
                               << Listed(traps);
}

INSTANTIATE_TEST_SUITE_P(EveryStart, ShippedWorldTraps,
                         ::testing::Combine(::testing::Values(1, 2, 3),
                                            ::testing::Values(0, 1, 2, 3)));

// Small worlds of floor built on the spot, a free pole at every corner, each
// searched from (0.5, 0.5) heading +y.
struct PocketCase {
    const char* what;
    int w, h;
    void (*make)(pibtest::World& w);
    BandRaisers raisers;
    int traps;  // how many the search must find
    TrapKind kind;
    int x0, y0, x1, y1;  // the first one's cell lies in this box
    int bands;           // with this many bands up
};

// The board's edge on one side, a crate on the other: a pib walking up the
// first column that turns right at the crate's corner goes back and forth in
// cell (0, 3) for ever.
void CrateBesideTheEdge(pibtest::World& w) { w.cells[1][3] = kCrate; }

// A hidden band place across the border of cell (0, 2) with the second
// column: the pib that turns into that cell puts the band up in front of
// itself, between it and the rest of the board.
void BandBesideTheEdge(pibtest::World& w) { w.bands[pibtest::AlongYRow(0)][2] = 1; }

// That pocket, a row further up, with a hole in it: the pib falls and starts again.
void HoleInThePocket(pibtest::World& w) {
    w.cells[1][4] = kCrate;
    w.cells[0][4] = kHole;
}

// A walled room of four cells beside a ramp: a pib that turns as it starts up
// the ramp steps off its side into the room, and from the ground there is no
// way back into a ramp's side. Inside, it can still turn about the room's
// middle pole.
void RoomBesideARamp(pibtest::World& w) {
    w.cells[3][2] = kRampUp1;
    w.cells[4][2] = kRaisedBlock;
    for (auto [x, y] : {std::pair{2, 3}, {2, 4}, {5, 3}, {5, 4}, {3, 5}, {4, 5}})
        w.cells[x][y] = kCrate;
}

// A corridor along the third row, from the board's edge to a crate, whose
// one free pole is the way in. A band on the row above uses that pole up: a
// pib in the corridor cannot reach it, but another pib can.
void CorridorWithOnePole(pibtest::World& w) {
    w.cells[4][2] = kCrate;
    for (int i = 1; i <= 4; ++i) w.poles[i - 1][1] = w.poles[i - 1][2] = 0;
    w.poles[1][2] = 1;  // (2, 3)
    w.bands[pibtest::AlongYRow(1)][3] = 1;  // between (1, 3) and (2, 3)
}

const PocketCase kPocketCases[] = {
    {"the board's edge and a crate make a pocket", 5, 4, CrateBesideTheEdge, kThisPibOnly, 1, kGoesRound,
     0, 3, 0, 3, 0},
    {"a band the pib puts up itself walls the pocket", 6, 5, BandBesideTheEdge, kThisPibOnly, 1,
     kGoesRound, 0, 2, 0, 2, 1},
    {"a hole in the pocket takes the pib back to its start", 6, 5, HoleInThePocket,
     kAnyPibAnyTime, 0, kGoesRound, 0, 0, 0, 0, 0},
    {"a room the pib can turn in but never leave", 8, 8, RoomBesideARamp, kThisPibOnly, 1,
     kNoWayHome, 3, 3, 4, 4, 0},
    {"alone, the pib never uses up the corridor's pole while in it", 7, 5, CorridorWithOnePole,
     kThisPibOnly, 0, kGoesRound, 0, 0, 0, 0, 0},
    {"another pib's band does, and the corridor has no corner left", 7, 5, CorridorWithOnePole,
     kAnyPibAnyTime, 1, kGoesRound, 0, 2, 3, 2, 1},
};

TEST(TrapSearch, PocketsOfBandsHolesRoomsAndOtherPibsBands) {
    for (const PocketCase& c : kPocketCases) {
        SCOPED_TRACE(c.what);
        pibtest::World w(c.w, c.h);
        c.make(w);
        std::vector<Trap> traps = FindTraps(w.Write(), {0.5, 0.5, kNorth}, c.raisers);
        ASSERT_EQ(int(traps.size()), c.traps) << Listed(traps);
        if (c.traps == 0) continue;
        const Trap& trap = traps[0];
        EXPECT_EQ(trap.kind, c.kind) << Listed(traps);
        EXPECT_TRUE(trap.x >= c.x0 && trap.x <= c.x1 && trap.y >= c.y0 && trap.y <= c.y1)
            << Listed(traps);
        EXPECT_EQ(int(trap.bandsUp.size()), c.bands) << Listed(traps);
    }
}

}  // namespace
