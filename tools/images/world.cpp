// The board's textures and the shot. The board draws them in decal mode, so
// they are opaque and carry their own light and shade; each covers one cell.
#include <cmath>

#include "catalogue.h"
#include "motifs.h"
#include "text.h"

namespace {

const int kTile = 256;
const float kPi = 3.14159265f;

// Light along the top and left edges, shade along the bottom and right: a
// raised tile seen from above.
Rgba Bevel(Rgba base, float x, float y, int size, float width) {
    float left = x, right = size - x, bottom = y, top = size - y;
    float nearest = std::min(std::min(left, right), std::min(bottom, top));
    if (nearest >= width) return base;
    bool lit = (nearest == left || nearest == top);
    float k = 1 - nearest / width;
    return lit ? Mix(base, Grey(1), 0.45f * k) : Mix(base, Grey(0), 0.55f * k);
}

SgiPicture FloorTile() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    Rgba deep = Colour(0.32f, 0.12f, 0.46f), pale = Colour(0.55f, 0.3f, 0.72f);
    Shade(c, [&](float x, float y) {
        float marble = FractalNoise(x / 48, y / 48, 31, 5);
        float vein = std::fabs(std::sin((x + y) / 40 + marble * 9));
        Rgba base = Mix(deep, pale, 0.35f * marble + 0.25f * SmoothStep(0.9f, 1.0f, 1 - vein));
        return Bevel(base, x, y, kTile, 12);
    });
    return ToPicture(c, 3);
}

// Ramp ends, block tops and sides, bridge decks: a grey-blue plate with a
// raised diamond tread and a rivet in each corner.
SgiPicture PlateTile() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    Rgba steel = Colour(0.42f, 0.47f, 0.56f);
    Shade(c, [&](float x, float y) {
        float grain = 0.08f * FractalNoise(x / 6, y / 60, 41, 3);
        float u = std::fmod(x + y, 32.f) / 32, v = std::fmod(x - y + 512, 32.f) / 32;
        float ridge = std::max(std::fabs(u - 0.5f), std::fabs(v - 0.5f));
        Rgba base = Mix(steel, Colour(0.7f, 0.74f, 0.8f), SmoothStep(0.38f, 0.46f, 0.5f - ridge) * 0.5f);
        base = Scale(base, 0.9f + grain);
        return Bevel(base, x, y, kTile, 10);
    });
    for (float cx : {24.f, kTile - 24.f})
        for (float cy : {24.f, kTile - 24.f}) {
            FillEllipse(c, cx + 1.5f, cy - 1.5f, 8, 8, Colour(0.15f, 0.16f, 0.2f));
            FillEllipse(c, cx, cy, 7, 7, Colour(0.75f, 0.78f, 0.84f));
            FillEllipse(c, cx - 2, cy + 2, 3, 3, Grey(0.95f));
        }
    return ToPicture(c, 3);
}

// The world's outer wall: red bricks in running bond.
SgiPicture BrickTile() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    const float course = 32, brick = 64, mortar = 3;
    Shade(c, [&](float x, float y) {
        int row = int(y / course);
        float bx = x + (row % 2) * brick / 2;
        int col = int(bx / brick);
        float fx = std::fmod(bx, brick), fy = std::fmod(y, course);
        float d = std::min(std::min(fx, brick - fx), std::min(fy, course - fy));
        float tone = 0.8f + 0.35f * Hash01(col, row, 51);
        Rgba clay = Scale(Colour(0.62f, 0.16f, 0.12f), tone * (0.85f + 0.3f * FractalNoise(x / 9, y / 9, 52, 3)));
        Rgba joint = Grey(0.45f + 0.1f * FractalNoise(x / 4, y / 4, 53, 2));
        if (d < mortar) return joint;
        return d < mortar + 2.5f ? Mix(clay, Grey(0), 0.25f) : clay;
    });
    return ToPicture(c, 3);
}

// Loaded with the world but never put on a surface: a quiet teal marble.
SgiPicture MarbleTile() {
    Canvas c = MakeCanvas(128, 128, Grey(0));
    Shade(c, [&](float x, float y) {
        float n = FractalNoise(x / 32, y / 32, 61, 5, 4);
        float vein = std::fabs(std::sin(x / 128 * 2 * kPi + n * 8));
        return Mix(Colour(0.05f, 0.35f, 0.38f), Colour(0.7f, 0.9f, 0.88f), SmoothStep(0.85f, 1.0f, 1 - vein) * 0.8f + 0.15f * n);
    });
    return ToPicture(c, 3);
}

// A whirlpool: bright arms wound about the centre, fading to dark at the
// edges and into a dark eye. Marks holes and fills the spiral scene's sky.
SgiPicture SpiralDisc() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    Shade(c, [&](float x, float y) {
        float dx = (x - kTile / 2.0f) / (kTile / 2.0f), dy = (y - kTile / 2.0f) / (kTile / 2.0f);
        float r = std::sqrt(dx * dx + dy * dy), a = std::atan2(dy, dx);
        float arms = 0.5f + 0.5f * std::cos(4 * a + 9 * std::log(r + 0.05f));
        float fade = 1 - SmoothStep(0.55f, 1.0f, r);
        float eye = SmoothStep(0.04f, 0.22f, r);
        Rgba hot = Mix(Colour(0.5f, 0.05f, 0.55f), Colour(1.0f, 0.6f, 0.15f), arms);
        Rgba glow = Mix(Colour(0.05f, 0.0f, 0.12f), hot, std::pow(arms, 1.5f) * 0.85f + 0.15f);
        return Scale(glow, fade * eye);
    });
    return ToPicture(c, 3);
}

