// Looks for traps in a world: places a pib can walk into and never leave
// again, whatever its player does. The search drives the game's own pib
// update over the real board and bands; all it decides is whether a turn key
// is held at each corner where a turn could start.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct TrapSearchStart {
    double x, y;
    int dir;
};

enum TrapKind {
    // The pib walks back and forth past no pole it could turn at: no key
    // does anything any more.
    kGoesRound,
    // The pib can still turn, but no choice of turns ever brings it back to
    // its start cell.
    kNoWayHome,
};

struct Trap {
    TrapKind kind = kGoesRound;
    // The cell, level and heading where it goes round, or from which no way
    // leads home.
    int x = 0, y = 0, upper = 0, dir = 0;
    std::vector<std::pair<int, int>> bandsUp;  // (row, column) of every band up then
};

// Who puts bands up: this pib alone, as it comes to hidden band places, or
// also the other pibs, any band at any moment.
enum BandRaisers { kThisPibOnly, kAnyPibAnyTime };

// Every trap a pib from the start can walk into, each place once; none in a
// world without. The search starts with no band up. With kAnyPibAnyTime it
// covers every set of bands up at every moment, every band up from the start
// among them; with kThisPibOnly every set this pib's own walk puts up. A fall
// into a hole takes the pib back to its start, the bands as they are, as the
// game does after the fall; energy and creatures change no way and are left
// out. Leaves the world's grids loaded.
std::vector<Trap> FindTraps(const std::string& worldFile, const TrapSearchStart& start,
                            BandRaisers raisers);

// For a world maker: "goes round, no pole to turn at, in cell (0, 8) on the
// ground heading +x, no band up".
std::string DescribeTrap(const Trap& trap);
