#include "creatures_test_world.h"

#include "support/helpers.h"

#include <sstream>

#include "players/creatures.h"
#include "players/pib.h"
#include "players/pib_record.h"
#include "players/shots.h"
#include "test_support.h"
#include "world/board.h"

TestBoard::TestBoard(int w, int h)
    : width(w), height(h), cells(size_t(w), std::vector<int>(size_t(h), 0)) {}

TestBoard& TestBoard::Cell(int x, int y, int type) {
    cells[size_t(x)][size_t(y)] = type;
    return *this;
}

TestBoard& TestBoard::BandOnLineX(int v, int y) {
    bands.push_back({2 * v - 1, y});
    return *this;
}

TestBoard& TestBoard::BandOnLineY(int x, int v) {
    bands.push_back({2 * x, v - 1});
    return *this;
}

namespace {
void ZeroRows(std::ostringstream& out, int rows, int columns) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) out << "0 ";
        out << "\n";
    }
}
}  // namespace

std::string TestBoard::WorldText() const {
    std::ostringstream out;
    out << width << " " << height << "\nBOARD\n";
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) out << cells[size_t(x)][size_t(y)] << " ";
        out << "\n";
    }
    out << "EXT\n";
    ZeroRows(out, width + 2, height + 2);
    out << "POLES\n";
    ZeroRows(out, width - 1, height - 1);
    out << "POLES2\n";
    ZeroRows(out, width - 1, height - 1);
    out << "0\n";
    for (const char* section : {"GEMS", "GEMS2"}) {
        out << section << "\n";
        for (int r = 0; r < 2 * width - 1; ++r) ZeroRows(out, 1, r % 2 ? height : height - 1);
    }
    out << "BANDS\n";
    for (int r = 0; r < 2 * width - 1; ++r) {
        int length = r % 2 ? height : height - 1;
        for (int c = 0; c < length; ++c) {
            bool up = false;
            for (const auto& band : bands) up = up || (band.first == r && band.second == c);
            out << (up ? 2 : 0) << " ";
        }
        out << "\n";
    }
    return out.str();
}

void TestBoard::Load(const std::string& name) const {
    std::string path = WriteTextFile(ScratchDir("board_" + name), "world.data", WorldText());
    ReadWorldGrids(path.c_str());
    ClearShots();
}

void PlaceTouchablePib(int p, double x, double y, double z, int dir, int upper) {
    InitPib(p, 0, 0, 0, x, y, z, dir);
    FindPib(p)->spawnCounter = 0;
    FindPib(p)->upper = upper;
}

void PlaceProtectedPib(int p, double x, double y, double z, int dir) {
    InitPib(p, 0, 0, 0, x, y, z, dir);
}

void SetPibDying(int p, int dying) { FindPib(p)->dying = dying; }

int WasPibKilled(int p) { return FindPib(p)->killed; }

void LoadTestCreatures(const std::string& name, const std::vector<std::string>& lines) {
    std::string text = std::to_string(lines.size()) + "\n";
    for (const auto& line : lines) text += line + "\n";
    std::string path = WriteTextFile(ScratchDir("creatures_" + name), "creatures.data", text);
    LoadCreatures(path.c_str());
}

Creature* OnlyCreature() { return GetCreatures(); }

int CountShots() {
    int n = 0;
    for (Shot* s = GetShots(); s; s = s->next) ++n;
    return n;
}

int CountBursts() {
    int n = 0;
    for (Shot* s = GetShotBursts(); s; s = s->next) ++n;
    return n;
}
