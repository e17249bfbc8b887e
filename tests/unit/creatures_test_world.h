// Small boards and placed pibs for the shot and creature tests.
#pragma once

#include <string>
#include <vector>

struct Creature;

// A board of W by H floor cells; cells and bands are changed before loading.
struct TestBoard {
    int width, height;
    std::vector<std::vector<int>> cells;  // [x][y]
    std::vector<std::pair<int, int>> bands;  // (row, column) of the edge layout, up at load

    TestBoard(int w, int h);
    TestBoard& Cell(int x, int y, int type);
    // Raises the band on the border line x = v beside cell row y.
    TestBoard& BandOnLineX(int v, int y);
    // Raises the band on the border line y = v beside cell column x.
    TestBoard& BandOnLineY(int x, int v);
    std::string WorldText() const;
    // Writes the world file and reads its grids; also empties the shot lists.
    void Load(const std::string& name) const;
};

// Sets up pib p at (x, y, z) heading dir, its protection already over.
void PlaceTouchablePib(int p, double x, double y, double z, int dir, int upper = 0);
// Sets up pib p still under its start protection.
void PlaceProtectedPib(int p, double x, double y, double z, int dir);
void SetPibDying(int p, int dying);
int WasPibKilled(int p);

// Loads a creature file with exactly these lines (after the count).
void LoadTestCreatures(const std::string& name, const std::vector<std::string>& lines);
// The only creature loaded.
Creature* OnlyCreature();
int CountShots();
int CountBursts();
