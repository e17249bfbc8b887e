// The opening scene shown at start-up.
#pragma once

void LoadOpeningTextures();
void StartOpeningScene();
int RunOpeningScript();
void DrawOpeningFrame(int width, int height);
// Two of its pictures that the title page shows too.
unsigned GetWhitePibTexture();
unsigned GetFinalTexture();
