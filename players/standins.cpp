// STAND-INS for the cameras, which are not built yet.
#include "players/camera.h"

int IsPibModelHidden(int) { return 0; }
