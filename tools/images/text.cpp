#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#ifndef PIB_FONT_DIR
#define PIB_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

const char* FaceFile(Face face) {
    switch (face) {
        case Face::Sans: return "DejaVuSans.ttf";
        case Face::SansBold: return "DejaVuSans-Bold.ttf";
        case Face::SerifBold: return "DejaVuSerif-Bold.ttf";
    }
    return "DejaVuSans.ttf";
}

[[noreturn]] void FontFailure(const std::string& what) {
    std::fprintf(stderr, "make_images: %s\n", what.c_str());
    std::exit(1);
}

// One library and one open face per font for the whole run.
FT_Face OpenFace(Face face) {
    static FT_Library library = nullptr;
    static FT_Face faces[3] = {nullptr, nullptr, nullptr};
    if (!library && FT_Init_FreeType(&library)) FontFailure("cannot start FreeType");
    FT_Face& f = faces[int(face)];
    if (!f) {
        std::string path = std::string(PIB_FONT_DIR) + "/" + FaceFile(face);
        if (FT_New_Face(library, path.c_str(), 0, &f))
            FontFailure("cannot open font " + path + " (install fonts-dejavu-core)");
    }
    return f;
}

FT_Face SizedFace(Face face, float pixelSize) {
    FT_Face f = OpenFace(face);
    FT_Set_Pixel_Sizes(f, 0, FT_UInt(std::lround(pixelSize)));
    return f;
}

FT_GlyphSlot RenderGlyph(FT_Face f, char ch) {
    if (FT_Load_Char(f, FT_ULong(static_cast<unsigned char>(ch)), FT_LOAD_RENDER))
        FontFailure(std::string("cannot draw the letter ") + ch);
    return f->glyph;
}

}  // namespace

float TextWidth(Face face, const std::string& text, float pixelSize) {
    FT_Face f = SizedFace(face, pixelSize);
    float w = 0;
    for (char ch : text) w += RenderGlyph(f, ch)->advance.x / 64.0f;
    return w;
}

float FitTextSize(Face face, const std::string& text, float pixelSize, float maxWidth) {
    float w = TextWidth(face, text, pixelSize);
    return w > maxWidth ? std::floor(pixelSize * maxWidth / w) : pixelSize;
}

Mask TextMask(int width, int height, Face face, const std::string& text, TextPlacement at) {
    Mask m{width, height, std::vector<float>(size_t(width) * height, 0.f)};
    float pen = at.centred ? at.x - TextWidth(face, text, at.pixelSize) / 2 : at.x;
    FT_Face f = SizedFace(face, at.pixelSize);
    int base = int(std::lround(at.baseline));
    for (char ch : text) {
        FT_GlyphSlot g = RenderGlyph(f, ch);
        const FT_Bitmap& bm = g->bitmap;
        int left = int(std::lround(pen)) + g->bitmap_left;
        // Bitmap rows run downward from the glyph's top; canvas rows run up.
        for (unsigned r = 0; r < bm.rows; ++r) {
            int y = base + g->bitmap_top - 1 - int(r);
            if (y < 0 || y >= height) continue;
            for (unsigned col = 0; col < bm.width; ++col) {
                int x = left + int(col);
                if (x < 0 || x >= width) continue;
                float v = bm.buffer[r * bm.pitch + col] / 255.0f;
                float& dst = m.cover[size_t(y) * width + x];
                dst = std::max(dst, v);
            }
        }
        pen += g->advance.x / 64.0f;
    }
    return m;
}

Mask DilateMask(const Mask& m, float radius) {
    Mask out{m.width, m.height, std::vector<float>(m.cover.size(), 0.f)};
    int r = int(std::ceil(radius));
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x) {
            float v = m.cover[size_t(y) * m.width + x];
            if (v <= 0) continue;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= m.width || ny >= m.height) continue;
                    float edge = Clamp01(radius + 0.5f - std::hypot(float(dx), float(dy)));
                    float& dst = out.cover[size_t(ny) * m.width + nx];
                    dst = std::max(dst, v * edge);
                }
        }
    return out;
}

void PaintMask(Canvas& c, const Mask& m, Rgba colour) {
    for (int y = 0; y < std::min(c.height, m.height); ++y)
        for (int x = 0; x < std::min(c.width, m.width); ++x)
            BlendTexel(c, x, y, colour, m.cover[size_t(y) * m.width + x]);
}

void DrawText(Canvas& c, Face face, const std::string& text, TextPlacement at, Rgba fill,
              Rgba outline, float outlineWidth) {
    Mask letters = TextMask(c.width, c.height, face, text, at);
    if (outlineWidth > 0) PaintMask(c, DilateMask(letters, outlineWidth), outline);
    PaintMask(c, letters, fill);
}

void PaintMaskGradient(Canvas& c, const Mask& m, Rgba bottom, Rgba top, float y0, float y1) {
    for (int y = 0; y < std::min(c.height, m.height); ++y) {
        Rgba colour = Mix(bottom, top, Clamp01((y + 0.5f - y0) / (y1 - y0)));
        for (int x = 0; x < std::min(c.width, m.width); ++x)
            BlendTexel(c, x, y, colour, m.cover[size_t(y) * m.width + x]);
    }
}
