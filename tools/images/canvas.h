// A floating-point RGBA painting surface for the picture generator, with the
// few shapes, gradients and noise the pictures are built from. Row 0 is the
// bottom row, as in the image files and in OpenGL's texture coordinates.
#pragma once
#include <cstdint>
#include <vector>

#include "sgi_writer.h"

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

struct Point {
    float x = 0, y = 0;
};

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgba> texels;  // width*height, bottom row first
};

Canvas MakeCanvas(int width, int height, Rgba fill);
Rgba& TexelAt(Canvas& c, int x, int y);
Rgba TexelAt(const Canvas& c, int x, int y);

Rgba Colour(float r, float g, float b, float a = 1);
Rgba Grey(float v, float a = 1);
Rgba Mix(Rgba a, Rgba b, float t);
Rgba Scale(Rgba c, float k);  // colour channels only
float Clamp01(float v);
float SmoothStep(float e0, float e1, float v);

// Paints colour c over the texel with coverage in 0..1 (source-over).
void BlendTexel(Canvas& c, int x, int y, Rgba colour, float coverage);

// Shapes, in pixel coordinates; edges are anti-aliased over about a pixel.
// A texel is covered by how far its centre lies inside the shape.
void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour);
void FillRoundRect(Canvas& c, float x0, float y0, float x1, float y1, float radius,
                   Rgba colour);
void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgba colour);
void FillRing(Canvas& c, float cx, float cy, float inner, float outer, Rgba colour);
void DrawLine(Canvas& c, Point a, Point b, float width, Rgba colour);
void FillPolygon(Canvas& c, const std::vector<Point>& corners, Rgba colour);
// Paints a colour with a per-texel coverage computed by the caller.
template <typename Coverage>
void PaintWhere(Canvas& c, Rgba colour, Coverage coverage) {
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) BlendTexel(c, x, y, colour, coverage(x + 0.5f, y + 0.5f));
}
// Sets every texel to what the function gives for its centre.
template <typename Shader>
void Shade(Canvas& c, Shader shader) {
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) TexelAt(c, x, y) = shader(x + 0.5f, y + 0.5f);
}

// Makes the texels inside the rectangle fully transparent (hard edges).
void ClearRect(Canvas& c, int x0, int y0, int x1, int y1);

// Deterministic noise in 0..1: an integer hash, lattice value noise and its
// sum over octaves. A period (in lattice cells, 0 for none) makes it tile.
float Hash01(int x, int y, uint32_t seed);
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
float FractalNoise(float x, float y, uint32_t seed, int octaves, int period = 0);

// The picture as stored: 1 grey, 2 grey+alpha, 3 RGB or 4 RGBA channels.
SgiPicture ToPicture(const Canvas& c, int channels);
