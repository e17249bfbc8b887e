// The game screen: one view per player, the HUD strip and the minimap.
#pragma once

void DrawGameScreen();
