// What every story scene's frame does the same way: wait out its period on the
// game clock, set up its view and place its two lights.
#pragma once

// Waits, reading the game clock, until periodMs have passed since *lastMs;
// stores the reading there.
void WaitForScenePeriod(int* lastMs, int periodMs);

// Viewport (0, 0, w, h); a perspective of fovy degrees at aspect w / h;
// clears colour and depth; the modelview looks from the origin down -z.
// Answers 0, doing nothing, for a window with no area.
int BeginSceneView(int w, int h, float fovy, float nearClip, float farClip);

// Light 0 at (x0, 0, 500) as a point, light 1 from (x1, 0, 20) as a
// direction. Light 1's ambient is set to firstAmbient grey before its
// position and to 0.2 after; the second setting holds.
void SetSceneLights(float x0, float x1, float firstAmbient);

// Front ambient-and-diffuse colour, alpha 1.
void SetSceneMaterial(float r, float g, float b);

// One quad in the z = 0 plane from (x0, y0) to (x1, y1) carrying the whole
// of the bound texture.
void DrawSceneQuad(float x0, float y0, float x1, float y1);
