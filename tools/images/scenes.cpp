// The scenes' backdrops and props, and the second title picture.
//
// The palace hall and the desert are shown on 4:3 quads but stored square,
// so they are painted in the quad's own proportions: x runs 0..4/3, y 0..1.
#include <cmath>

#include "catalogue.h"
#include "text.h"

namespace {

const float kWide = 4.0f / 3.0f;

// A ridge line: its height at x, from layered noise, peaking where sharp.
float RidgeHeight(float x, float base, float height, uint32_t seed, float roughness) {
    float n = FractalNoise(x * roughness, 0.5f, seed, 5);
    float peaks = 1 - std::fabs(2 * FractalNoise(x * roughness * 0.5f, 3.5f, seed + 9, 3) - 1);
    return base + height * (0.55f * n + 0.45f * peaks * peaks);
}

// A mountain range: scattered pointed peaks, each a tent of its own width
// and height, with a ragged edge.
float PeakHeight(float x, float base, float height, uint32_t seed, int peaks) {
    float h = 0;
    for (int k = 0; k < peaks; ++k) {
        float at = -0.1f + 1.2f * Hash01(k, 0, seed), tall = 0.45f + 0.55f * Hash01(k, 1, seed);
        float width = 0.1f + 0.14f * Hash01(k, 2, seed);
        h = std::max(h, tall * (1 - std::fabs(x - at) / width));
    }
    return base + height * (h + 0.06f * FractalNoise(x * 40, 0.5f, seed + 3, 3));
}

// Alps for the opening: sky, three ranges of mountains with snow on the
// high slopes, and a green valley in front.
SgiPicture Alps() {
    const int size = 512;
    Canvas c = MakeCanvas(size, size, Grey(0));
    Shade(c, [&](float px, float py) {
        float x = px / size, y = py / size;
        Rgba colour = Mix(Colour(0.75f, 0.88f, 1.0f), Colour(0.25f, 0.5f, 0.9f), SmoothStep(0.35f, 1.0f, y));
        float cloud = FractalNoise(x * 6, y * 14, 601, 4);
        if (y > 0.6f) colour = Mix(colour, Grey(1), SmoothStep(0.6f, 0.8f, cloud) * 0.7f);
        struct Range {
            float base, height;
            int peaks;
            Rgba rock;
            float snow;  // depth of the snow caps under the ridge
        };
        const Range ranges[] = {{0.38f, 0.5f, 9, Colour(0.5f, 0.55f, 0.68f), 0.12f},
                                {0.26f, 0.36f, 11, Colour(0.4f, 0.42f, 0.5f), 0.06f},
                                {0.14f, 0.12f, 14, Colour(0.22f, 0.32f, 0.22f), 0.0f}};
        for (int i = 0; i < 3; ++i) {
            const Range& r = ranges[i];
            uint32_t seed = 610 + i * 17;
            float top = PeakHeight(x, r.base, r.height, seed, r.peaks);
            if (y > top) continue;
            // Faces turned to the sun (from the left) are lit, the others in shade.
            float e = 0.003f;
            float slope = (PeakHeight(x + e, r.base, r.height, seed, r.peaks) -
                           PeakHeight(x - e, r.base, r.height, seed, r.peaks)) / (2 * e);
            float sun = Clamp01(0.5f + 0.4f * slope);
            float texture = 0.85f + 0.3f * FractalNoise(x * 40, y * 25, 620 + i, 3);
            colour = Scale(r.rock, (0.65f + 0.55f * sun) * texture);
            float cap = r.snow * (top - r.base) / r.height * (0.6f + 0.8f * FractalNoise(x * 30, y * 30, 630 + i, 3));
            if (top - y < cap) colour = Mix(Colour(0.68f, 0.76f, 0.9f), Grey(1), sun);
        }
        if (y < 0.12f + 0.03f * std::sin(x * 9)) {
            float grass = FractalNoise(x * 30, y * 30, 640, 4);
            colour = Mix(Colour(0.2f, 0.5f, 0.15f), Colour(0.45f, 0.7f, 0.25f), grass);
        }
        return colour;
    });
    return ToPicture(c, 3);
}

// The "3" beside the name on the title: gold figure on a clear ground.
SgiPicture TitleThree() {
    const int size = 256;
    Canvas c = MakeCanvas(size, size, Colour(1, 0.8f, 0.2f, 0));
    TextPlacement at{size / 2.0f, 34, 230, true};
    Mask figure = TextMask(size, size, Face::SerifBold, "3", at);
    PaintMask(c, DilateMask(figure, 14), Colour(1, 0.9f, 0.4f, 0.35f));
    PaintMask(c, DilateMask(figure, 6), Colour(0.15f, 0.05f, 0.0f));
    PaintMaskGradient(c, figure, Colour(0.9f, 0.45f, 0.05f), Colour(1, 0.95f, 0.5f), 34, 200);
    return ToPicture(c, 4);
}

// Wood with its grain along s; the table and chairs colour it.
Rgba WoodGrain(float along, float across, uint32_t seed) {
    float warp = FractalNoise(along / 160, across / 40, seed, 3);
    float rings = 0.5f + 0.5f * std::sin(across / 4 + warp * 6);
    float fibres = FractalNoise(along / 40, across / 1.2f, seed + 5, 2);
    Rgba light = Colour(1.0f, 0.93f, 0.8f), dark = Colour(0.84f, 0.7f, 0.52f);
    return Scale(Mix(light, dark, std::pow(rings, 3.0f)), 0.93f + 0.1f * fibres);
}

SgiPicture WoodAlong() {
    Canvas c = MakeCanvas(256, 256, Grey(0));
    Shade(c, [](float x, float y) { return WoodGrain(x, y, 651); });
    return ToPicture(c, 3);
}

SgiPicture WoodUpright() {
    Canvas c = MakeCanvas(256, 256, Grey(0));
    Shade(c, [](float x, float y) { return WoodGrain(y, x, 652); });
    return ToPicture(c, 3);
}

// A palace hall: chequered marble floor running back to a wall of arched
// windows between columns, curtains and a red carpet. The top of the picture
// is off screen, so everything that matters sits in its lower 70 %.
SgiPicture PalaceHall() {
    const int size = 512;
    Canvas c = MakeCanvas(size, size, Grey(0));
    const float horizon = 0.3f;
    Shade(c, [&](float px, float py) {
        float x = px / size * kWide, y = py / size;
        if (y < horizon) {
            // Floor: tiles in perspective, smaller toward the wall.
            float depth = 0.08f / (horizon - y + 0.02f);
            float u = (x - kWide / 2) * depth * 4, v = depth * 3;
            bool dark = (int(std::floor(u)) + int(std::floor(v))) % 2 != 0;
            Rgba marble = dark ? Colour(0.3f, 0.18f, 0.22f) : Colour(0.92f, 0.88f, 0.82f);
            marble = Scale(marble, 0.85f + 0.2f * FractalNoise(u * 3, v * 3, 661, 3));
            // Far tiles are smaller than a texel: show their average instead.
            marble = Mix(marble, Colour(0.61f, 0.53f, 0.52f), 1 - SmoothStep(0.0f, 0.08f, horizon - y));
            if (std::fabs(x - kWide / 2) < 0.06f + (horizon - y) * 0.9f) marble = Colour(0.7f, 0.08f, 0.1f);
            return Mix(marble, Grey(0), 0.35f * (1 - (horizon - y) / horizon));
        }
        // Above the frieze, mostly off screen, a painted sky of a ceiling.
        if (y > 0.78f) return Mix(Colour(0.55f, 0.7f, 0.95f), Grey(1), FractalNoise(x * 8, y * 8, 663, 4));
        // Back wall: warm plaster with arched windows between columns.
        Rgba wall = Scale(Colour(0.93f, 0.82f, 0.6f), 0.9f + 0.1f * FractalNoise(x * 20, y * 20, 662, 3));
        float bay = std::fmod(x + 1, kWide / 4) / (kWide / 4) - 0.5f;
        float column = std::fabs(bay) > 0.4f ? 1.f : 0.f;
        if (column > 0) {
            float roundness = 1 - std::pow((0.5f - std::fabs(bay)) / 0.1f, 2.0f);
            Rgba stone = Scale(Colour(0.95f, 0.93f, 0.88f), 0.7f + 0.3f * roundness);
            return y > 0.72f ? Colour(0.85f, 0.7f, 0.3f) : stone;
        }
        float archTop = 0.56f + 0.1f * std::sqrt(Clamp01(1 - bay * bay / 0.09f));
        bool glass = std::fabs(bay) < 0.22f && y > 0.36f && y < archTop;
        if (glass) {
            Rgba sky = Mix(Colour(0.7f, 0.85f, 1.0f), Colour(0.35f, 0.55f, 0.95f), (y - 0.36f) / 0.4f);
            bool bar = std::fabs(bay) < 0.01f || std::fmod(y, 0.08f) < 0.006f;
            return bar ? Colour(0.5f, 0.4f, 0.2f) : sky;
        }
        bool curtain = std::fabs(bay) < 0.34f && y > 0.33f && y < 0.7f;
        if (curtain) {
            float folds = 0.75f + 0.25f * std::sin(bay * 90);
            return Scale(Colour(0.6f, 0.05f, 0.12f), folds);
        }
        if (y > 0.72f) return Scale(Colour(0.85f, 0.7f, 0.3f), 0.8f + 0.2f * std::sin(x * 160));
        return y < 0.34f ? Scale(wall, 0.7f) : wall;
    });
    return ToPicture(c, 3);
}

// A desert valley: a hot sky over red cliffs on both sides and a sandy
// floor with a dry river bed winding into the distance.
SgiPicture DesertValley() {
    const int size = 256;
    Canvas c = MakeCanvas(size, size, Grey(0));
    Shade(c, [&](float px, float py) {
        float x = px / size * kWide, y = py / size;
        Rgba colour = Mix(Colour(1.0f, 0.75f, 0.45f), Colour(0.35f, 0.55f, 0.9f), SmoothStep(0.4f, 1.0f, y));
        float sun = std::hypot(x - 0.95f, y - 0.82f);
        colour = Mix(colour, Colour(1, 0.97f, 0.8f), 1 - SmoothStep(0.05f, 0.08f, sun));
        float far = RidgeHeight(x, 0.42f, 0.08f, 671, 4);
        if (y < far) colour = Scale(Colour(0.72f, 0.5f, 0.45f), 0.9f + 0.1f * FractalNoise(x * 30, y * 30, 672, 2));
        float side = std::fabs(x - kWide / 2) / (kWide / 2);
        float cliff = 0.35f + 0.5f * SmoothStep(0.45f, 0.9f, side) + 0.04f * FractalNoise(y * 20, side * 5, 673, 3);
        if (y < cliff && side > 0.45f) {
            float strata = 0.8f + 0.2f * std::sin(y * 60 + FractalNoise(x * 10, y * 10, 674, 3) * 4);
            colour = Scale(Colour(0.75f, 0.32f, 0.18f), strata);
        }
        if (y < 0.36f) {
            float sand = FractalNoise(x * 25, y * 60, 675, 4);
            Rgba floor = Mix(Colour(0.85f, 0.68f, 0.45f), Colour(0.95f, 0.82f, 0.58f), sand);
            float river = std::fabs(x - kWide / 2 - 0.15f * std::sin(y * 18)) - 0.01f - (0.36f - y) * 0.25f;
            if (river < 0) floor = Scale(floor, 0.8f);
            if (!(side > 0.45f && y < cliff)) colour = floor;
        }
        return colour;
    });
    return ToPicture(c, 3);
}

}  // namespace

std::vector<PictureMaker> ScenePictures() {
    return {{"bigalps.sgi", Alps},          {"final3.sgi", TitleThree},
            {"palace.sgi", PalaceHall},     {"wood2.sgi", WoodAlong},
            {"woodvertical2.sgi", WoodUpright}, {"deathvalley256.sgi", DesertValley}};
}
