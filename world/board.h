// The world file and the board model.
#pragma once

void ReadWorldFile(const char* fileName);
int GetBoardWidth();
int GetBoardHeight();
// The floor type of cell (x, y); -1 off the board.
int GetBoardCell(int x, int y);
