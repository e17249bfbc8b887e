// Shared by the pib tests: small worlds built in code, a pib placed by hand,
// ticks driven one by one, and the sound cues that reach the scheduler.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "core/keys.h"
#include "players/pib.h"
#include "players/pib_record.h"
#include "players/shots.h"
#include "sound/sound.h"
#include "test_support.h"
#include "world/board.h"

namespace pibtest {

// A scratch folder of the running test's own: ctest runs tests side by side.
inline std::string TestScratchDir(const std::string& what) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "pib";
    return ScratchDir(what + "-" + name);
}

// Player 0 plays on the keys of the second keyboard slot: z left, c right,
// x fire.
const int kLeftKey = 'z', kRightKey = 'c', kFireKey = 'x';

// A W by H world of floor cells; every grid can be changed before Load.
struct World {
    int w, h;
    std::vector<std::vector<int>> cells;           // [x][y]
    std::vector<std::vector<int>> poles, poles2;   // [i-1][j-1]
    std::vector<std::vector<int>> gems, gems2, bands;  // edge layout [r][c]
    int gemCount = 9;

    World(int width, int height, int pole = 1)
        : w(width), h(height), cells(width, std::vector<int>(height, 0)),
          poles(width - 1, std::vector<int>(height - 1, pole)),
          poles2(width - 1, std::vector<int>(height - 1, 0)),
          gems(EdgeGrid()), gems2(EdgeGrid()), bands(EdgeGrid()) {}

    std::vector<std::vector<int>> EdgeGrid() const {
        std::vector<std::vector<int>> g;
        for (int r = 0; r < 2 * w - 1; r++) g.emplace_back(r % 2 ? h : h - 1, 0);
        return g;
    }

    static void Rows(std::ostringstream& out, const std::vector<std::vector<int>>& grid) {
        for (const auto& row : grid) {
            for (int v : row) out << v << ' ';
            out << '\n';
        }
    }

    // Writes the world file into the running test's scratch folder; answers
    // its path.
    std::string Write() const {
        std::ostringstream out;
        out << w << '\n' << h << "\nBOARD\n";
        Rows(out, cells);
        out << "EXT\n";
        Rows(out, std::vector<std::vector<int>>(w + 2, std::vector<int>(h + 2, 0)));
        out << "POLES\n";
        Rows(out, poles);
        out << "POLES2\n";
        Rows(out, poles2);
        out << gemCount << "\nGEMS\n";
        Rows(out, gems);
        out << "GEMS2\n";
        Rows(out, gems2);
        out << "BANDS\n";
        Rows(out, bands);
        return WriteTextFile(TestScratchDir("pib_world"), "world.data", out.str());
    }

    void Load() const { ReadWorldGrids(Write().c_str()); }
};

// The border between cell (x, y) and (x, y + 1), and between (x, y) and
// (x + 1, y), as places of the edge layout.
inline int AlongXRow(int x) { return 2 * x; }
inline int AlongYRow(int x) { return 2 * x + 1; }

inline void ReleaseAllKeys() { ClearKeyStates(); }
// A key press posts a redisplay, which needs GLUT set up.
inline void Hold(int key) {
    ASSERT_TRUE(EnsureGlContext());
    KeyboardDown((unsigned char)key, 0, 0);
}
inline void Release(int key) { KeyboardUp((unsigned char)key, 0, 0); }

// Sets pib 0 up for a game of `players` at (x, y) heading dir, unprotected
// unless asked, so tests see the plain rules.
inline Pib& PlacePib(double x, double y, int dir, int players = 1) {
    ReleaseAllKeys();
    SetPlayerCount(players);
    InitPib(0, kLeftKey, kRightKey, kFireKey, x, y, 0.5, dir);
    return *FindPib(0);
}

// Ticks until the condition holds; answers the number of ticks run, or -1
// when it did not hold within the limit.
template <typename Condition>
int TickUntil(Condition done, int limit = 20000) {
    for (int n = 1; n <= limit; n++) {
        UpdatePib(0);
        if (done()) return n;
    }
    return -1;
}

inline void Ticks(int n) {
    for (int i = 0; i < n; i++) UpdatePib(0);
}

// Records the cues that reach the scheduler. A process makes its samples
// once, from the first folder it loads them in: the game's sound data, as
// every other test that plays a sound loads it.
class SoundLog {
public:
    SoundLog() {
        static bool loaded = false;
        if (!loaded) {
            char here[4096];
            if (getcwd(here, sizeof here) && chdir(PIB_DATA_DIR) == 0) {
                StartTestSound();
                if (chdir(here) != 0) ADD_FAILURE() << "cannot return to " << here;
            }
            loaded = true;
        }
        RecordSoundCues(&cues_);
    }
    ~SoundLog() { RecordSoundCues(nullptr); }

    int Count(const std::string& file) const {
        int n = 0;
        for (const auto& cue : cues_)
            if (cue.file == file && cue.action == kSoundPlay) n++;
        return n;
    }
    void Clear() { cues_.clear(); }

private:
    std::vector<SoundCueRecord> cues_;
};

inline int CountShots() {
    int n = 0;
    for (Shot* s = GetShots(); s; s = s->next) n++;
    return n;
}

}  // namespace pibtest
