// The game screen: one view per player, the HUD strip and the minimap.
#pragma once

void DrawGameScreen();

// The views of every active player with their dividers.
void LayoutViews(int players);
void DrawWorldView();
void UpdatePibSparks();
void DrawDividers(int players);

void DrawPauseOverlay();
void DrawGameOverOverlay();
void DrawGetReadyOverlay();

// The colour scheme a protected pib shows on a frame: it blinks white.
int BlinkColorScheme(int p, int frame);
// Whether the get-ready picture shows at this elapsed time (once a second).
bool IsGetReadyShown(int elapsedMs);
