// Small drawings that several pictures share.
#pragma once
#include "canvas.h"

// A bunny's head seen from the front: round face, two tall ears, eyes and a
// nose. widen stretches it across, for pictures that are shown squeezed.
void DrawBunnyHead(Canvas& c, float cx, float cy, float radius, Rgba fur, float widen = 1);

// A cut gem: a flat-topped outline split into lit and shaded facets.
void DrawGemShape(Canvas& c, float cx, float cy, float halfWidth, float halfHeight, Rgba tint);

// A night-sky gradient with scattered stars.
void PaintNightSky(Canvas& c, Rgba bottom, Rgba top, uint32_t seed);
