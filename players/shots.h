// Shots and impact bursts.
#pragma once

void InitShots();
// Empties the lists of shots and impact bursts (every world load).
void ClearShots();
void UpdateShots();
void DrawShots();
void DrawShotMarkers();
