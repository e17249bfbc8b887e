// The picture generator's painting code: blending, shapes, noise, storage
// layout, lettering and the contact sheet.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "canvas.h"
#include "contact_sheet.h"
#include "test_support.h"
#include "text.h"

namespace {

void ExpectColour(Rgba actual, Rgba expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
    EXPECT_NEAR(actual.a, expected.a, tolerance);
}

// Rows (bottom first) and columns of a mask that hold any ink.
struct InkBox {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};

InkBox InkBounds(const Mask& m, float threshold = 0.5f) {
    InkBox box;
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            if (m.cover[size_t(y) * m.width + x] >= threshold) {
                box.x0 = std::min(box.x0, x), box.x1 = std::max(box.x1, x);
                box.y0 = std::min(box.y0, y), box.y1 = std::max(box.y1, y);
            }
    return box;
}

int InkInRow(const Mask& m, int y) {
    int n = 0;
    for (int x = 0; x < m.width; ++x) n += m.cover[size_t(y) * m.width + x] >= 0.5f;
    return n;
}

}  // namespace

TEST(PicturePainting, BlendingIsSourceOverWithoutDarkFringes) {
    Canvas c = MakeCanvas(2, 1, Colour(0, 0, 1, 1));
    TexelAt(c, 1, 0) = Colour(0, 0, 0, 0);
    BlendTexel(c, 0, 0, Colour(1, 0, 0, 1), 0.5f);
    ExpectColour(TexelAt(c, 0, 0), Colour(0.5f, 0, 0.5f, 1));
    // Over a clear texel the colour stays itself; only the alpha is partial.
    BlendTexel(c, 1, 0, Colour(1, 0, 0, 0.8f), 0.5f);
    ExpectColour(TexelAt(c, 1, 0), Colour(1, 0, 0, 0.4f));
    // Off the canvas and zero coverage change nothing.
    BlendTexel(c, -1, 0, Colour(1, 1, 1, 1), 1);
    BlendTexel(c, 2, 0, Colour(1, 1, 1, 1), 1);
    BlendTexel(c, 0, 0, Colour(1, 1, 1, 1), 0);
    ExpectColour(TexelAt(c, 0, 0), Colour(0.5f, 0, 0.5f, 1));
}

TEST(PicturePainting, RectanglesCoverTexelsByTheirCentres) {
    Canvas c = MakeCanvas(8, 8, Colour(0, 0, 0, 0));
    FillRect(c, 2, 2, 6, 6, Colour(1, 1, 1, 1));
    EXPECT_FLOAT_EQ(TexelAt(c, 2, 2).a, 1);
    EXPECT_FLOAT_EQ(TexelAt(c, 5, 5).a, 1);
    EXPECT_FLOAT_EQ(TexelAt(c, 1, 3).a, 0);
    EXPECT_FLOAT_EQ(TexelAt(c, 6, 3).a, 0);
    // An edge through the middle of a texel covers half of it.
    Canvas half = MakeCanvas(8, 8, Colour(0, 0, 0, 0));
    FillRect(half, 2.5f, 0, 8, 8, Colour(1, 1, 1, 1));
    EXPECT_NEAR(TexelAt(half, 2, 4).a, 0.5f, 1e-5f);
    EXPECT_FLOAT_EQ(TexelAt(half, 3, 4).a, 1);
}

TEST(PicturePainting, ShapesReachingPastTheEdgesAreClipped) {
    Canvas c = MakeCanvas(16, 16, Colour(0, 0, 0, 0));
    FillEllipse(c, 0, 0, 10, 10, Colour(1, 0, 0, 1));
    FillEllipse(c, 40, 40, 5, 5, Colour(0, 1, 0, 1));
    DrawLine(c, {-20, 8}, {40, 8}, 2, Colour(0, 0, 1, 1));
    FillPolygon(c, {{-5, -5}, {30, -5}, {-5, 30}}, Colour(1, 1, 1, 0.5f));
    ClearRect(c, -100, 12, 100, 100);
    EXPECT_GT(TexelAt(c, 1, 1).a, 0.9f);
    EXPECT_FLOAT_EQ(TexelAt(c, 15, 15).a, 0);
    EXPECT_GT(TexelAt(c, 15, 8).b, 0.4f);
    for (int x = 0; x < 16; ++x) EXPECT_FLOAT_EQ(TexelAt(c, x, 13).a, 0) << x;
}

