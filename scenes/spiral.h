// The spiral scene, last of the story.
#pragma once

void StartSpiralScene();
int DrawSpiralSceneFrame(int width, int height);
