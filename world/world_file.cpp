// Reading a world file: a stream of whitespace-separated words, sections in a
// fixed order, each opened by its keyword.
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "support/helpers.h"
#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"

namespace {
struct WorldText {
    std::string text;
    size_t pos = 0;
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f'; }

// Every fault in a world file ends the program with a message on standard output.
[[noreturn]] __attribute__((format(printf, 1, 2))) void Fail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    ExitProgram(1);
}

bool ReadWholeFile(const char* file, std::string* text) {
    FILE* f = std::fopen(file, "r");
    if (!f) return false;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) text->append(chunk, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// The next word without taking it; false at the end of the text.
bool PeekWord(WorldText& in, std::string* word) {
    while (in.pos < in.text.size() && IsBlank(in.text[in.pos])) ++in.pos;
    size_t end = in.pos;
    while (end < in.text.size() && !IsBlank(in.text[end])) ++end;
    *word = in.text.substr(in.pos, end - in.pos);
    return end > in.pos;
}

void TakeWord(WorldText& in, const std::string& word) { in.pos += word.size(); }

enum class Number { Ok, NotANumber, TooLarge };

Number ParseNumber(const std::string& word, int* value) {
    const char* start = word.c_str();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(start, &end, 10);
    if (end == start || *end != '\0' || word.size() != std::strlen(start)) return Number::NotANumber;
    if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return Number::TooLarge;
    *value = int(v);
    return Number::Ok;
}

void ExpectKeyword(WorldText& in, const char* keyword, const char* message) {
    std::string word;
    if (!PeekWord(in, &word) || word != keyword) Fail("%s", message);
    TakeWord(in, word);
}

// A number that opens the file or stands between sections.
int ReadCount(WorldText& in, const char* what, int lo, int hi) {
    std::string word;
    if (!PeekWord(in, &word)) Fail("Error: the world file ends before the %s\n", what);
    int value = 0;
    if (ParseNumber(word, &value) != Number::Ok || value < lo || value > hi)
        Fail("Error: the %s must be a whole number from %d to %d, not \"%s\"\n", what, lo, hi, word.c_str());
    TakeWord(in, word);
    return value;
}

[[noreturn]] void FailAtEnd(const char* section) {
    Fail("Error: the world file ends inside the %s section\n", section);
}

[[noreturn]] void FailTooLarge(const char* section, const std::string& word) {
    Fail("Error: %s in the %s section is too large a number\n", word.c_str(), section);
}

// A board cell that is not a number is reported and left empty; the word stays
// to be read again, so a short section still finds the next keyword.
int ReadBoardValue(WorldText& in) {
    std::string word;
    if (!PeekWord(in, &word)) FailAtEnd("BOARD");
    int value = 0;
    switch (ParseNumber(word, &value)) {
        case Number::Ok: TakeWord(in, word); return value;
        case Number::TooLarge: FailTooLarge("BOARD", word);
        case Number::NotANumber: break;
    }
    std::printf("Invalid board space read in!");
    return 0;
}

// Values of every other section; maxValue < 0 means any integer.
int ReadSectionValue(WorldText& in, const char* section, int maxValue) {
    std::string word;
    if (!PeekWord(in, &word)) FailAtEnd(section);
    int value = 0;
    switch (ParseNumber(word, &value)) {
        case Number::Ok: break;
        case Number::TooLarge: FailTooLarge(section, word);
        case Number::NotANumber: Fail("Error: \"%s\" in the %s section is not a number\n", word.c_str(), section);
    }
    if (maxValue >= 0 && (value < 0 || value > maxValue))
        Fail("Error: %d in the %s section is not one of 0 to %d\n", value, section, maxValue);
    TakeWord(in, word);
    return value;
}

// Zeroed storage: no cell is ever left unset, whatever the file holds.
void* ZeroedBlock(int count, int size) {
    int bytes = count > 0 ? count * size : 1;
    void* block = CheckedAlloc(bytes);
    std::memset(block, 0, size_t(bytes));
    return block;
}

template <typename T>
T** NewGrid(int rows, int (*rowLength)(int, int), int param) {
    T** grid = static_cast<T**>(ZeroedBlock(rows, int(sizeof(T*))));
    for (int r = 0; r < rows; ++r) grid[r] = static_cast<T*>(ZeroedBlock(rowLength(r, param), int(sizeof(T))));
    return grid;
}

int FixedLength(int, int length) { return length; }
int EdgeLength(int r, int) { return GetEdgeRowLength(r); }

// Each grid is hung on its global before it is filled, so a file refused
// half-way leaves nothing that the next load cannot free.
void ReadIntGrid(WorldText& in, int**& grid, const char* keyword, const char* message, int rows,
                 int columns, int maxValue) {
    ExpectKeyword(in, keyword, message);
    grid = NewGrid<int>(rows, FixedLength, columns);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) grid[r][c] = ReadSectionValue(in, keyword, maxValue);
}

void ReadBoard(WorldText& in) {
    ExpectKeyword(in, "BOARD", "Error: not ready for board");
    board = NewGrid<int>(boardWidth, FixedLength, boardHeight);
    for (int x = 0; x < boardWidth; ++x)
        for (int y = 0; y < boardHeight; ++y) board[x][y] = ReadBoardValue(in);
}

void ReadGems(WorldText& in, GemSlot**& grid, const char* keyword) {
    std::string message = std::string("Error: not ready for ") + keyword;
    ExpectKeyword(in, keyword, message.c_str());
    grid = NewGrid<GemSlot>(GetEdgeRowCount(), EdgeLength, 0);
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            GemSlot& gem = grid[r][c];
            gem.value = ReadSectionValue(in, keyword, 2);
            gem.red = gem.green = gem.blue = 1.0;
            gem.finder = 0;
        }
    }
}

