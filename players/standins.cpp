// STAND-INS for the shots, which are not built yet.
#include "players/shots.h"

void InitShots() {}

// STAND-INS for the pibs, which are not built yet: four pibs standing at the
// origin, heading +y on the ground.
#include "players/pib.h"

double GetPibX(int) { return 0; }
double GetPibY(int) { return 0; }
int GetPibDirIndex(int) { return 0; }
int IsPibOnUpperLevel(int) { return 0; }
void AddPibScore(int) {}
