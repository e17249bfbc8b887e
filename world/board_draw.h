// Drawing the board: floor, exterior, poles, gems and bands.
#pragma once

void UpdateTexturingKey();
void DrawWorld();
void DrawGems(int mapMode);
void DrawPoleMarkers();
void DrawBandMapIcons();
