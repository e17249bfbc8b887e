// The robot's pictures, drawn in decal mode and so opaque. The tread sides
// cycle through four frames: a hamster running in its wheel on the middle
// panel (the panel's front is the picture's left edge, so it runs that way),
// and a spring squashed and let go on each end panel, which the robot
// squeezes onto a trapezoid.
#include <cmath>

#include "catalogue.h"

namespace {

const float kPi = 3.14159265f;
const int kPanel = 128;

// Brushed dark steel with a bevelled rim.
Canvas SteelPanel(int size, uint32_t seed) {
    Canvas c = MakeCanvas(size, size, Grey(0));
    Shade(c, [&](float x, float y) {
        float brushed = FractalNoise(x / 40, y / 1.5f, seed, 3);
        Rgba steel = Scale(Colour(0.3f, 0.33f, 0.4f), 0.85f + 0.3f * brushed);
        float edge = std::min(std::min(x, size - x), std::min(y, size - y));
        if (edge < 5) return Mix(steel, edge < 2.5f ? Grey(0.8f) : Grey(0.05f), 0.5f);
        return steel;
    });
    return c;
}

void DrawRivet(Canvas& c, float x, float y, float r) {
    FillEllipse(c, x + 1, y - 1, r, r, Grey(0.08f));
    FillEllipse(c, x, y, r, r, Grey(0.65f));
    FillEllipse(c, x - r * 0.3f, y + r * 0.3f, r * 0.4f, r * 0.4f, Grey(0.95f));
}

// The body's face: two dials, a row of lamps, a little screen and a grille.
SgiPicture FrontPanel() {
    const int size = 256;
    Canvas c = SteelPanel(size, 501);
    for (float x : {14.f, size - 14.f})
        for (float y : {14.f, size - 14.f}) DrawRivet(c, x, y, 5);
    for (int i = 0; i < 2; ++i) {
        float cx = 72 + i * 112.0f, cy = 186;
        FillEllipse(c, cx, cy, 36, 36, Grey(0.1f));
        FillEllipse(c, cx, cy, 31, 31, Colour(0.95f, 0.93f, 0.8f));
        for (int t = 0; t < 9; ++t) {
            float a = kPi * (1.15f - t * 0.1625f);
            DrawLine(c, {cx + 24 * std::cos(a), cy + 24 * std::sin(a)},
                     {cx + 29 * std::cos(a), cy + 29 * std::sin(a)}, 2, Grey(0.15f));
        }
        float needle = kPi * (0.8f - 0.5f * i);
        DrawLine(c, {cx, cy}, {cx + 25 * std::cos(needle), cy + 25 * std::sin(needle)}, 3, Colour(0.85f, 0.1f, 0.1f));
        FillEllipse(c, cx, cy, 4, 4, Grey(0.2f));
    }
    const Rgba lamps[] = {{1, 0.2f, 0.2f, 1}, {1, 0.85f, 0.1f, 1}, {0.2f, 1, 0.3f, 1}, {0.3f, 0.6f, 1, 1}};
    for (int i = 0; i < 4; ++i) {
        float cx = 56 + i * 48.0f;
        FillEllipse(c, cx, 124, 11, 11, Grey(0.08f));
        FillEllipse(c, cx, 124, 8, 8, lamps[i]);
        FillEllipse(c, cx - 3, 127, 3, 3, Mix(lamps[i], Grey(1), 0.7f));
    }
    FillRoundRect(c, 40, 62, 216, 100, 6, Colour(0.02f, 0.12f, 0.05f));
    for (float x = 46; x < 210; x += 1)
        FillEllipse(c, x, 81 + 11 * std::sin(x / 9), 1.4f, 1.4f, Colour(0.3f, 1, 0.4f));
    for (float y = 22; y < 54; y += 8) FillRoundRect(c, 48, y, 208, y + 4, 2, Grey(0.06f));
    return ToPicture(c, 3);
}

// One frame of the hamster in its wheel; the wheel turns a quarter of a
// spoke gap each frame, the legs swap over every two.
SgiPicture HamsterFrame(int frame) {
    Canvas c = SteelPanel(kPanel, 511);
    const float cx = 64, cy = 64, rim = 54;
    FillEllipse(c, cx, cy, rim, rim, Colour(0.12f, 0.1f, 0.18f));
    FillRing(c, cx, cy, rim - 6, rim, Colour(0.85f, 0.75f, 0.2f));
    const int spokes = 8;
    float turn = (2 * kPi / spokes) * frame / 4.0f;
    for (int s = 0; s < spokes; ++s) {
        float a = turn + s * 2 * kPi / spokes;
        DrawLine(c, {cx, cy}, {cx + (rim - 4) * std::cos(a), cy + (rim - 4) * std::sin(a)}, 2.5f,
                 Colour(0.7f, 0.62f, 0.2f));
    }
    FillEllipse(c, cx, cy, 6, 6, Colour(0.85f, 0.75f, 0.2f));
    // The runner stands on the bottom of the rim, facing left.
    const Rgba fur = Colour(0.85f, 0.55f, 0.25f), belly = Colour(0.98f, 0.88f, 0.7f);
    float bob = (frame % 2) ? 2.0f : 0.0f;
    float stride = (frame < 2 ? 1.0f : -1.0f) * ((frame % 2) ? 0.5f : 1.0f);
    float feetY = cy - rim + 7, bodyY = feetY + 20 + bob;
    for (int leg = 0; leg < 2; ++leg) {
        float hip = leg == 0 ? cx - 10 : cx + 12;
        float swing = (leg == 0 ? stride : -stride) * 9;
        DrawLine(c, {hip, bodyY - 6}, {hip + swing, feetY}, 4, Scale(fur, 0.75f));
    }
    FillEllipse(c, cx + 1, bodyY, 22, 13, fur);
    FillEllipse(c, cx + 1, bodyY - 5, 15, 6, belly);
    FillEllipse(c, cx - 20, bodyY + 5, 10, 9, fur);
    FillEllipse(c, cx - 16, bodyY + 14, 4, 5, Colour(1, 0.7f, 0.7f));
    FillEllipse(c, cx - 23, bodyY + 7, 2.2f, 2.2f, Grey(0.05f));
    FillEllipse(c, cx - 30, bodyY + 3, 2.2f, 2, Colour(1, 0.5f, 0.6f));
    DrawLine(c, {cx + 22, bodyY + 2}, {cx + 28, bodyY + 6 - bob}, 2, Scale(fur, 0.8f));
    return ToPicture(c, 3);
}

// A coiled spring between two plates, squashed more or less by frame; the
// front and back panels take turns.
SgiPicture SquishFrame(int frame, bool back) {
    Canvas c = SteelPanel(kPanel, back ? 522 : 521);
    const float squash[4] = {0.0f, 0.45f, 0.8f, 0.45f};
    float s = squash[(frame + (back ? 2 : 0)) % 4];
    float bottom = 18, top = 110 - 50 * s;
    FillRect(c, 20, bottom - 8, 108, bottom, Grey(0.75f));
    const int coils = 5;
    Point last{44, bottom};
    for (int i = 1; i <= coils * 2; ++i) {
        Point next{i % 2 ? 84.f : 44.f, bottom + (top - bottom) * i / (coils * 2.0f)};
        DrawLine(c, last, next, 5, Colour(0.95f, 0.65f, 0.15f));
        last = next;
    }
    FillRect(c, 20, top, 108, top + 10, Colour(0.85f, 0.15f, 0.15f));
    FillRect(c, 56, top + 10, 72, kPanel - 6, Grey(0.6f));
    for (float x : {12.f, kPanel - 12.f}) DrawRivet(c, x, kPanel - 12, 4);
    return ToPicture(c, 3);
}

// The tread band: rubber with raised cross-bars, the second frame moved on
// by half a bar spacing so that the two frames in turn make it roll.
SgiPicture TreadFrame(int frame) {
    Canvas c = MakeCanvas(kPanel, kPanel, Grey(0));
    const float period = kPanel / 4.0f;
    Shade(c, [&](float x, float y) {
        float f = std::fmod(y + frame * period / 2, period) / period;
        Rgba rubber = Scale(Grey(0.22f), 0.85f + 0.3f * FractalNoise(x / 6, y / 6, 531, 2));
        if (f < 0.4f) return Mix(rubber, Grey(0.55f), 0.8f - f);
        return f < 0.48f ? Grey(0.08f) : rubber;
    });
    return ToPicture(c, 3);
}

// The hat: a cap of coloured gores meeting at the crown. Each gore spans a
// whole number of eighths of s and the seam lies mid-gore, so the picture
// wraps round the dome without a join.
SgiPicture HatGores() {
    Canvas c = MakeCanvas(kPanel, kPanel, Grey(0));
    const Rgba gores[4] = {{0.95f, 0.2f, 0.2f, 1}, {1, 0.85f, 0.15f, 1}, {0.2f, 0.75f, 0.3f, 1}, {0.2f, 0.45f, 0.95f, 1}};
    Shade(c, [&](float x, float y) {
        float s = x / kPanel * 8 + 0.5f;
        int gore = int(std::floor(s)) % 8;
        float inGore = s - std::floor(s);
        Rgba colour = gores[gore % 4];
        float seam = std::min(inGore, 1 - inGore);
        if (seam < 0.06f) colour = Scale(colour, 0.6f);
        if (y > kPanel * 0.9f) colour = Grey(0.95f);
        if (y < kPanel * 0.12f) colour = Grey(0.15f);
        return colour;
    });
    return ToPicture(c, 3);
}

SgiPicture Hamster1() { return HamsterFrame(0); }
SgiPicture Hamster2() { return HamsterFrame(1); }
SgiPicture Hamster3() { return HamsterFrame(2); }
SgiPicture Hamster4() { return HamsterFrame(3); }
SgiPicture LeftSquish1() { return SquishFrame(0, false); }
SgiPicture LeftSquish2() { return SquishFrame(1, false); }
SgiPicture LeftSquish3() { return SquishFrame(2, false); }
SgiPicture LeftSquish4() { return SquishFrame(3, false); }
SgiPicture RightSquish1() { return SquishFrame(0, true); }
SgiPicture RightSquish2() { return SquishFrame(1, true); }
SgiPicture RightSquish3() { return SquishFrame(2, true); }
SgiPicture RightSquish4() { return SquishFrame(3, true); }
SgiPicture Treads1() { return TreadFrame(0); }
SgiPicture Treads2() { return TreadFrame(1); }

}  // namespace

std::vector<PictureMaker> RobotPictures() {
    return {{"frontpanel.sgi", FrontPanel}, {"hamster1.sgi", Hamster1},
            {"hamster2.sgi", Hamster2},     {"hamster3.sgi", Hamster3},
            {"hamster4.sgi", Hamster4},     {"leftsquish1.sgi", LeftSquish1},
            {"leftsquish2.sgi", LeftSquish2}, {"leftsquish3.sgi", LeftSquish3},
            {"leftsquish4.sgi", LeftSquish4}, {"rightsquish1.sgi", RightSquish1},
            {"rightsquish2.sgi", RightSquish2}, {"rightsquish3.sgi", RightSquish3},
            {"rightsquish4.sgi", RightSquish4}, {"treads1.sgi", Treads1},
            {"treads2.sgi", Treads2},       {"hat.sgi", HatGores}};
}
