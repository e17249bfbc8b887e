// The robot creatures of a world.
#pragma once

void LoadCreatures(const char* fileName);
void UpdateCreatures();
void DrawCreatures();
void DrawCreatureMarkers(int frame, int period);
