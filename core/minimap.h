// The map of the board in a corner of the game screen.
#pragma once

void DrawMinimap();
void DrawMinimapPlayers();
void DrawMinimapGems();
void DrawMinimapArrow();

// A protected pib's arrow blinks: shown on frames 3 to 7 of eight while its
// spawn counter is below 500, on frames 4 to 7 after that.
bool IsMinimapArrowShown(bool isProtected, int spawnCounter, int frame);
// The arrow's turn about z: the heading's quarter, swung by a running turn.
double MinimapArrowAngle(int dir, int turnState, double turnAngle);
