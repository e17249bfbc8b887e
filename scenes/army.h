// The army scene, second of the story.
#pragma once

void LoadArmySceneTexture();
void StartArmyScene();
int DrawArmySceneFrame(int width, int height);