void ReadBands(WorldText& in) {
    ExpectKeyword(in, "BANDS", "Error: not ready for BANDS");
    bands = NewGrid<BandSlot>(GetEdgeRowCount(), EdgeLength, 0);
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            int state = ReadSectionValue(in, "BANDS", 2);
            bands[r][c].state = state;
            if (state == 2 && !RaiseBand(r, c))
                Fail("Error: more than %d bands are up in the BANDS section\n", kMaxActiveBands);
        }
    }
}
template <typename T>
void FreeGrid(T**& grid, int rows) {
    if (!grid) return;
    for (int r = 0; r < rows; ++r) std::free(grid[r]);
    std::free(grid);
    grid = nullptr;
}
}  // namespace

void FreeWorldGrids() {
    ForgetBoardLists();
    // Row counts follow the board's sides, which still hold the old world's
    // (or, after a refused file, those of the grids that were made).
    if (bands)
        for (int k = 0; k < activeBandCount; ++k)
            DeleteNurbsPatch(bands[activeBands[k].row][activeBands[k].column].surface);
    activeBandCount = 0;
    FreeGrid(bands, GetEdgeRowCount());
    FreeGrid(gems2, GetEdgeRowCount());
    FreeGrid(gems, GetEdgeRowCount());
    FreeGrid(poles2, boardWidth - 1);
    FreeGrid(poles, boardWidth - 1);
    FreeGrid(exterior, boardWidth + 2);
    FreeGrid(board, boardWidth);
}

void ReadWorldGrids(const char* file) {
    FreeWorldGrids();
    WorldText in;
    if (!ReadWholeFile(file, &in.text)) Fail("couldn't open file");
    boardWidth = ReadCount(in, "board width", 1, kMaxBoardSide);
    boardHeight = ReadCount(in, "board height", 1, kMaxBoardSide);
    ReadBoard(in);
    ReadIntGrid(in, exterior, "EXT", "Error: not ready for exterior", boardWidth + 2, boardHeight + 2, -1);
    ReadIntGrid(in, poles, "POLES", "Error: not ready for poles", boardWidth - 1, boardHeight - 1, 2);
    ReadIntGrid(in, poles2, "POLES2", "Error: not ready for poles", boardWidth - 1, boardHeight - 1, 2);
    gemsLeft = ReadCount(in, "gem count", 0, INT_MAX);
    ReadGems(in, gems, "GEMS");
    ReadGems(in, gems2, "GEMS2");
    ResetGemSpin();
    ReadBands(in);
}

void ReadWorldFile(const char* file) {
    ReadWorldGrids(file);
    ClearTexturingFlag();
    LoadWorldTextures();
    BuildBoardLists();
}
