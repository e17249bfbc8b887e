#include "contact_sheet.h"

#include <png.h>

#include <algorithm>
#include <cstdio>

#include "canvas.h"
#include "text.h"

namespace {

const int kColumns = 8;
const int kThumb = 160;
const int kLabel = 22;
const int kCellW = kThumb + 12;
const int kCellH = kThumb + kLabel + 10;

// A stored texel as the game's reader expands it: grey, grey+alpha, RGB, RGBA.
Rgba StoredTexel(const SgiPicture& p, int x, int y) {
    const uint8_t* t = &p.texels[(size_t(y) * p.width + x) * p.channels];
    auto f = [](uint8_t v) { return v / 255.0f; };
    switch (p.channels) {
        case 1: return Grey(f(t[0]));
        case 2: return Grey(f(t[0]), f(t[1]));
        case 3: return Colour(f(t[0]), f(t[1]), f(t[2]));
        default: return Colour(f(t[0]), f(t[1]), f(t[2]), f(t[3]));
    }
}

// The picture scaled to fit the cell, over a checkerboard where it is clear.
void PlaceThumbnail(Canvas& sheet, const SgiPicture& p, int left, int bottom) {
    float k = float(kThumb) / std::max(p.width, p.height);
    int w = std::max(1, int(p.width * k)), h = std::max(1, int(p.height * k));
    int ox = left + (kThumb - w) / 2, oy = bottom + (kThumb - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool light = ((x / 8) + (y / 8)) % 2 == 0;
            Rgba& dst = TexelAt(sheet, ox + x, oy + y);
            dst = Grey(light ? 0.75f : 0.55f);
            int sx = std::min(p.width - 1, int(x / k)), sy = std::min(p.height - 1, int(y / k));
            Rgba t = StoredTexel(p, sx, sy);
            BlendTexel(sheet, ox + x, oy + y, Colour(t.r, t.g, t.b), t.a);
        }
}

}  // namespace

bool WritePng(const std::string& path, const Canvas& c) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, c.width, c.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    SgiPicture rgb = ToPicture(c, 3);
    // PNG rows run from the top; ours from the bottom.
    for (int y = c.height - 1; y >= 0; --y)
        png_write_row(png, &rgb.texels[size_t(y) * c.width * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

bool WriteContactSheet(const std::string& path, const std::vector<NamedPicture>& pictures) {
    int rows = int((pictures.size() + kColumns - 1) / kColumns);
    Canvas sheet = MakeCanvas(kColumns * kCellW, rows * kCellH, Grey(0.25f));
    for (size_t i = 0; i < pictures.size(); ++i) {
        int col = int(i % kColumns), row = int(i / kColumns);
        int left = col * kCellW + 6, top = sheet.height - row * kCellH;
        PlaceThumbnail(sheet, pictures[i].picture, left, top - 6 - kThumb);
        const SgiPicture& p = pictures[i].picture;
        std::string label = pictures[i].name + " " + std::to_string(p.width) + "x" +
                            std::to_string(p.height) + "x" + std::to_string(p.channels);
        float size = std::min(14.0f, 14.0f * kThumb / std::max(1.0f, TextWidth(Face::Sans, label, 14)));
        TextPlacement at{left + kThumb / 2.0f, float(top - kCellH + 8), size, true};
        DrawText(sheet, Face::Sans, label, at, Grey(1), Grey(0), 0);
    }
    return WritePng(path, sheet);
}
