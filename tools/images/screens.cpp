// Menu pages, the pause, game-over and get-ready overlays and the HUD icons.
//
// Menu pages are shown on a 6 by 6 square, so a row's place on the page is
// given in those units (v = y / 6); the menus dim whole horizontal bands, and
// each item's lettering must sit inside its own band.
#include <string>

#include "catalogue.h"
#include "motifs.h"
#include "text.h"

namespace {

const int kPageSize = 512;
const float kUnit = kPageSize / 6.0f;

// The title sprites that show through holes in the title page, in page units.
struct Hole {
    float x0, y0, x1, y1;
};
const Hole kTitleHoles[] = {{1.8f, 3.8f, 4.2f, 6.2f}, {3.7f, 5.0f, 4.7f, 6.0f}};

const Rgba kHeroColours[4] = {{1.0f, 0.5f, 0.5f, 1}, {0.9f, 0.1f, 0.1f, 1},
                              {0.9f, 0.9f, 0.9f, 1}, {0.1f, 0.1f, 0.9f, 1}};

const Rgba kInk = {1.0f, 0.95f, 0.75f, 1};
const Rgba kOutline = {0.05f, 0.02f, 0.1f, 1};

// A menu row: lettering centred at (x, y) in page units, on a soft panel.
void DrawMenuRow(Canvas& c, const std::string& text, float x, float y, float size,
                 float panelHalfHeight) {
    float w = TextWidth(Face::SansBold, text, size);
    FillRoundRect(c, x * kUnit - w / 2 - 30, (y - panelHalfHeight) * kUnit, x * kUnit + w / 2 + 30,
                  (y + panelHalfHeight) * kUnit, 14, Colour(1, 1, 1, 0.12f));
    TextPlacement at{x * kUnit, y * kUnit - size * 0.36f, size, true};
    DrawText(c, Face::SansBold, text, at, kInk, kOutline, 3);
}

void DrawHeading(Canvas& c, const std::string& text, float y, float size) {
    size = FitTextSize(Face::SerifBold, text, size, c.width * 0.9f);
    TextPlacement at{c.width / 2.0f, y * kUnit, size, true};
    Mask letters = TextMask(c.width, c.height, Face::SerifBold, text, at);
    PaintMask(c, DilateMask(letters, 4), kOutline);
    PaintMaskGradient(c, letters, Colour(1, 0.55f, 0.1f), Colour(1, 0.95f, 0.4f), at.baseline,
                      at.baseline + size * 0.75f);
}

void DrawHint(Canvas& c, float y) {
    TextPlacement at{c.width / 2.0f, y * kUnit, 19, true};
    DrawText(c, Face::Sans, "Up and Down choose, Space goes on", at, Grey(0.85f), kOutline, 2);
}

SgiPicture TitlePage() {
    Canvas c = MakeCanvas(kPageSize, kPageSize, Grey(0));
    PaintNightSky(c, Colour(0.16f, 0.02f, 0.22f), Colour(0.02f, 0.03f, 0.16f), 11);
    // A glowing frame around the sprites, then the holes they show through.
    for (const Hole& h : kTitleHoles)
        FillRoundRect(c, h.x0 * kUnit - 8, h.y0 * kUnit - 8, h.x1 * kUnit + 8, h.y1 * kUnit + 8, 10,
                      Colour(0.55f, 0.75f, 1.0f, 0.45f));
    for (const Hole& h : kTitleHoles)
        ClearRect(c, int(h.x0 * kUnit), int(h.y0 * kUnit), int(h.x1 * kUnit + 1),
                  int(h.y1 * kUnit + 1));
    DrawMenuRow(c, "STORY", 3.0f, 3.0f, 78, 0.62f);
    DrawMenuRow(c, "PLAY", 3.0f, 1.2f, 78, 0.62f);
    TextPlacement note{c.width / 2.0f, 0.25f * kUnit, 19, true};
    DrawText(c, Face::Sans, "Up and Down choose, Space goes on", note, Grey(0.85f), kOutline, 2);
    return ToPicture(c, 4);
}

SgiPicture WorldPage() {
    Canvas c = MakeCanvas(kPageSize, kPageSize, Grey(0));
    PaintNightSky(c, Colour(0.02f, 0.14f, 0.12f), Colour(0.02f, 0.05f, 0.2f), 12);
    DrawHeading(c, "Choose a World", 5.0f, 58);
    DrawHint(c, 4.45f);
    const char* rows[] = {"World 1", "World 2", "World 3"};
    for (int i = 0; i < 3; ++i) DrawMenuRow(c, rows[i], 3.0f, 3.7f - 0.8f * i, 52, 0.34f);
    // The last band reaches the bottom of the page; a row of gems fills it.
    for (int i = 0; i < 5; ++i)
        DrawGemShape(c, kUnit * (1.0f + i), 0.9f * kUnit, 18, 22,
                     Mix(kHeroColours[i % 4], Colour(0.3f, 0.9f, 1.0f), 0.4f));
    return ToPicture(c, 3);
}

SgiPicture PlayersPage() {
    Canvas c = MakeCanvas(kPageSize, kPageSize, Grey(0));
    PaintNightSky(c, Colour(0.18f, 0.03f, 0.1f), Colour(0.05f, 0.02f, 0.2f), 13);
    DrawHeading(c, "How Many Players?", 5.0f, 50);
    DrawHint(c, 4.45f);
    const char* rows[] = {"1 Player", "2 Players", "3 Players", "4 Players"};
    for (int i = 0; i < 4; ++i) {
        float y = 3.7f - 0.8f * i;
        DrawMenuRow(c, rows[i], 2.4f, y, 46, 0.34f);
        // One head per player, in the heroes' colours, beside the row.
        for (int p = 0; p <= i; ++p)
            DrawBunnyHead(c, 4.25f * kUnit + p * 30.0f, y * kUnit - 8, 11, kHeroColours[p]);
    }
    return ToPicture(c, 3);
}

// Big lettering on a clear background, for the pictures laid over the views.
Canvas OverlayCanvas(const std::string& text, float size, Rgba bottom, Rgba top) {
    Canvas c = MakeCanvas(kPageSize, kPageSize, Colour(0, 0, 0, 0));
    size = FitTextSize(Face::SansBold, text, size, c.width * 0.88f);
    TextPlacement at{c.width / 2.0f, c.height / 2.0f - size * 0.36f, size, true};
    Mask letters = TextMask(c.width, c.height, Face::SansBold, text, at);
    PaintMask(c, DilateMask(letters, 12), Colour(0, 0, 0, 0.35f));
    PaintMask(c, DilateMask(letters, 5), kOutline);
    PaintMaskGradient(c, letters, bottom, top, at.baseline, at.baseline + size * 0.75f);
    return c;
}

SgiPicture GetReadyOverlay() {
    return ToPicture(OverlayCanvas("GET READY!", 78, Colour(0.2f, 0.8f, 0.2f), Colour(0.9f, 1, 0.4f)), 4);
}

SgiPicture GameOverOverlay() {
    return ToPicture(OverlayCanvas("GAME OVER", 84, Colour(0.8f, 0.05f, 0.05f), Colour(1, 0.6f, 0.3f)), 4);
}

// The pause picture: the word over a low flame, and how to go on.
SgiPicture PauseOverlay() {
    Canvas c = MakeCanvas(kPageSize, kPageSize, Colour(0, 0, 0, 0));
    PaintWhere(c, Colour(1, 0.45f, 0.05f), [&](float x, float y) {
        float dx = (x - c.width / 2.0f) / 190, dy = (y - 190) / 150;
        if (dy < 0 || dx * dx > 1) return 0.f;
        float flicker = FractalNoise(x / 24, y / 40 - 0.0f, 21, 4);
        float height = (1 - dx * dx) * (0.55f + 0.6f * flicker);
        return Clamp01((height - dy) * 3) * 0.75f;
    });
    PaintWhere(c, Colour(1, 0.9f, 0.3f), [&](float x, float y) {
        float dx = (x - c.width / 2.0f) / 130, dy = (y - 190) / 100;
        if (dy < 0 || dx * dx > 1) return 0.f;
        float height = (1 - dx * dx) * (0.5f + 0.5f * FractalNoise(x / 20, y / 30, 22, 3));
        return Clamp01((height - dy) * 3) * 0.6f;
    });
    Canvas word = OverlayCanvas("PAUSED", 96, Colour(1, 0.75f, 0.1f), Colour(1, 1, 0.7f));
    for (size_t i = 0; i < c.texels.size(); ++i) {
        const Rgba& t = word.texels[i];
        BlendTexel(c, int(i % c.width), int(i / c.width), Colour(t.r, t.g, t.b), t.a);
    }
    TextPlacement at{c.width / 2.0f, 150, 26, true};
    DrawText(c, Face::SansBold, "Press P to play on", at, Grey(1), kOutline, 3);
    return ToPicture(c, 4);
}

// HUD icons are shown on a quad about 0.6 as wide as it is tall, so they are
// drawn widened to look round on screen.
const float kIconWiden = 1.65f;

SgiPicture HeadIcon() {
    Canvas c = MakeCanvas(64, 64, Colour(0.02f, 0.02f, 0.3f));
    DrawBunnyHead(c, 32, 22, 15, Grey(0.95f), kIconWiden);
    return ToPicture(c, 3);
}

SgiPicture GemIcon() {
    Canvas c = MakeCanvas(64, 64, Colour(0.6f, 0.95f, 1.0f, 0));
    DrawGemShape(c, 32, 32, 28, 22, Colour(0.3f, 0.9f, 1.0f));
    return ToPicture(c, 4);
}

}  // namespace

std::vector<PictureMaker> ScreenPictures() {
    return {{"title.sgi", TitlePage},         {"selectworld.sgi", WorldPage},
            {"numplayers.sgi", PlayersPage},  {"getready.sgi", GetReadyOverlay},
            {"gameover.sgi", GameOverOverlay}, {"pfire1.sgi", PauseOverlay},
            {"head.sgi", HeadIcon},           {"gem.sgi", GemIcon}};
}
