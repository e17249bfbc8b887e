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
