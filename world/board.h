// The world file and the board model: cells, poles and the move tests.
#pragma once

void ReadWorldFile(const char* fileName);
int GetBoardWidth();
int GetBoardHeight();
int IsOnBoard(int x, int y);
int IsPoleIndex(int i, int j);
// The floor type of cell (x, y); -1 off the board.
int GetBoardCell(int x, int y);
int GetPole(int i, int j, int level);
int GetCellAhead(int x, int y, int p);
int IsPibMoveBlocked(int dir, double x, double y, int upper);
int IsCreatureMoveBlocked(int dir, double x, double y, int upper);