// A ramp's slope: treads stacked up the picture (t runs up the slope), each
// with a bright nose at its upper edge and a shadowed riser under it.
SgiPicture StepsTile() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    const float step = kTile / 8.0f;
    Shade(c, [&](float x, float y) {
        float f = std::fmod(y, step) / step;
        Rgba tread = Scale(Colour(0.5f, 0.54f, 0.62f), 0.9f + 0.15f * FractalNoise(x / 20, y / 5, 71, 3));
        if (f > 0.86f) return Mix(tread, Grey(0.95f), 0.6f);
        if (f < 0.2f) return Mix(tread, Grey(0.05f), 0.6f * (1 - f / 0.2f));
        float edge = std::min(x, kTile - x);
        return edge < 8 ? Scale(tread, 0.6f + 0.05f * edge) : tread;
    });
    return ToPicture(c, 3);
}

// A crate side: a frame of planks around a diagonal brace, with wood grain.
SgiPicture CrateSide() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    auto wood = [&](float x, float y, float tone) {
        float grain = FractalNoise(x / 90, y / 6, 81, 4);
        float rings = 0.5f + 0.5f * std::sin(grain * 30);
        return Scale(Mix(Colour(0.55f, 0.36f, 0.17f), Colour(0.78f, 0.58f, 0.32f), rings), tone);
    };
    Shade(c, [&](float x, float y) {
        float plank = std::fmod(y, 48) < 2 ? 0.6f : 0.85f;
        return wood(y, x, plank);
    });
    const float rim = 30;
    FillRect(c, 0, 0, kTile, rim, Colour(0.66f, 0.46f, 0.22f));
    FillRect(c, 0, kTile - rim, kTile, kTile, Colour(0.66f, 0.46f, 0.22f));
    FillRect(c, 0, 0, rim, kTile, Colour(0.6f, 0.41f, 0.2f));
    FillRect(c, kTile - rim, 0, kTile, kTile, Colour(0.6f, 0.41f, 0.2f));
    DrawLine(c, {rim, rim}, {kTile - rim, kTile - rim}, 34, Colour(0.7f, 0.5f, 0.26f));
    DrawLine(c, {rim, rim}, {kTile - rim, kTile - rim}, 2, Colour(0.3f, 0.18f, 0.08f));
    for (float e : {rim, kTile - rim}) {
        DrawLine(c, {e, 0}, {e, float(kTile)}, 3, Colour(0.25f, 0.15f, 0.06f));
        DrawLine(c, {0, e}, {float(kTile), e}, 3, Colour(0.25f, 0.15f, 0.06f));
    }
    for (float cx : {rim / 2, kTile - rim / 2})
        for (float cy : {rim / 2, kTile - rim / 2}) FillEllipse(c, cx, cy, 5, 5, Grey(0.2f));
    Canvas grain = c;
    Shade(c, [&](float x, float y) {
        Rgba t = TexelAt(grain, int(x), int(y));
        return Scale(t, 0.85f + 0.3f * FractalNoise(x / 70, y / 4, 82, 3));
    });
    return ToPicture(c, 3);
}

// The title emblem and crate top: the word in white under a bunny's head,
// on a deep blue square. It is opaque; the upper right quarter is left
// plain for the second title picture, which lies over it on the title page.
SgiPicture WhitePibEmblem() {
    Canvas c = MakeCanvas(kTile, kTile, Grey(0));
    Shade(c, [&](float x, float y) {
        float r = std::hypot(x - kTile * 0.45f, y - kTile * 0.5f) / kTile;
        return Mix(Colour(0.12f, 0.2f, 0.6f), Colour(0.02f, 0.03f, 0.18f), Clamp01(r * 1.6f));
    });
    FillRing(c, kTile * 0.5f, kTile * 0.5f, kTile * 0.485f, kTile * 0.5f, Colour(0.6f, 0.7f, 1, 0.5f));
    DrawBunnyHead(c, kTile * 0.4f, kTile * 0.62f, 32, Grey(0.97f));
    TextPlacement at{kTile * 0.47f, kTile * 0.12f, 118, true};
    DrawText(c, Face::SerifBold, "Pib", at, Grey(1), Colour(0.02f, 0.02f, 0.1f), 4);
    return ToPicture(c, 3);
}

// The shot: a white-hot core with a soft halo and four thin rays, coloured
// by the shooter's material and added to the view.
SgiPicture ShotFlare() {
    Canvas c = MakeCanvas(64, 64, Grey(1, 0));
    Shade(c, [&](float x, float y) {
        float dx = (x - 32) / 32, dy = (y - 32) / 32;
        float r = std::sqrt(dx * dx + dy * dy);
        float halo = std::pow(Clamp01(1 - r), 2.0f);
        float core = 1 - SmoothStep(0.05f, 0.3f, r);
        float rays = Clamp01(1 - r) * (std::exp(-std::fabs(dx) * 30) + std::exp(-std::fabs(dy) * 30)) * 0.6f;
        return Grey(1, Clamp01(halo * 0.8f + core + rays));
    });
    return ToPicture(c, 2);
}

}  // namespace

std::vector<PictureMaker> WorldPictures() {
    return {{"bg02.sgi", BrickTile},    {"purple.sgi", FloorTile},     {"newfloor.sgi", PlateTile},
            {"bg11.sgi", MarbleTile},   {"spiral.sgi", SpiralDisc},    {"step.sgi", StepsTile},
            {"box.sgi", CrateSide},     {"whitepib.sgi", WhitePibEmblem}, {"shot.sgi", ShotFlare}};
}
