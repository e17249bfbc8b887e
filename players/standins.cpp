// STAND-INS for the shots, which are not built yet.
#include "players/shots.h"

void InitShots() {}
