// Particle pictures. The particles colour them through their material and
// blend them, so they are white, and their shape lives in the alpha channel.
#include <cmath>

#include "catalogue.h"

namespace {

const int kSize = 64;

// Offset of a texel centre from the picture's centre, in -1..1.
Point Centred(float x, float y) { return {(x - kSize / 2.0f) / (kSize / 2.0f), (y - kSize / 2.0f) / (kSize / 2.0f)}; }

// A tongue of flame: a round base drawn up into a point, ragged at its edge.
SgiPicture FireBit() {
    Canvas c = MakeCanvas(kSize, kSize, Grey(1, 0));
    Shade(c, [](float x, float y) {
        Point p = Centred(x, y);
        float ragged = 0.12f * (FractalNoise(x / 7, y / 7, 301, 3) - 0.5f);
        float base = std::hypot(p.x, p.y + 0.3f) - 0.45f;
        // Above the base the flame narrows linearly to its tip at y = 0.85.
        float half = 0.45f * Clamp01((0.85f - p.y) / 1.15f);
        float tongue = p.y > -0.3f ? std::fabs(p.x) - half : 1.f;
        float d = std::min(base, tongue) + ragged;
        float body = 1 - SmoothStep(-0.2f, 0.05f, d);
        float core = 1 - SmoothStep(0.0f, 0.35f, std::hypot(p.x, p.y + 0.25f));
        return Grey(1, Clamp01(body * 0.8f + core * 0.2f));
    });
    return ToPicture(c, 2);
}

// A puff of smoke: a soft ball broken into billows.
SgiPicture SmokePuff() {
    Canvas c = MakeCanvas(kSize, kSize, Grey(1, 0));
    Shade(c, [](float x, float y) {
        Point p = Centred(x, y);
        float r = std::hypot(p.x, p.y);
        float billows = FractalNoise(x / 12, y / 12, 311, 4);
        float fall = 1 - SmoothStep(0.3f, 0.95f, r + 0.25f * (billows - 0.5f));
        return Grey(0.75f + 0.25f * billows, Clamp01(fall * (0.55f + 0.45f * billows)));
    });
    return ToPicture(c, 2);
}

// Steam: a faint, wispy cloud, lighter than smoke.
SgiPicture SteamWisp() {
    Canvas c = MakeCanvas(kSize, kSize, Grey(1, 0));
    Shade(c, [](float x, float y) {
        Point p = Centred(x, y);
        float r = std::hypot(p.x, p.y);
        float swirl = FractalNoise(x / 10 + 3 * p.y, y / 16, 321, 4);
        float fall = 1 - SmoothStep(0.2f, 1.0f, r);
        return Grey(1, Clamp01(fall * fall * (0.3f + 0.7f * swirl)));
    });
    return ToPicture(c, 2);
}

// A spark: a hot core with four thin rays. The vertical ray runs the whole
// height at full strength, because the glasses' lens takes its colour from
// the texels at the middle of the bottom edge (and, filtered, the top edge).
SgiPicture SparkStar() {
    Canvas c = MakeCanvas(kSize, kSize, Grey(1, 0));
    Shade(c, [](float x, float y) {
        Point p = Centred(x, y);
        float r = std::hypot(p.x, p.y);
        float glow = std::pow(Clamp01(1 - r), 3.0f);
        float core = 1 - SmoothStep(0.05f, 0.25f, r);
        float across = std::exp(-std::fabs(p.y) * 14) * Clamp01(1.1f - std::fabs(p.x));
        float upright = std::fabs(x - kSize / 2.0f) < 2.5f ? 1.f : std::exp(-std::fabs(p.x) * 18);
        return Grey(1, Clamp01(glow + core + across + upright));
    });
    return ToPicture(c, 2);
}

}  // namespace

std::vector<PictureMaker> ParticlePictures() {
    return {{"firebit.sgi", FireBit}, {"smoke.sgi", SmokePuff}, {"steam.sgi", SteamWisp},
            {"spark.sgi", SparkStar}};
}
