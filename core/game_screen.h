// The game screen: one view per player, the HUD strip and the minimap.
#pragma once

#include "support/view_steps.h"

void DrawGameScreen();

// The views of every active player with their dividers.
void LayoutViews(int players);
// The contents of each of several views, a step at a time.
void DrawWorldViews(const ViewSteps& steps);
void UpdatePibSparks();
void DrawDividers(int players);

void DrawPauseOverlay();
void DrawGameOverOverlay();
void DrawGetReadyOverlay();

// The colour scheme a protected pib shows on a frame: it blinks white.
int BlinkColorScheme(int p, int frame);
// Whether the get-ready picture shows at this elapsed time (once a second).
bool IsGetReadyShown(int elapsedMs);
