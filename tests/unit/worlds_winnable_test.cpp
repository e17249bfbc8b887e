// Every shipped world can be won under the real rules: two pibs that turn at
// random wherever a free pole lets them, fire now and then, put up bands as
// they pass, meet the creatures, die and come back, find every gem.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/frame.h"
#include "core/keys.h"
#include "core/play.h"
#include "game_test_support.h"
#include "support/helpers.h"
#include "test_support.h"
#include "world/board.h"
#include "world/gems_bands.h"

namespace {

const long kMaxTicks = 3000000;  // about two and a half hours of play
const int kChoiceEveryTicks = 30;

struct PlayerKeys {
    int left, right, fire;  // GLUT codes: special keys for player 1, letters for player 2
    bool special;
};
const PlayerKeys kKeys[2] = {{GLUT_KEY_LEFT, GLUT_KEY_RIGHT, GLUT_KEY_UP, true},
                             {'z', 'c', 'x', false}};

void Hold(const PlayerKeys& k, int key, bool down) {
    if (k.special) down ? SpecialDown(key, 0, 0) : SpecialUp(key, 0, 0);
    else down ? KeyboardDown((unsigned char)key, 0, 0) : KeyboardUp((unsigned char)key, 0, 0);
}

// Holds left, right or neither, and fire or not, for the next stretch.
void ChooseKeys(std::mt19937& rng) {
    for (const PlayerKeys& k : kKeys) {
        int turn = int(rng() % 3);
        Hold(k, k.left, turn == 0);
        Hold(k, k.right, turn == 1);
        Hold(k, k.fire, rng() % 4 == 0);
    }
}

// "ground (r, c)" for every gem still hidden.
std::string HiddenGems() {
    std::string out;
    for (int level = 0; level < 2; ++level)
        for (int r = 0; r < 2 * boardWidth - 1; ++r)
            for (int c = 0; c < (r % 2 ? boardHeight : boardHeight - 1); ++c)
                if ((level ? gems2 : gems)[r][c].value == 1)
                    out += std::string(level ? " upper (" : " ground (") + std::to_string(r) +
                           ", " + std::to_string(c) + ")";
    return out;
}

class Winnable : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { ASSERT_TRUE(EnsureGlContext()); }
    void TearDown() override {
        ClearKeyStates();
        UseRealClock();
        ResetToTitle();
    }
};

TEST_P(Winnable, TwoPibsTurningAtRandomFindEveryGem) {
    int world = GetParam();
    LoadGameAt(world, 2, 1000);
    gameState = kStatePlay;
    SeedRandomWith(unsigned(world) * 31u);
    std::mt19937 rng{unsigned(world)};
    long tick = 0;
    for (; tick < kMaxTicks && GetGemsLeft() > 0; ++tick) {
        if (tick % kChoiceEveryTicks == 0) ChooseKeys(rng);
        PlayTick();
    }
    EXPECT_EQ(GetGemsLeft(), 0) << "world " << world << " after " << tick << " ticks, hidden:"
                                << HiddenGems();
}

INSTANTIATE_TEST_SUITE_P(EveryWorld, Winnable, ::testing::Values(1, 2, 3));

}  // namespace
