// STAND-INS for the scenes, which are not built yet: each ends at once, so the
// flow goes straight on to the next state.
#include "scenes/army.h"
#include "scenes/palace.h"
#include "scenes/spiral.h"

void LoadPalaceTextures() {}
void StartPalaceScene() {}
int DrawPalaceSceneFrame(int, int) { return 1; }

void LoadArmySceneTexture() {}
void StartArmyScene() {}
int DrawArmySceneFrame(int, int) { return 1; }

void StartSpiralScene() {}
int DrawSpiralSceneFrame(int, int) { return 1; }

