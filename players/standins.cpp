// STAND-INS for the shots, which are not built yet.
#include "players/shots.h"

void InitShots() {}
void ClearShots() {}
void FireShot(double, double, double, double, double, double, double, double, double, int) {}
void UpdateShots() {}
void DrawShots() {}
void DrawShotMarkers() {}
Shot* GetShots() { return nullptr; }
Shot* GetShotBursts() { return nullptr; }

// STAND-INS for the creatures, which are not built yet.
#include "players/creatures.h"

void LoadCreatures(const char*) {}
void CheckCreaturePlaces() {}
void UpdateCreatures() {}
void DrawCreatures() {}
void DrawCreatureMarkers(int, int) {}
int KillCreaturesNear(double, double, double) { return 0; }
Creature* GetCreatures() { return nullptr; }

// STAND-INS for the cameras, which are not built yet.
#include "players/camera.h"

int IsPibModelHidden(int) { return 0; }
