// Shared by the world tests: the fixture world and worlds made on the spot.
#pragma once
#include <GL/glu.h>

#include <functional>
#include <sstream>
#include <string>

#include "world/board.h"
#include "world/gems_bands.h"

inline std::string WorldFixture(const std::string& name) {
    return std::string(PIB_FIXTURES_DIR) + "/world/" + name;
}

// Reads the 6 by 4 fixture world (grids only, no OpenGL).
inline void LoadFixtureWorld() { ReadWorldGrids(WorldFixture("fixture.data").c_str()); }

// The text of a W by H world of plain floor inside a wall ring, a free pole at
// every inner vertex, no gems, and band states from bandAt(r, c).
inline std::string WorldText(int w, int h, const std::function<int(int, int)>& bandAt) {
    std::ostringstream out;
    auto grid = [&](const char* keyword, int rows, const std::function<int(int)>& length,
                    const std::function<int(int, int)>& value) {
        out << keyword << "\n";
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < length(r); ++c) out << value(r, c) << " ";
            out << "\n";
        }
    };
    auto fixed = [](int n) { return [n](int) { return n; }; };
    auto edge = [h](int r) { return r % 2 == 0 ? h - 1 : h; };
    auto zero = [](int, int) { return 0; };
    out << w << "\n" << h << "\n";
    grid("BOARD", w, fixed(h), zero);
    grid("EXT", w + 2, fixed(h + 2), [&](int r, int c) { return r == 0 || c == 0 || r == w + 1 || c == h + 1; });
    grid("POLES", w - 1, fixed(h - 1), [](int, int) { return 1; });
    grid("POLES2", w - 1, fixed(h - 1), zero);
    out << 0 << "\n";
    grid("GEMS", 2 * w - 1, edge, zero);
    grid("GEMS2", 2 * w - 1, edge, zero);
    grid("BANDS", 2 * w - 1, edge, bandAt);
    return out.str();
}

// A slanted view of a size by size square from beyond the board's lower left
// corner.
inline void ViewBoardFromCorner(int size) {
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(50, 1, 0.1, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    double w = GetBoardWidth(), h = GetBoardHeight();
    gluLookAt(-2, -3, 6, w / 2, h / 2, 0, 0, 0, 1);
}

// Finds every gem of the loaded world and puts every band up.
inline void FindEveryGemAndRaiseEveryBand() {
    for (int r = 0; r < GetEdgeRowCount(); ++r)
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            double x, y;
            GetEdgePoint(r, c, &x, &y);
            DiscoverGemsAt(r % 4, x, y, 0);
            DiscoverGemsAt(r % 4, x, y, 1);
            if (bands[r][c].state == 1) RaiseBand(r, c);
        }
}
