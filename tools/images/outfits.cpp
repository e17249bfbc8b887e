// The bunnies' clothes, shoes, gun mouth. Clothes are multiplied by a light
// grey clothing colour, so they are bright and saturated, one colour family
// per outfit so that players tell their pibs apart.
//
// Where they go: the suit picture covers the body's front, a triangle with
// its point at the bottom middle; the vertical picture the body's sides and
// the legs, which show only its lower half, upside down; the horizontal
// picture the arms, along s. Stripes and plain cloth survive all of that.
#include <cmath>

#include "catalogue.h"

namespace {

const int kCloth = 128;

struct Palette {
    Rgba cloth;   // the main colour
    Rgba accent;  // stripes, collar, buttons
    Rgba trim;    // piping and small details
};

const Palette kSky = {{0.45f, 0.78f, 1.0f, 1}, {1.0f, 0.95f, 0.5f, 1}, {1, 1, 1, 1}};
const Palette kLime = {{0.6f, 1.0f, 0.35f, 1}, {0.15f, 0.55f, 0.2f, 1}, {1, 1, 0.8f, 1}};
const Palette kViolet = {{0.78f, 0.55f, 1.0f, 1}, {1.0f, 0.8f, 0.2f, 1}, {0.35f, 0.15f, 0.55f, 1}};
const Palette kOrange = {{1.0f, 0.68f, 0.25f, 1}, {0.85f, 0.2f, 0.15f, 1}, {1, 1, 0.85f, 1}};
const Palette kLounge = {{0.3f, 0.48f, 0.95f, 1}, {0.85f, 0.9f, 1.0f, 1}, {0.15f, 0.2f, 0.5f, 1}};
const Palette kRobe = {{0.82f, 0.16f, 0.24f, 1}, {1.0f, 0.82f, 0.3f, 1}, {0.98f, 0.96f, 0.9f, 1}};

// Cloth with a fine weave and a little unevenness.
Rgba Weave(Rgba colour, float x, float y, uint32_t seed) {
    float weave = 0.5f + 0.5f * std::sin(x * 1.6f) * std::sin(y * 1.6f);
    float uneven = FractalNoise(x / 24, y / 24, seed, 3);
    return Scale(colour, 0.9f + 0.06f * weave + 0.08f * uneven);
}

Canvas PlainCloth(Rgba colour, uint32_t seed) {
    Canvas c = MakeCanvas(kCloth, kCloth, colour);
    Shade(c, [&](float x, float y) { return Weave(colour, x, y, seed); });
    return c;
}

// Stripes along t (period in texels), for legs and body sides.
Canvas PinStripes(const Palette& p, float period, float width, uint32_t seed) {
    Canvas c = PlainCloth(p.cloth, seed);
    for (float x = period / 2; x < kCloth; x += period)
        FillRect(c, x - width / 2, 0, x + width / 2, kCloth, p.accent);
    return c;
}

// Bands across t, for the arms: rings around the sleeve.
Canvas SleeveBands(const Palette& p, float period, float width, uint32_t seed) {
    Canvas c = PlainCloth(p.cloth, seed);
    for (float y = period / 2; y < kCloth; y += period)
        FillRect(c, 0, y - width / 2, kCloth, y + width / 2, p.accent);
    return c;
}

// The visible front: top corners to the bottom middle.
const Point kFrontTop0 = {0, kCloth}, kFrontTop1 = {kCloth, kCloth}, kFrontPoint = {kCloth / 2.0f, 0};

void DrawCollar(Canvas& c, const Palette& p) {
    float mid = kCloth / 2.0f;
    FillPolygon(c, {{mid - 34, kCloth}, {mid, kCloth - 44}, {mid - 14, kCloth}}, p.accent);
    FillPolygon(c, {{mid + 34, kCloth}, {mid + 14, kCloth}, {mid, kCloth - 44}}, p.accent);
    FillPolygon(c, {{mid - 14, kCloth}, {mid, kCloth - 44}, {mid + 14, kCloth}}, p.trim);
    DrawLine(c, {mid - 34, kCloth}, {mid, kCloth - 44}, 2, Scale(p.accent, 0.6f));
    DrawLine(c, {mid + 34, kCloth}, {mid, kCloth - 44}, 2, Scale(p.accent, 0.6f));
}

void DrawButtons(Canvas& c, const Palette& p, int count) {
    for (int i = 0; i < count; ++i) {
        float y = kCloth - 56 - i * 16.0f;
        FillEllipse(c, kCloth / 2.0f, y, 5, 5, Scale(p.accent, 0.7f));
        FillEllipse(c, kCloth / 2.0f - 1, y + 1, 3, 3, p.accent);
    }
}

Canvas SuitFront(const Palette& p, uint32_t seed) {
    Canvas c = PlainCloth(p.cloth, seed);
    DrawLine(c, kFrontTop0, kFrontPoint, 5, p.trim);
    DrawLine(c, kFrontTop1, kFrontPoint, 5, p.trim);
    DrawCollar(c, p);
    return c;
}

SgiPicture PlainSuit() {
    // Outfit 0 has no buttons: a breast pocket instead.
    Canvas c = SuitFront(kSky, 401);
    FillRoundRect(c, 70, 70, 92, 88, 3, Scale(kSky.cloth, 0.85f));
    DrawLine(c, {70, 88}, {92, 88}, 2, kSky.trim);
    return ToPicture(c, 3);
}

SgiPicture ButtonSuit() {
    Canvas c = SuitFront(kLime, 402);
    DrawButtons(c, kLime, 3);
    return ToPicture(c, 3);
}

SgiPicture ZipSuit() {
    Canvas c = SuitFront(kViolet, 403);
    DrawLine(c, {kCloth / 2.0f, kCloth - 44}, {kCloth / 2.0f, 20}, 4, kViolet.accent);
    for (float y = 24; y < kCloth - 46; y += 5)
        DrawLine(c, {kCloth / 2.0f - 3, y}, {kCloth / 2.0f + 3, y}, 1, kViolet.trim);
    FillRoundRect(c, kCloth / 2.0f - 4, kCloth - 58, kCloth / 2.0f + 4, kCloth - 46, 2, kViolet.trim);
    return ToPicture(c, 3);
}

SgiPicture BadgeSuit() {
    Canvas c = SuitFront(kOrange, 404);
    DrawButtons(c, kOrange, 2);
    FillEllipse(c, 84, 86, 9, 9, kOrange.accent);
    FillEllipse(c, 84, 86, 5, 5, kOrange.trim);
    return ToPicture(c, 3);
}

SgiPicture LoungeTop() {
    Canvas c = PinStripes(kLounge, 16, 2, 405);
    DrawLine(c, kFrontTop0, kFrontPoint, 6, kLounge.accent);
    DrawLine(c, kFrontTop1, kFrontPoint, 6, kLounge.accent);
    FillPolygon(c, {{34, kCloth}, {64, kCloth - 40}, {94, kCloth}}, kLounge.trim);
    DrawButtons(c, kLounge, 3);
    return ToPicture(c, 3);
}

SgiPicture LoungeSleeve() { return ToPicture(PinStripes(kLounge, 16, 2, 406), 3); }

// The robe: velvet crossed by a gold sash, a fur collar at the top.
SgiPicture RobeFront() {
    Canvas c = PlainCloth(kRobe.cloth, 407);
    Shade(c, [&](float x, float y) {
        Rgba t = Weave(kRobe.cloth, x, y, 407);
        return Scale(t, 0.85f + 0.25f * FractalNoise(x / 10, y / 40, 408, 3));
    });
    DrawLine(c, {10, kCloth - 10}, {kCloth - 30, 10}, 16, kRobe.accent);
    DrawLine(c, {10, kCloth - 10}, {kCloth - 30, 10}, 3, Scale(kRobe.accent, 0.7f));
    FillRect(c, 0, kCloth - 22, kCloth, kCloth, kRobe.trim);
    for (float x = 8; x < kCloth; x += 20) FillEllipse(c, x, kCloth - 12, 2.5f, 4, Grey(0.1f));
    return ToPicture(c, 3);
}

SgiPicture RobeVertical() {
    Canvas c = PlainCloth(kRobe.cloth, 409);
    FillRect(c, 0, 0, 18, kCloth, kRobe.accent);
    FillRect(c, kCloth - 18, 0, kCloth, kCloth, kRobe.accent);
    FillRect(c, kCloth / 2.0f - 6, 0, kCloth / 2.0f + 6, kCloth, kRobe.accent);
    return ToPicture(c, 3);
}

SgiPicture RobeSleeve() {
    Canvas c = SleeveBands(kRobe, 32, 7, 410);
    FillRect(c, kCloth - 20, 0, kCloth, kCloth, kRobe.trim);
    return ToPicture(c, 3);
}

SgiPicture Legs(const Palette& p, uint32_t seed) { return ToPicture(PinStripes(p, 32, 6, seed), 3); }
SgiPicture Arms(const Palette& p, uint32_t seed) { return ToPicture(SleeveBands(p, 16, 4, seed), 3); }

// Shoes, in decal mode: their own colours. Only the upper half of the side
// picture is used, the toe to the left; the sole is near uniform.
SgiPicture ShoeSide() {
    Canvas c = MakeCanvas(kCloth, kCloth, Colour(0.9f, 0.15f, 0.12f));
    Shade(c, [](float x, float y) { return Weave(Colour(0.9f, 0.15f, 0.12f), x, y, 411); });
    const float base = kCloth / 2.0f;
    FillPolygon(c, {{0, base}, {40, base}, {30, base + 30}, {0, base + 34}}, Grey(0.95f));
    DrawLine(c, {52, base + 6}, {78, base + 50}, 7, Grey(1));
    DrawLine(c, {68, base + 6}, {94, base + 54}, 7, Grey(1));
    FillRect(c, 108, base, kCloth, kCloth, Colour(0.6f, 0.08f, 0.08f));
    FillRect(c, 0, base, kCloth, base + 8, Grey(0.97f));
    DrawLine(c, {0, base + 8}, {kCloth, base + 8}, 2, Grey(0.5f));
    return ToPicture(c, 3);
}

SgiPicture ShoeLaces() {
    Canvas c = MakeCanvas(kCloth, kCloth, Colour(0.9f, 0.15f, 0.12f));
    FillRect(c, 28, 0, kCloth - 28, kCloth, Colour(0.98f, 0.9f, 0.85f));
    for (float y = 14; y < kCloth; y += 26) {
        DrawLine(c, {32, y}, {kCloth - 32, y + 13}, 5, Grey(1));
        DrawLine(c, {kCloth - 32, y}, {32, y + 13}, 5, Grey(0.9f));
        for (float x : {24.f, kCloth - 24.f}) {
            FillEllipse(c, x, y, 6, 6, Grey(0.75f));
            FillEllipse(c, x, y, 3, 3, Grey(0.2f));
        }
    }
    return ToPicture(c, 3);
}

SgiPicture ShoeSole() {
    Canvas c = MakeCanvas(64, 64, Grey(0.9f));
    Shade(c, [](float x, float y) { return Grey(0.86f + 0.06f * FractalNoise(x / 6, y / 6, 412, 2)); });
    return ToPicture(c, 3);
}

// The wide end of the gun's horn: a bright rim around a glowing bore.
SgiPicture GunMouth() {
    Canvas c = MakeCanvas(64, 64, Grey(0.7f));
    Shade(c, [](float x, float y) {
        float r = std::hypot(x - 32, y - 32) / 32;
        float rings = 0.5f + 0.5f * std::cos(r * 40);
        Rgba metal = Mix(Grey(0.55f), Grey(0.9f), rings * (1 - r));
        Rgba bore = Mix(Colour(0.7f, 0.95f, 1.0f), Colour(0.05f, 0.1f, 0.3f), SmoothStep(0.0f, 0.45f, r));
        return r < 0.55f ? bore : (r < 0.62f ? Grey(0.15f) : metal);
    });
    return ToPicture(c, 3);
}

SgiPicture Vertical0() { return Legs(kSky, 421); }
SgiPicture Vertical1() { return Legs(kLime, 422); }
SgiPicture Vertical2() { return Legs(kViolet, 423); }
SgiPicture Vertical3() { return Legs(kOrange, 424); }
SgiPicture Horizontal0() { return Arms(kSky, 431); }
SgiPicture Horizontal1() { return Arms(kLime, 432); }
SgiPicture Horizontal2() { return Arms(kViolet, 433); }
SgiPicture Horizontal3() { return Arms(kOrange, 434); }

}  // namespace

std::vector<PictureMaker> OutfitPictures() {
    return {{"nobuttons.sgi", PlainSuit},
            {"suit2.sgi", ButtonSuit},
            {"suit3.sgi", ZipSuit},
            {"suit4.sgi", BadgeSuit},
            {"blueloungewear.sgi", LoungeTop},
            {"robe.sgi.1", RobeFront},
            {"vertical.sgi", Vertical0},
            {"vertical2.sgi", Vertical1},
            {"vertical3.sgi", Vertical2},
            {"vertical4.sgi", Vertical3},
            {"blueloungewearsleeve.sgi", LoungeSleeve},
            {"newrobevertical.sgi", RobeVertical},
            {"horizontal.sgi", Horizontal0},
            {"horizontal2.sgi", Horizontal1},
            {"horizontal3.sgi", Horizontal2},
            {"horizontal4.sgi", Horizontal3},
            {"newrobehorizontal.sgi", RobeSleeve},
            {"gunmouth.sgi", GunMouth},
            {"shoeside.sgi", ShoeSide},
            {"shoelaces.sgi", ShoeLaces},
            {"shoesole.sgi", ShoeSole}};
}
