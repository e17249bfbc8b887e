#include "motifs.h"

#include <algorithm>
#include <cmath>

void DrawBunnyHead(Canvas& c, float cx, float cy, float radius, Rgba fur, float widen) {
    float r = radius;
    Rgba inner = Mix(fur, Colour(1.0f, 0.55f, 0.65f), 0.6f);
    Rgba dark = Colour(0.08f, 0.05f, 0.1f);
    for (int side = -1; side <= 1; side += 2) {
        float ex = cx + side * 0.45f * r * widen;
        FillEllipse(c, ex, cy + 1.15f * r, 0.28f * r * widen, 0.8f * r, fur);
        FillEllipse(c, ex, cy + 1.15f * r, 0.13f * r * widen, 0.6f * r, inner);
    }
    FillEllipse(c, cx, cy, r * widen, 0.85f * r, fur);
    for (int side = -1; side <= 1; side += 2) {
        FillEllipse(c, cx + side * 0.38f * r * widen, cy + 0.12f * r, 0.13f * r * widen, 0.16f * r, dark);
        FillEllipse(c, cx + side * 0.34f * r * widen, cy + 0.18f * r, 0.05f * r * widen, 0.05f * r,
                    Grey(1));
    }
    FillEllipse(c, cx, cy - 0.18f * r, 0.12f * r * widen, 0.08f * r, inner);
    FillEllipse(c, cx - 0.6f * r * widen, cy - 0.25f * r, 0.16f * r * widen, 0.09f * r,
                Mix(fur, inner, 0.5f));
    FillEllipse(c, cx + 0.6f * r * widen, cy - 0.25f * r, 0.16f * r * widen, 0.09f * r,
                Mix(fur, inner, 0.5f));
}

void DrawGemShape(Canvas& c, float cx, float cy, float hw, float hh, Rgba tint) {
    Point bottom{cx, cy - hh};
    Point tl{cx - hw, cy + 0.35f * hh}, tr{cx + hw, cy + 0.35f * hh};
    Point crownL{cx - 0.5f * hw, cy + hh}, crownR{cx + 0.5f * hw, cy + hh};
    Point girdle{cx, cy + 0.35f * hh};
    Rgba light = Mix(tint, Grey(1), 0.6f), mid = tint, dark = Scale(tint, 0.55f);
    FillPolygon(c, {crownL, crownR, tr, bottom, tl}, dark);
    FillPolygon(c, {tl, girdle, bottom}, mid);
    FillPolygon(c, {girdle, tr, bottom}, dark);
    FillPolygon(c, {crownL, crownR, girdle}, light);
    FillPolygon(c, {crownL, girdle, tl}, mid);
    FillPolygon(c, {crownR, tr, girdle}, Mix(mid, light, 0.5f));
    float lw = std::max(1.0f, hw * 0.05f);
    Rgba edge = Mix(tint, Grey(1), 0.85f);
    DrawLine(c, tl, tr, lw, edge);
    DrawLine(c, crownL, tl, lw, edge);
    DrawLine(c, crownR, tr, lw, edge);
    DrawLine(c, crownL, crownR, lw, edge);
    DrawLine(c, tl, bottom, lw, edge);
    DrawLine(c, tr, bottom, lw, edge);
}

void PaintNightSky(Canvas& c, Rgba bottom, Rgba top, uint32_t seed) {
    Shade(c, [&](float x, float y) {
        Rgba sky = Mix(bottom, top, y / c.height);
        float glow = 0.08f * FractalNoise(x / 64, y / 64, seed, 3);
        sky = Colour(sky.r + glow, sky.g + glow * 0.5f, sky.b + glow * 1.5f);
        float star = Hash01(int(x), int(y), seed + 7);
        if (star > 0.9965f) return Mix(sky, Grey(1), (star - 0.9965f) / 0.0035f * 0.8f + 0.2f);
        return sky;
    });
}
