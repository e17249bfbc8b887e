// Broken world files: each is refused with a message that names the problem
// and exit code 1, never read into half-built grids.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"
#include "world/board.h"
#include "world/gems_bands.h"
#include "world_test_support.h"

namespace {
std::string FixtureText() {
    std::ifstream in(WorldFixture("fixture.data"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

std::string Join(const std::vector<std::string>& words, size_t count) {
    std::string text;
    for (size_t k = 0; k < count && k < words.size(); ++k) text += words[k] + (k % 7 == 6 ? "\n" : " ");
    return text;
}

size_t IndexOf(const std::vector<std::string>& words, const std::string& word) {
    for (size_t k = 0; k < words.size(); ++k)
        if (words[k] == word) return k;
    ADD_FAILURE() << word << " is not in the fixture";
    return 0;
}

// The fixture with its n-th word (from 0) replaced; an empty word removes it.
std::string WithWord(size_t n, const std::string& word) {
    std::vector<std::string> words = Words(FixtureText());
    if (word.empty()) words.erase(words.begin() + long(n));
    else words[n] = word;
    return Join(words, words.size());
}

std::string WithKeyword(const std::string& keyword, const std::string& replacement) {
    return WithWord(IndexOf(Words(FixtureText()), keyword), replacement);
}

// The fixture cut off after the keyword and that many values of its section.
std::string CutAfter(const std::string& keyword, size_t values) {
    std::vector<std::string> words = Words(FixtureText());
    return Join(words, IndexOf(words, keyword) + 1 + values);
}

struct BrokenWorld {
    const char* what;
    std::string text;
    const char* message;  // a regular expression
};

class WorldFileErrors : public ::testing::Test {
protected:
    void ExpectRefused(const std::vector<BrokenWorld>& cases) {
        // One folder per test: ctest runs them side by side.
        std::string dir = ScratchDir(std::string("world_errors_") +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        int n = 0;
        for (const BrokenWorld& c : cases) {
            SCOPED_TRACE(c.what);
            std::string path = WriteTextFile(dir, "broken" + std::to_string(n++) + ".data", c.text);
            EXPECT_EXIT_WITH_OUTPUT(ReadWorldGrids(path.c_str()), 1, c.message);
        }
    }
};
}  // namespace

TEST_F(WorldFileErrors, MissingOrUnreadableFile) {
    EXPECT_EXIT_WITH_OUTPUT(ReadWorldGrids("no-such-world.data"), 1, "^couldn't open file$");
    std::string dir = ScratchDir("world_dir");
    EXPECT_EXIT_WITH_OUTPUT(ReadWorldGrids(dir.c_str()), 1, "couldn't open file");
}

TEST_F(WorldFileErrors, SectionKeywordsMissingMisspeltOrInLowerCase) {
    ExpectRefused({
        {"board", WithKeyword("BOARD", "board"), "^Error: not ready for board$"},
        {"board missing", WithKeyword("BOARD", ""), "Error: not ready for board"},
        {"ext", WithKeyword("EXT", "ext"), "^Error: not ready for exterior$"},
        {"longer ext", WithKeyword("EXT", "EXTERIOR"), "Error: not ready for exterior"},
        {"pole", WithKeyword("POLES", "POLE"), "^Error: not ready for poles$"},
        {"poles2 missing", WithKeyword("POLES2", ""), "^Error: not ready for poles$"},
        {"poles2 lower", WithKeyword("POLES2", "poles2"), "Error: not ready for poles"},
        {"gems", WithKeyword("GEMS", "gems"), "^Error: not ready for GEMS$"},
        {"gems2", WithKeyword("GEMS2", "GEMS"), "^Error: not ready for GEMS2$"},
        {"bands", WithKeyword("BANDS", "BAND"), "^Error: not ready for BANDS$"},
        {"bands missing", CutAfter("GEMS2", 38), "Error: not ready for BANDS"},
    });
}

TEST_F(WorldFileErrors, BoardSizesOutsideOneTo256) {
    ExpectRefused({
        {"empty", "", "ends before the board width"},
        {"blank", " \r\n\t ", "ends before the board width"},
        {"width only", "6\n", "ends before the board height"},
        {"width 0", WithWord(0, "0"), "board width must be a whole number from 1 to 256, not \"0\""},
        {"width -1", WithWord(0, "-1"), "board width .* not \"-1\""},
        {"width 257", WithWord(0, "257"), "board width .* not \"257\""},
        {"width overflow", WithWord(0, "99999999999"), "board width .* not \"99999999999\""},
        {"width word", WithWord(0, "six"), "board width .* not \"six\""},
        {"width 6.0", WithWord(0, "6.0"), "board width .* not \"6.0\""},
        {"height 0", WithWord(1, "0"), "board height .* not \"0\""},
        {"height huge", WithWord(1, "2147483648"), "board height"},
        {"height missing", WithWord(1, ""), "board height .* not \"BOARD\""},
    });
}

TEST_F(WorldFileErrors, EndOfFileInsideEverySection) {
    ExpectRefused({
        {"board", CutAfter("BOARD", 5), "ends inside the BOARD section"},
        {"board keyword only", CutAfter("BOARD", 0), "ends inside the BOARD section"},
        {"ext", CutAfter("EXT", 47), "ends inside the EXT section"},
        {"poles", CutAfter("POLES", 1), "ends inside the POLES section"},
        {"poles2", CutAfter("POLES2", 14), "ends inside the POLES2 section"},
        {"gem count", CutAfter("POLES2", 15), "ends before the gem count"},
        {"gems", CutAfter("GEMS", 0), "ends inside the GEMS section"},
        {"gems2", CutAfter("GEMS2", 20), "ends inside the GEMS2 section"},
        {"bands", CutAfter("BANDS", 37), "ends inside the BANDS section"},
        {"one line", "6 4 BOARD 0 0 1", "ends inside the BOARD section"},
    });
}

TEST_F(WorldFileErrors, BadValuesOutsideTheBoard) {
    size_t poles = IndexOf(Words(FixtureText()), "POLES");
    size_t ext = IndexOf(Words(FixtureText()), "EXT");
    size_t gems2 = IndexOf(Words(FixtureText()), "GEMS2");
    size_t bands = IndexOf(Words(FixtureText()), "BANDS");
    size_t count = IndexOf(Words(FixtureText()), "GEMS") - 1;
    ExpectRefused({
        {"stray word in poles", WithWord(poles + 3, "x"), "\"x\" in the POLES section is not a number"},
        {"overflow in ext", WithWord(ext + 2, "4294967296"), "4294967296 in the EXT section is too large"},
        {"pole 3", WithWord(poles + 1, "3"), "3 in the POLES section is not one of 0 to 2"},
        {"gem -1", WithWord(gems2 + 5, "-1"), "-1 in the GEMS2 section is not one of 0 to 2"},
        {"band 5", WithWord(bands + 2, "5"), "5 in the BANDS section is not one of 0 to 2"},
        {"gem count missing", WithWord(count, ""), "gem count .* not \"GEMS\""},
        {"gem count negative", WithWord(count, "-2"), "gem count .* not \"-2\""},
        {"gem count word", WithWord(count, "four"), "gem count"},
        {"21 bands", WorldText(11, 3, [](int r, int c) { return r < 21 && c == 0 ? 2 : 0; }),
         "more than 20 bands are up"},
    });
}

TEST_F(WorldFileErrors, BoardValuesThatAreNotNumbersAreReportedPerCell) {
    size_t board = IndexOf(Words(FixtureText()), "BOARD");
    // A stray word stops every remaining cell, then the wall keyword test fails.
    ExpectRefused({{"stray word in board", WithWord(board + 21, "oops"),
                    "^(Invalid board space read in!){4}Error: not ready for exterior$"}});
    // Two values short: two messages, and the rest of the file reads on.
    std::string dir = ScratchDir("world_short_board");
    std::vector<std::string> words = Words(FixtureText());
    words.erase(words.begin() + long(board) + 23, words.begin() + long(board) + 25);
    std::string path = WriteTextFile(dir, "short.data", Join(words, words.size()));
    ::testing::internal::CaptureStdout();
    ReadWorldGrids(path.c_str());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Invalid board space read in!Invalid board space read in!");
    EXPECT_EQ(GetBoardCell(5, 2), 0);
    EXPECT_EQ(GetBoardCell(5, 3), 0);
    EXPECT_EQ(exterior[1][0], 2);
    EXPECT_EQ(activeBandCount, 2);
}

TEST_F(WorldFileErrors, LayoutOfLinesDoesNotMatter) {
    std::string dir = ScratchDir("world_layouts");
    std::string crlf;
    for (char ch : FixtureText()) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    std::vector<std::string> words = Words(FixtureText());
    std::string oneLine;
    for (const std::string& w : words) oneLine += w + "\t";
    for (const std::string& text : {crlf, oneLine}) {
        ::testing::internal::CaptureStdout();
        ReadWorldGrids(WriteTextFile(dir, "layout.data", text).c_str());
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(GetBoardCell(0, 2), kRampUp0);
        EXPECT_EQ(GetBoardCell(5, 3), kFloor);
        EXPECT_EQ(GetPole(5, 3, 1), 1);
        EXPECT_EQ(GetGemsLeft(), 4);
        EXPECT_EQ(IsBandActive(10, 2), 1);
    }
}

TEST_F(WorldFileErrors, AFloorTypeOutOfRangeIsKeptForTheFirstDrawing) {
    size_t board = IndexOf(Words(FixtureText()), "BOARD");
    std::string dir = ScratchDir("world_floor11");
    ReadWorldGrids(WriteTextFile(dir, "floor11.data", WithWord(board + 1, "11")).c_str());
    EXPECT_EQ(GetBoardCell(0, 0), 11);
    EXPECT_EQ(IsPibMoveBlocked(0, 0.5, 0.5, 0), 1);
}

TEST_F(WorldFileErrors, TheSmallestBoardsHaveEmptyPoleAndEdgeRows) {
    std::string dir = ScratchDir("world_smallest");
    ReadWorldGrids(WriteTextFile(dir, "one.data", WorldText(1, 1, [](int, int) { return 0; })).c_str());
    EXPECT_EQ(GetBoardCell(0, 0), kFloor);
    EXPECT_EQ(GetEdgeRowCount(), 1);
    EXPECT_EQ(IsPibMoveBlocked(0, 0.5, 0.99, 0), 0);
    EXPECT_EQ(PlaceBandAt(0.5, 0.5, 0), 0);
    ReadWorldGrids(WriteTextFile(dir, "strip.data", WorldText(1, 5, [](int, int) { return 1; })).c_str());
    EXPECT_EQ(IsPoleIndex(0, 0), 0);
    EXPECT_EQ(PlaceBandAt(0.5, 1.75, 0), 1) << "both ends on the outer edge: no pole to mark";
    EXPECT_EQ(IsBandActive(0, 1), 1);
}
