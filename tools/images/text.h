// Lettering for the pictures, rasterised from the system's DejaVu fonts.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"

enum class Face { Sans, SansBold, SerifBold };

// Coverage of a line of text, 0..1 per texel, the size of the canvas it is
// meant for; grows with DilateMask for outlines and glows.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> cover;
};

struct TextPlacement {
    float x = 0;          // centre of the line, or its left end when !centred
    float baseline = 0;   // y of the baseline, rows counted from the bottom
    float pixelSize = 32;
    bool centred = true;
};

Mask TextMask(int width, int height, Face face, const std::string& text, TextPlacement at);
float TextWidth(Face face, const std::string& text, float pixelSize);
// The size, at most the one asked for, at which the text fits the width.
float FitTextSize(Face face, const std::string& text, float pixelSize, float maxWidth);
Mask DilateMask(const Mask& m, float radius);
void PaintMask(Canvas& c, const Mask& m, Rgba colour);

// The usual lettering: a dark outline of the given width, then the letters.
void DrawText(Canvas& c, Face face, const std::string& text, TextPlacement at, Rgba fill,
              Rgba outline, float outlineWidth);

// Letters filled with a vertical gradient from bottom colour at y0 to top at y1.
void PaintMaskGradient(Canvas& c, const Mask& m, Rgba bottom, Rgba top, float y0, float y1);
