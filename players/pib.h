// The pibs: one record per player and the queries the rest of the game asks.
#pragma once

double GetPibX(int p);
double GetPibY(int p);
int GetPibDirIndex(int p);
int IsPibOnUpperLevel(int p);
void AddPibScore(int p);
