// Reading creature files: the good ones, and every kind of broken one ending
// the program with a clear message and exit code 1.
#include <gtest/gtest.h>

#include <string>

#include "creatures_test_world.h"
#include "players/creatures.h"
#include "test_support.h"

namespace {

std::string CreatureFile(const std::string& name, const std::string& text) {
    return WriteTextFile(ScratchDir("creatures_file_" + name), "creatures.data", text);
}

int CountCreatures() {
    int n = 0;
    for (Creature* c = GetCreatures(); c; c = c->next) ++n;
    return n;
}

}  // namespace

TEST(CreatureFile, RecordsComeInReverseOrderWithTheirSetUp) {
    std::string path =
        CreatureFile("good", "3\n0 1.5 2.5 0.5 1\n0 3.5 0.5 1.5 2\n1 4.5 4.5 0.5 0\n");
    LoadCreatures(path.c_str());
    ASSERT_EQ(CountCreatures(), 3);
    Creature* inert = GetCreatures();
    Creature* upper = inert->next;
    Creature* ground = upper->next;
    EXPECT_EQ(inert->type, 1);
    EXPECT_EQ(inert->robot, nullptr);
    EXPECT_FLOAT_EQ(inert->x, 4.5f);

    EXPECT_EQ(ground->type, 0);
    EXPECT_FLOAT_EQ(ground->x, 1.5f);
    EXPECT_FLOAT_EQ(ground->y, 2.5f);
    EXPECT_FLOAT_EQ(ground->z, 0.5f);
    EXPECT_EQ(ground->dir, 1);
    EXPECT_EQ(ground->upper, 0);
    EXPECT_DOUBLE_EQ(ground->speed, 0.002);
    EXPECT_EQ(ground->state, kCreatureWalking);
    EXPECT_NE(ground->robot, nullptr);
    EXPECT_EQ(ground->dead + ground->climb + ground->turnCooldown + ground->attackCounter +
                  ground->hasBitten + ground->biteCounter,
              0);
    EXPECT_EQ(upper->upper, 1);
    EXPECT_EQ(upper->dir, 2);
}

TEST(CreatureFile, CountZeroBlankLinesAndReloads) {
    LoadCreatures(CreatureFile("two", "2\n0 1.5 1.5 0.5 0\n0 2.5 1.5 0.5 0\n").c_str());
    EXPECT_EQ(CountCreatures(), 2);
    LoadCreatures(CreatureFile("zero", "0\n").c_str());
    EXPECT_EQ(GetCreatures(), nullptr);
    // Blank lines, CRLF line ends and lines past the count are all fine.
    LoadCreatures(CreatureFile("loose", "\n1\r\n\n  0 1.5 1.5 0.5 3  \r\n0 9 9 9 9\n").c_str());
    ASSERT_EQ(CountCreatures(), 1);
    EXPECT_EQ(GetCreatures()->dir, 3);
}

TEST(CreatureFileDeathTest, MissingFileIsNotReady) {
    EXPECT_EXIT_WITH_OUTPUT(LoadCreatures("no-such-creatures.data"), 1,
                            "^not ready for creatures.data$");
}

TEST(CreatureFileDeathTest, BrokenFilesAreRefusedWithTheirLine) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"empty", "", "is empty"},
        {"wordcount", "many\n", "line 1: the first line must hold the number of creatures"},
        {"negative", "-1\n", "line 1: the number of creatures must be 0 to 10000"},
        {"absurd", "2000000000\n", "line 1: the number of creatures must be 0 to 10000"},
        {"short", "2\n0 1.5 1.5 0.5\n0 2.5 2.5 0.5 1\n", "line 2: expected: type x y z direction"},
        {"word", "1\n0 1.5 east 0.5 1\n", "line 2: expected: type x y z direction"},
        {"extra", "1\n0 1.5 1.5 0.5 1 4\n", "line 2: expected: type x y z direction"},
        {"direction4", "1\n0 1.5 1.5 0.5 4\n", "line 2: the direction must be 0 to 3"},
        {"directionneg", "2\n0 1.5 1.5 0.5 0\n\n0 1.5 1.5 0.5 -1\n",
         "line 4: the direction must be 0 to 3"},
        {"nan", "1\n0 nan 1.5 0.5 1\n", "line 2: the position is not a usable number"},
        {"huge", "1\n0 1.5 1e30 0.5 1\n", "line 2: the position is not a usable number"},
        {"few", "3\n0 1.5 1.5 0.5 0\n", "ends before every creature of its count is listed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = CreatureFile(c.name, c.text);
        EXPECT_EXIT_WITH_OUTPUT(LoadCreatures(path.c_str()), 1, c.message);
    }
}

TEST(CreatureFileDeathTest, CreaturesOffTheBoardAreRefusedOnceTheWorldIsRead) {
    const char* const offBoard[] = {"0 5.0 1.5 0.5 1", "0 1.5 -0.2 0.5 1", "0 1.5 3.5 0.5 0"};
    for (const char* line : offBoard) {
        SCOPED_TRACE(line);
        TestBoard(5, 3).Load("off_board");
        LoadTestCreatures("off_board", {"0 1.5 1.5 0.5 1", line});
        EXPECT_EXIT_WITH_OUTPUT(CheckCreaturePlaces(), 1, "stands off the 5 by 3 board");
    }
    // Records that take no part in the game may lie anywhere.
    TestBoard(5, 3).Load("off_board");
    LoadTestCreatures("off_board", {"1 -7.5 1.5 0.5 1", "0 4.99 2.99 0.5 2"});
    CheckCreaturePlaces();
    EXPECT_NE(GetCreatures(), nullptr);
}