TEST(PicturePainting, PolygonsFillInsideOnlyEvenWhenConcave) {
    Canvas c = MakeCanvas(20, 20, Colour(0, 0, 0, 0));
    // An L: the notch at the upper right stays clear.
    FillPolygon(c, {{2, 2}, {18, 2}, {18, 8}, {8, 8}, {8, 18}, {2, 18}}, Colour(1, 1, 1, 1));
    EXPECT_FLOAT_EQ(TexelAt(c, 4, 15).a, 1);
    EXPECT_FLOAT_EQ(TexelAt(c, 15, 4).a, 1);
    EXPECT_FLOAT_EQ(TexelAt(c, 14, 14).a, 0);
    EXPECT_FLOAT_EQ(TexelAt(c, 0, 0).a, 0);
    // Too few corners draw nothing.
    FillPolygon(c, {{0, 0}, {19, 19}}, Colour(1, 0, 0, 1));
    EXPECT_FLOAT_EQ(TexelAt(c, 14, 14).a, 0);
}

TEST(PicturePainting, RingsLeaveTheirMiddleClear) {
    Canvas c = MakeCanvas(32, 32, Colour(0, 0, 0, 0));
    FillRing(c, 16, 16, 8, 12, Colour(1, 1, 1, 1));
    EXPECT_FLOAT_EQ(TexelAt(c, 16, 16).a, 0);
    EXPECT_FLOAT_EQ(TexelAt(c, 26, 16).a, 1);
    EXPECT_FLOAT_EQ(TexelAt(c, 30, 16).a, 0);
}

TEST(PicturePainting, NoiseIsRepeatableBoundedAndTilesWithAPeriod) {
    float lowest = 1, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        float x = i * 0.37f, y = i * 0.11f;
        float v = FractalNoise(x, y, 7, 4);
        lowest = std::min(lowest, v), highest = std::max(highest, v);
        ASSERT_EQ(v, FractalNoise(x, y, 7, 4));
        ASSERT_NEAR(ValueNoise(x, y, 3, 4), ValueNoise(x + 4, y - 8, 3, 4), 1e-3f);
        ASSERT_NEAR(FractalNoise(x, y, 9, 3, 4), FractalNoise(x + 4, y + 4, 9, 3, 4), 1e-3f);
    }
    EXPECT_GE(lowest, 0.f);
    EXPECT_LT(highest, 1.f);
    EXPECT_GT(highest - lowest, 0.3f);  // it does vary
    EXPECT_NE(ValueNoise(1.5f, 1.5f, 1), ValueNoise(1.5f, 1.5f, 2));
    // Negative lattice cells wrap into the period too.
    EXPECT_NEAR(ValueNoise(-0.5f, -2.5f, 5, 4), ValueNoise(3.5f, 1.5f, 5, 4), 1e-6f);
}

TEST(PicturePainting, StoredChannelsFollowTheFileLayout) {
    Canvas c = MakeCanvas(2, 2, Colour(0, 0, 0, 1));
    TexelAt(c, 0, 0) = Colour(1, 0, 0, 0.5f);      // bottom left
    TexelAt(c, 1, 1) = Colour(1.3f, -0.2f, 0.5f, 1);  // top right, out of range
    SgiPicture rgba = ToPicture(c, 4);
    ASSERT_EQ(rgba.texels.size(), 16u);
    EXPECT_EQ(rgba.texels[0], 255);  // bottom row comes first
    EXPECT_EQ(rgba.texels[3], 128);
    EXPECT_EQ(rgba.texels[12], 255);  // clamped, not wrapped
    EXPECT_EQ(rgba.texels[13], 0);
    EXPECT_EQ(rgba.texels[14], 128);
    SgiPicture rgb = ToPicture(c, 3);
    EXPECT_EQ(rgb.texels.size(), 12u);
    EXPECT_EQ(rgb.channels, 3);
    SgiPicture grey = ToPicture(c, 2);
    ASSERT_EQ(grey.texels.size(), 8u);
    EXPECT_EQ(grey.texels[0], 76);  // red's share of the brightness
    EXPECT_EQ(grey.texels[1], 128);
    EXPECT_EQ(ToPicture(c, 1).texels.size(), 4u);
}

