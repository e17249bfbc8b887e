// STAND-INS for the board, gems and bands, which are not built yet: an empty
// 1 by 1 board.
#include "world/board.h"
#include "world/gems.h"

int GetBoardWidth() { return 1; }
int GetBoardHeight() { return 1; }
int IsPoleIndex(int, int) { return 0; }
int GetBoardCell(int x, int y) { return x == 0 && y == 0 ? 0 : -1; }
int GetPole(int, int, int) { return 0; }
int GetCellAhead(int, int, int) { return -1; }
int IsPibMoveBlocked(int, double x, double y, int) { return x < 0 || y < 0 || x >= 1 || y >= 1; }
int GetGemsLeft() { return 1; }
void DiscoverGems(int) {}
void PlaceBand(int) {}
int IsOnBoard(int x, int y) { return x == 0 && y == 0; }
int IsCreatureMoveBlocked(int, double x, double y, int) { return x < 0 || y < 0 || x >= 1 || y >= 1; }
int IsBandActive(int, int) { return 0; }
