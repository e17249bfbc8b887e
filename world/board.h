// The board of one game: the floor grid, the wall ring around it, the poles on
// two levels, gem and band places on the cell borders, and the questions every
// moving thing asks of it. A world load replaces all of it.
#pragma once

struct GemSlot;
struct BandSlot;

// Largest board side a world file may give.
const int kMaxBoardSide = 256;

enum FloorType {
    kFloor = 0,
    kRampUp0 = 1,  // rises toward +y; kRampUp0 + d rises toward direction d
    kRampUp1 = 2,
    kRampUp2 = 3,
    kRampUp3 = 4,
    kRaisedBlock = 5,
    kBridgeAlongX = 6,
    kBridgeAlongY = 7,
    kCrate = 8,
    kSolidHidden = 9,
    kHole = 10,
    kOffBoard = -1
};

// One step in each direction 0 to 3 (+y, +x, -y, -x).
constexpr int kDirStepX[4] = {0, 1, 0, -1};
constexpr int kDirStepY[4] = {1, 0, -1, 0};

// The ramp types that rise and that fall along direction dir.
inline int RampRisingToward(int dir) { return kRampUp0 + (dir & 3); }
inline int RampFallingToward(int dir) { return kRampUp0 + ((dir + 2) & 3); }

// Grids are arrays of row pointers; board[x][y] is cell (x, y).
extern int boardWidth;
extern int boardHeight;
extern int** board;
extern int** exterior;  // [x+1][y+1] for squares x in -1..W, y in -1..H
extern int** poles;     // ground level, [i-1][j-1] for inner vertex (i, j)
extern int** poles2;    // upper level

// Reads a world file, builds every grid, then loads the world textures and
// the board's display lists (needs a GL context).
void ReadWorldFile(const char* file);
// The same without anything that needs OpenGL: grids, gems, bands. The
// previous world's grids and band surfaces are freed first.
void ReadWorldGrids(const char* file);
// Frees every grid and band surface and leaves the grid pointers null.
void FreeWorldGrids();

int GetBoardWidth();
int GetBoardHeight();
int IsOnBoard(int x, int y);
int IsPoleIndex(int i, int j);
int GetBoardCell(int x, int y);
// level 1 is the ground; any other level reads the upper poles.
int GetPole(int i, int j, int level);
int GetCellBehind(int x, int y, int dir);
int GetCellAhead(int x, int y, int p);

// 1 when a mover heading in dir may not go on at (x, y) on its level.
// The pib's test plucks a band it runs into.
int IsPibMoveBlocked(int dir, double x, double y, int upper);
int IsCreatureMoveBlocked(int dir, double x, double y, int upper);

// The edge layout shared by the gem and band grids: rows 0 to 2W-2, each place
// the middle of an inner border between two cells.
int GetEdgeRowCount();
int GetEdgeRowLength(int r);
int IsEdgePlace(int r, int c);
void GetEdgePoint(int r, int c, double* x, double* y);
// The two vertices at the ends of the border of place (r, c).
void GetEdgeEnds(int r, int c, int* i0, int* j0, int* i1, int* j1);
