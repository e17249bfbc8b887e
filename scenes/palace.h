// The palace scene, first of the story.
#pragma once

void LoadPalaceTextures();
void StartPalaceScene();
int DrawPalaceSceneFrame(int width, int height);
