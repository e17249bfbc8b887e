// Shared by the world tests: the fixture world and a quick way to load it.
#pragma once
#include <string>

#include "world/board.h"

inline std::string WorldFixture(const std::string& name) {
    return std::string(PIB_FIXTURES_DIR) + "/world/" + name;
}

// Reads the 6 by 4 fixture world (grids only, no OpenGL).
inline void LoadFixtureWorld() { ReadWorldGrids(WorldFixture("fixture.data").c_str()); }
