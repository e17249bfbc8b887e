#include "world/board.h"

#include <cmath>

#include "players/pib.h"
#include "players/pib_record.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"

int boardWidth = 0;
int boardHeight = 0;
int** board = nullptr;
int** exterior = nullptr;
int** poles = nullptr;
int** poles2 = nullptr;

namespace {
// A band blocks a probe point closer than this in both axes.
const double kBandReach = 0.02;

bool IsOffBoardPoint(double x, double y) {
    return x < 0 || y < 0 || x >= boardWidth || y >= boardHeight;
}

// The band that is up within reach of (x, y). Band places lie at least 0.5
// apart, so at most one can be this close; the short list of bands that are up
// is enough to look through.
BandSlot* FindBandAt(double x, double y) {
    for (int k = 0; k < activeBandCount; ++k) {
        const ActiveBand& up = activeBands[k];
        double px, py;
        GetEdgePoint(up.row, up.column, &px, &py);
        if (std::fabs(px - x) < kBandReach && std::fabs(py - y) < kBandReach) return &bands[up.row][up.column];
    }
    return nullptr;
}

bool IsRamp(int cell) { return cell >= kRampUp0 && cell <= kRampUp3; }
bool IsRaisedSurface(int cell) { return cell >= kRaisedBlock && cell <= kBridgeAlongY; }
bool IsBridge(int cell) { return cell == kBridgeAlongX || cell == kBridgeAlongY; }
}  // namespace

int GetBoardWidth() { return boardWidth; }
int GetBoardHeight() { return boardHeight; }

int IsOnBoard(int x, int y) { return x >= 0 && x < boardWidth && y >= 0 && y < boardHeight; }

int IsPoleIndex(int i, int j) { return i >= 0 && i < boardWidth - 1 && j >= 0 && j < boardHeight - 1; }

int GetBoardCell(int x, int y) { return board && IsOnBoard(x, y) ? board[x][y] : kOffBoard; }

int GetPole(int i, int j, int level) {
    int** grid = level == 1 ? poles : poles2;
    return grid && IsPoleIndex(i - 1, j - 1) ? grid[i - 1][j - 1] : 0;
}

int GetCellBehind(int x, int y, int dir) {
    if (dir < 0 || dir > 3) return kOffBoard;
    return GetBoardCell(x - kDirStepX[dir], y - kDirStepY[dir]);
}

int GetCellAhead(int x, int y, int p) {
    int dir = GetPibDirIndex(p);
    if (dir < 0 || dir > 3) return kOffBoard;
    return GetBoardCell(x + kDirStepX[dir], y + kDirStepY[dir]);
}

namespace {
// The rules by floor type that pibs and creatures share, once the edge of the
// board, the bands and each mover's own rules have had their say.
int IsCellBlocked(int dir, double x, double y, int upper) {
    int cell = GetBoardCell(int(x), int(y));
    if (upper) {
        if (IsRamp(cell) || IsRaisedSurface(cell)) return 0;
        // No stepping down off a block or a bridge deck onto floor.
        if (cell == kFloor) return IsRaisedSurface(GetCellBehind(int(x), int(y), dir));
        return cell == kHole ? 0 : 1;
    }
    if (cell == kFloor || cell == kHole || IsBridge(cell)) return 0;  // under a deck
    return cell == RampRisingToward(dir) ? 0 : 1;  // a ramp only from its low end
}
}  // namespace

int IsPibMoveBlocked(int dir, double x, double y, int upper) {
    if (IsOffBoardPoint(x, y)) return 1;
    if (BandSlot* band = FindBandAt(x, y)) {
        // The band bulges the way the pib was going.
        if (band->surface) StrikeNurbsPatch(band->surface, dir == 0 || dir == 3 ? 1 : -1);
        return 1;
    }
    return IsCellBlocked(dir, x, y, upper);
}

int IsCreatureMoveBlocked(int dir, double x, double y, int upper) {
    if (IsOffBoardPoint(x, y) || FindBandAt(x, y)) return 1;
    int cell = GetBoardCell(int(x), int(y));
    if (!upper && IsBridge(cell)) return 1;  // creatures do not pass under bridges
    if (upper && dir == 2 && (cell == kRampUp1 || cell == kRampUp3)) return 1;
    return IsCellBlocked(dir, x, y, upper);
}

int GetEdgeRowCount() { return boardWidth > 0 ? 2 * boardWidth - 1 : 0; }

int GetEdgeRowLength(int r) { return r % 2 == 0 ? boardHeight - 1 : boardHeight; }

int IsEdgePlace(int r, int c) {
    return r >= 0 && r < GetEdgeRowCount() && c >= 0 && c < GetEdgeRowLength(r);
}

void GetEdgePoint(int r, int c, double* x, double* y) {
    *x = (r + 1) / 2.0;
    *y = r % 2 == 0 ? c + 1.0 : c + 0.5;
}

void GetEdgeEnds(int r, int c, int* i0, int* j0, int* i1, int* j1) {
    if (r % 2 == 0) {
        *i0 = r / 2;
        *j0 = c + 1;
        *i1 = r / 2 + 1;
        *j1 = c + 1;
    } else {
        *i0 = (r + 1) / 2;
        *j0 = c;
        *i1 = (r + 1) / 2;
        *j1 = c + 1;
    }
}
