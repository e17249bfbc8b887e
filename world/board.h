// The board of the world being played: cells, poles and the move tests.
#pragma once

int GetBoardWidth();
int GetBoardHeight();
int IsPoleIndex(int i, int j);
int GetBoardCell(int x, int y);
int GetPole(int i, int j, int level);
int GetCellAhead(int x, int y, int p);
int IsPibMoveBlocked(int dir, double x, double y, int upper);
int IsOnBoard(int x, int y);
int IsCreatureMoveBlocked(int dir, double x, double y, int upper);