TEST(PicturePainting, LetteringIsUprightOnItsBaselineAndCentred) {
    TextPlacement at{64, 20, 40, true};
    Mask t = TextMask(128, 96, Face::SansBold, "T", at);
    InkBox box = InkBounds(t);
    ASSERT_GE(box.y1, box.y0);
    // The bar of a T is at its top: rows count upward.
    EXPECT_GT(InkInRow(t, box.y1 - 1), 3 * InkInRow(t, box.y0 + 1));
    EXPECT_NEAR(box.y0, 20, 1);
    EXPECT_NEAR((box.x0 + box.x1) / 2.0, 64, 2);
    // A descender goes below the baseline.
    Mask g = TextMask(128, 96, Face::Sans, "g", at);
    EXPECT_LT(InkBounds(g).y0, 18);
    // Left-aligned text starts at x.
    Mask left = TextMask(128, 96, Face::Sans, "H", TextPlacement{10, 20, 40, false});
    EXPECT_NEAR(InkBounds(left).x0, 10, 5);
}

TEST(PicturePainting, LetteringOffTheCanvasIsClipped) {
    Mask m = TextMask(16, 16, Face::SerifBold, "WWWWWW", TextPlacement{0, -10, 60, true});
    EXPECT_EQ(m.cover.size(), 256u);
    Mask empty = TextMask(16, 16, Face::Sans, "", TextPlacement{8, 8, 12, true});
    EXPECT_EQ(InkBounds(empty).x1, -1);
}

TEST(PicturePainting, LongLinesShrinkToFit) {
    float size = FitTextSize(Face::SansBold, "How Many Players?", 80, 300);
    EXPECT_LT(size, 80);
    EXPECT_LE(TextWidth(Face::SansBold, "How Many Players?", size), 300.5f);
    EXPECT_EQ(FitTextSize(Face::Sans, "Go", 20, 300), 20);
}

TEST(PicturePainting, OutlinesGrowByTheirRadius) {
    Mask dot{21, 21, std::vector<float>(21 * 21, 0.f)};
    dot.cover[10 * 21 + 10] = 1;
    Mask grown = DilateMask(dot, 3);
    // Full strength inside the radius, half on it (the anti-aliased edge),
    // nothing a texel beyond.
    EXPECT_FLOAT_EQ(grown.cover[10 * 21 + 12], 1);
    EXPECT_FLOAT_EQ(grown.cover[10 * 21 + 13], 0.5f);
    EXPECT_GT(grown.cover[12 * 21 + 12], 0.5f);
    EXPECT_FLOAT_EQ(grown.cover[10 * 21 + 14], 0);
    EXPECT_FLOAT_EQ(grown.cover[10 * 21 + 10], 1);
}

TEST(PicturePainting, ContactSheetIsAPngWithACellPerPicture) {
    std::vector<NamedPicture> pictures;
    for (int i = 0; i < 9; ++i)
        pictures.push_back({"p" + std::to_string(i) + ".sgi",
                            ToPicture(MakeCanvas(16 << (i % 3), 16, Grey(i / 9.0f)), 1 + i % 4)});
    std::string path = ScratchDir("contact-sheet") + "/sheet.png";
    ASSERT_TRUE(WriteContactSheet(path, pictures));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
    png_image_free(&image);
    // Eight to a row: nine pictures take two rows of the full width.
    EXPECT_EQ(image.width % 8, 0u);
    EXPECT_GT(image.width, 8u * 16);
    EXPECT_GT(image.height, 2u * 16);
    EXPECT_LT(image.height, image.width);
    EXPECT_FALSE(WriteContactSheet("/nonexistent/folder/sheet.png", pictures));
}
