// The pictures the build writes into the data folder, read back through the
// game's own image reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "support/sgi_image.h"
#include "test_support.h"

namespace {

// Opaque pictures are drawn in decal mode or as solid panels; blended ones
// need an alpha channel with clear parts.
enum class Use { Opaque, Blended };

struct Expected {
    const char* name;
    Use use;
};

const Expected kPictures[] = {
    // Menus, overlays and HUD icons.
    {"title.sgi", Use::Blended}, {"selectworld.sgi", Use::Opaque},
    {"numplayers.sgi", Use::Opaque}, {"getready.sgi", Use::Blended},
    {"gameover.sgi", Use::Blended}, {"pfire1.sgi", Use::Blended},
    {"head.sgi", Use::Opaque}, {"gem.sgi", Use::Blended},
    // The board and the shots.
    {"bg02.sgi", Use::Opaque}, {"purple.sgi", Use::Opaque}, {"newfloor.sgi", Use::Opaque},
    {"bg11.sgi", Use::Opaque}, {"spiral.sgi", Use::Opaque}, {"step.sgi", Use::Opaque},
    {"box.sgi", Use::Opaque}, {"whitepib.sgi", Use::Opaque}, {"shot.sgi", Use::Blended},
    // Bunny outfits, shoes, gun mouth; the clothes are lit and modulated, the
    // shoes drawn in decal mode.
    {"nobuttons.sgi", Use::Opaque}, {"suit2.sgi", Use::Opaque}, {"suit3.sgi", Use::Opaque},
    {"suit4.sgi", Use::Opaque}, {"blueloungewear.sgi", Use::Opaque}, {"robe.sgi.1", Use::Opaque},
    {"vertical.sgi", Use::Opaque}, {"vertical2.sgi", Use::Opaque}, {"vertical3.sgi", Use::Opaque},
    {"vertical4.sgi", Use::Opaque}, {"blueloungewearsleeve.sgi", Use::Opaque},
    {"newrobevertical.sgi", Use::Opaque}, {"horizontal.sgi", Use::Opaque},
    {"horizontal2.sgi", Use::Opaque}, {"horizontal3.sgi", Use::Opaque},
    {"horizontal4.sgi", Use::Opaque}, {"newrobehorizontal.sgi", Use::Opaque},
    {"gunmouth.sgi", Use::Opaque}, {"shoeside.sgi", Use::Opaque}, {"shoelaces.sgi", Use::Opaque},
    {"shoesole.sgi", Use::Opaque},
    // Particles, blended and tinted by their colour.
    {"firebit.sgi", Use::Blended}, {"smoke.sgi", Use::Blended}, {"steam.sgi", Use::Blended},
    {"spark.sgi", Use::Blended},
    // The robot, drawn in decal mode.
    {"frontpanel.sgi", Use::Opaque}, {"hamster1.sgi", Use::Opaque}, {"hamster2.sgi", Use::Opaque},
    {"hamster3.sgi", Use::Opaque}, {"hamster4.sgi", Use::Opaque}, {"leftsquish1.sgi", Use::Opaque},
    {"leftsquish2.sgi", Use::Opaque}, {"leftsquish3.sgi", Use::Opaque},
    {"leftsquish4.sgi", Use::Opaque}, {"rightsquish1.sgi", Use::Opaque},
    {"rightsquish2.sgi", Use::Opaque}, {"rightsquish3.sgi", Use::Opaque},
    {"rightsquish4.sgi", Use::Opaque}, {"treads1.sgi", Use::Opaque}, {"treads2.sgi", Use::Opaque},
    {"hat.sgi", Use::Opaque},
    // Scene backdrops and props, and the second title picture.
    {"bigalps.sgi", Use::Opaque}, {"final3.sgi", Use::Blended}, {"palace.sgi", Use::Opaque},
    {"wood2.sgi", Use::Opaque}, {"woodvertical2.sgi", Use::Opaque},
    {"deathvalley256.sgi", Use::Opaque},
};

struct Picture {
    unsigned width = 0, height = 0, channels = 0;
    std::vector<unsigned char> rgba;

    const unsigned char* Texel(unsigned x, unsigned y) const { return &rgba[(size_t(y) * width + x) * 4]; }
    unsigned Alpha(unsigned x, unsigned y) const { return Texel(x, y)[3]; }
};

std::string DataPath(const std::string& name) { return std::string(PIB_DATA_DIR) + "/" + name; }

bool FileExists(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

Picture Load(const std::string& name) {
    Picture p;
    unsigned char* texels = ReadSgiImage(DataPath(name).c_str(), &p.width, &p.height, &p.channels);
    if (!texels) {
        ADD_FAILURE() << "no texels for " << name;
        return p;
    }
    p.rgba.assign(texels, texels + size_t(p.width) * p.height * 4);
    std::free(texels);
    return p;
}

bool PowerOfTwo(unsigned v) { return v > 0 && (v & (v - 1)) == 0; }

// How many texels have the alpha value at most / at least the bound.
size_t CountAlphaAtMost(const Picture& p, unsigned bound) {
    size_t n = 0;
    for (size_t i = 3; i < p.rgba.size(); i += 4) n += p.rgba[i] <= bound;
    return n;
}

std::vector<char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(Textures, TheListHoldsEveryFileTheGameReadsOnce) {
    std::vector<std::string> names;
    for (const Expected& e : kPictures) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    EXPECT_EQ(names.size(), 64u);
}

TEST(Textures, EveryPictureIsThereAndReadsWithTheRightShape) {
    for (const Expected& e : kPictures) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(FileExists(DataPath(e.name)));
        Picture p = Load(e.name);
        EXPECT_TRUE(PowerOfTwo(p.width)) << p.width;
        EXPECT_TRUE(PowerOfTwo(p.height)) << p.height;
        EXPECT_LE(p.width, 1024u);
        EXPECT_LE(p.height, 1024u);
        if (e.use == Use::Opaque) {
            EXPECT_TRUE(p.channels == 1 || p.channels == 3) << p.channels;
            EXPECT_EQ(CountAlphaAtMost(p, 254), 0u);
        } else {
            EXPECT_TRUE(p.channels == 2 || p.channels == 4) << p.channels;
            EXPECT_GT(CountAlphaAtMost(p, 0), 0u) << "no clear texel to blend with";
        }
    }
}

// The generator makes exactly the files listed here, no more, no misspelt.
TEST(Textures, GeneratorMakesExactlyTheListedFiles) {
    std::vector<std::string> made, listed;
    for (const PictureMaker& m : AllPictures()) made.push_back(m.fileName);
    for (const Expected& e : kPictures) listed.push_back(e.name);
    std::sort(made.begin(), made.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(made, listed);
}

// The menus dim whole bands of a page to show the choice, so each line of
// lettering must lie inside one band. Lettering is found as rows with many
// bright texels; runs of such rows are lines.
struct Band {
    const char* page;
    std::vector<double> edges;  // band edges in page units, 0 to 6
};

std::vector<std::pair<double, double>> LetteringLines(const Picture& p) {
    std::vector<std::pair<double, double>> lines;
    int start = -1;
    for (unsigned y = 0; y <= p.height; ++y) {
        int bright = 0;
        for (unsigned x = 0; y < p.height && x < p.width; ++x) {
            const unsigned char* t = p.Texel(x, y);
            bright += t[3] == 255 && t[0] > 200 && t[1] > 200 && t[2] > 150;
        }
        bool ink = bright >= 12;
        if (ink && start < 0) start = int(y);
        if (!ink && start >= 0) {
            lines.push_back({6.0 * start / p.height, 6.0 * y / p.height});
            start = -1;
        }
    }
    return lines;
}

TEST(Textures, MenuLetteringStaysInsideItsBand) {
    const Band pages[] = {{"title.sgi", {0, 2.3, 4.2, 6}},
                          {"selectworld.sgi", {0, 2.5, 3.3, 4.1, 6}},
                          {"numplayers.sgi", {0, 1.7, 2.5, 3.3, 4.1, 6}}};
    for (const Band& page : pages) {
        SCOPED_TRACE(page.page);
        Picture p = Load(page.page);
        std::vector<std::pair<double, double>> lines = LetteringLines(p);
        EXPECT_GE(lines.size(), page.edges.size() - 1) << "a row without lettering";
        for (auto [from, to] : lines)
            for (double edge : page.edges)
                EXPECT_FALSE(from < edge - 0.01 && to > edge + 0.01)
                    << "lettering from " << from << " to " << to << " crosses " << edge;
    }
}

// Each row of the world and players pages carries its own lettering.
TEST(Textures, EveryMenuRowHasLettering) {
    struct Rows {
        const char* page;
        std::vector<std::pair<double, double>> rows;
    };
    const Rows pages[] = {{"title.sgi", {{2.3, 4.2}, {0, 2.3}}},
                          {"selectworld.sgi", {{3.3, 4.1}, {2.5, 3.3}, {0, 2.5}}},
                          {"numplayers.sgi", {{3.3, 4.1}, {2.5, 3.3}, {1.7, 2.5}, {0, 1.7}}}};
    for (const Rows& page : pages) {
        SCOPED_TRACE(page.page);
        std::vector<std::pair<double, double>> lines = LetteringLines(Load(page.page));
        for (auto [lo, hi] : page.rows) {
            bool found = false;
            for (auto [from, to] : lines) found |= from >= lo && to <= hi && to - from > 0.25;
            EXPECT_TRUE(found) << "no lettering in " << lo << " to " << hi;
        }
    }
}

// The overlays lie over the players' views: lettering in the middle, the
// edges clear so the views show round it.
TEST(Textures, OverlaysAreClearRoundTheirLettering) {
    for (const char* name : {"getready.sgi", "gameover.sgi", "pfire1.sgi"}) {
        SCOPED_TRACE(name);
        Picture p = Load(name);
        ASSERT_GT(p.width, 0u);
        unsigned edgeInk = 0, middleInk = 0;
        for (unsigned i = 0; i < p.width; ++i) {
            edgeInk += p.Alpha(i, 0) + p.Alpha(i, p.height - 1) + p.Alpha(0, i) + p.Alpha(p.width - 1, i);
            middleInk += p.Alpha(i, p.height / 2) > 200;
        }
        EXPECT_EQ(edgeInk, 0u);
        EXPECT_GT(middleInk, p.width / 4);
    }
}

// The title page lies over the two title sprites and must let them show:
// clear wherever a sprite lies, opaque everywhere else.
TEST(Textures, TitlePageIsClearExactlyOverTheSprites) {
    struct Rect {
        double x0, y0, x1, y1;
    };
    const Rect sprites[] = {{1.8, 3.8, 4.2, 6.2}, {3.7, 5.0, 4.7, 6.0}};
    Picture p = Load("title.sgi");
    ASSERT_GT(p.width, 0u);
    size_t wrongInside = 0, wrongOutside = 0;
    for (unsigned y = 0; y < p.height; ++y)
        for (unsigned x = 0; x < p.width; ++x) {
            // Texel corners in page units (the page is 6 by 6).
            double u0 = 6.0 * x / p.width, u1 = 6.0 * (x + 1) / p.width;
            double v0 = 6.0 * y / p.height, v1 = 6.0 * (y + 1) / p.height;
            bool touches = false, inside = false;
            for (const Rect& r : sprites) {
                touches |= u1 > r.x0 && u0 < r.x1 && v1 > r.y0 && v0 < r.y1;
                inside |= u0 >= r.x0 && u1 <= r.x1 && v0 >= r.y0 && v1 <= r.y1;
            }
            if (inside && p.Alpha(x, y) != 0) ++wrongInside;
            if (!touches && p.Alpha(x, y) != 255) ++wrongOutside;
        }
    EXPECT_EQ(wrongInside, 0u) << "texels over a sprite that hide it";
    EXPECT_LT(wrongOutside, size_t(p.width) * p.height / 50) << "see-through texels off the sprites";
}

// The glasses' lens takes its colour from the middle of the spark's bottom
// edge; with linear filtering and a repeating texture the top edge's middle
// joins in. Both must be solid, or the lens vanishes.
TEST(Textures, SparkIsSolidWhereTheLensSamplesIt) {
    Picture p = Load("spark.sgi");
    ASSERT_GE(p.width, 2u);
    for (unsigned x : {p.width / 2 - 1, p.width / 2}) {
        EXPECT_EQ(p.Alpha(x, 0), 255u) << "bottom, column " << x;
        EXPECT_EQ(p.Alpha(x, p.height - 1), 255u) << "top, column " << x;
    }
}

// The hat's picture wraps round the dome: its first and last columns meet.
TEST(Textures, HatWrapsWithoutASeam) {
    Picture p = Load("hat.sgi");
    ASSERT_GT(p.width, 0u);
    for (unsigned y = 0; y < p.height; ++y)
        for (int ch = 0; ch < 3; ++ch) {
            int left = p.Texel(0, y)[ch], right = p.Texel(p.width - 1, y)[ch];
            ASSERT_LE(std::abs(left - right), 24) << "row " << y << " channel " << ch;
        }
}

// The two tread frames make the band roll: the second is the first moved
// on by half a bar spacing, not the same picture.
TEST(Textures, TreadFramesDifferButShareTheirColours) {
    Picture a = Load("treads1.sgi"), b = Load("treads2.sgi");
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    EXPECT_NE(a.rgba, b.rgba);
    auto brightness = [](const Picture& p) {
        double sum = 0;
        for (size_t i = 0; i < p.rgba.size(); i += 4) sum += p.rgba[i];
        return sum / (p.rgba.size() / 4);
    };
    EXPECT_NEAR(brightness(a), brightness(b), 8.0);
}

double Luminance(const Picture& p, unsigned x, unsigned y) {
    const unsigned char* t = p.Texel(x, y);
    return 0.299 * t[0] + 0.587 * t[1] + 0.114 * t[2];
}

// Spread of brightness along rows (within each row) and across them (of the
// row means): stripes across t vary across rows only.
void RowAndColumnSpread(const Picture& p, double* withinRows, double* acrossRows) {
    std::vector<double> means;
    double within = 0;
    for (unsigned y = 0; y < p.height; ++y) {
        double sum = 0, sq = 0;
        for (unsigned x = 0; x < p.width; ++x) {
            double v = Luminance(p, x, y);
            sum += v, sq += v * v;
        }
        double mean = sum / p.width;
        within += sq / p.width - mean * mean;
        means.push_back(mean);
    }
    double sum = 0, sq = 0;
    for (double m : means) sum += m, sq += m * m;
    *withinRows = std::sqrt(within / p.height);
    *acrossRows = std::sqrt(sq / means.size() - (sum / means.size()) * (sum / means.size()));
}

// A ramp's slope runs along t, so its steps are bands across t.
TEST(Textures, StepsRunUpThePicture) {
    Picture p = Load("step.sgi");
    ASSERT_GT(p.width, 0u);
    double within = 0, across = 0;
    RowAndColumnSpread(p, &within, &across);
    EXPECT_GT(across, 3 * within) << "within rows " << within << ", across rows " << across;
}

// The hole pad turns about its centre and must fade into the dark cell
// round it; the backdrop of the spiral scene is the same picture.
TEST(Textures, SpiralIsCentredWithDarkEdges) {
    Picture p = Load("spiral.sgi");
    ASSERT_GT(p.width, 0u);
    double edge = 0, middle = 0, asymmetry = 0;
    for (unsigned i = 0; i < p.width; ++i)
        edge += Luminance(p, i, 0) + Luminance(p, i, p.height - 1) + Luminance(p, 0, i) + Luminance(p, p.width - 1, i);
    edge /= 4.0 * p.width;
    for (unsigned y = p.height / 4; y < 3 * p.height / 4; ++y)
        for (unsigned x = p.width / 4; x < 3 * p.width / 4; ++x) {
            middle += Luminance(p, x, y);
            asymmetry += std::fabs(Luminance(p, x, y) - Luminance(p, p.width - 1 - x, p.height - 1 - y));
        }
    middle /= p.width * p.height / 4.0;
    asymmetry /= p.width * p.height / 4.0;
    EXPECT_LT(edge, 20);
    EXPECT_GT(middle, 60);
    EXPECT_LT(asymmetry, 12) << "not the same when turned half round its centre";
}

// Particles are tinted by their colour and blended: white blobs, clear at
// the corners, solid in the middle.
TEST(Textures, ParticlesAreWhiteBlobsThatFadeOut) {
    for (const char* name : {"firebit.sgi", "smoke.sgi", "steam.sgi", "spark.sgi", "shot.sgi"}) {
        SCOPED_TRACE(name);
        Picture p = Load(name);
        ASSERT_GT(p.width, 2u);
        unsigned w = p.width - 1, h = p.height - 1;
        for (auto [x, y] : {std::pair<unsigned, unsigned>{0, 0}, {w, 0}, {0, h}, {w, h}})
            EXPECT_EQ(p.Alpha(x, y), 0u) << "corner " << x << "," << y;
        EXPECT_GT(p.Alpha(p.width / 2, p.height / 2), 60u);
        EXPECT_GT(Luminance(p, p.width / 2, p.height / 2), 180);
    }
}

// The shoe sole is seen edge-on in small slivers: near uniform.
TEST(Textures, ShoeSoleIsNearlyUniform) {
    Picture p = Load("shoesole.sgi");
    double within = 0, across = 0;
    RowAndColumnSpread(p, &within, &across);
    EXPECT_LT(within, 12);
    EXPECT_LT(across, 12);
}

// Animated panels: every frame differs from the one before it.
TEST(Textures, AnimationFramesDifferFromEachOther) {
    for (const char* stem : {"hamster", "leftsquish", "rightsquish"}) {
        for (int f = 1; f <= 4; ++f) {
            std::string a = stem + std::to_string(f) + ".sgi";
            std::string b = stem + std::to_string(f % 4 + 1) + ".sgi";
            EXPECT_NE(Load(a).rgba, Load(b).rgba) << a << " and " << b;
        }
    }
}

// A new run of the generator writes the same bytes as the build's run, and
// two fresh runs agree with each other.
TEST(Textures, GeneratorIsDeterministic) {
    std::string a = ScratchDir("images-a"), b = ScratchDir("images-b");
    for (const std::string& dir : {a, b}) {
        std::string cmd = std::string("'") + PIB_MAKE_IMAGES + "' '" + dir + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    for (const Expected& e : kPictures) {
        SCOPED_TRACE(e.name);
        std::vector<char> built = FileBytes(DataPath(e.name));
        ASSERT_FALSE(built.empty());
        EXPECT_TRUE(built == FileBytes(a + "/" + e.name));
        EXPECT_TRUE(built == FileBytes(b + "/" + e.name));
    }
}

TEST(Textures, GeneratorReportsAFolderItCannotWrite) {
    std::string cmd = std::string("'") + PIB_MAKE_IMAGES + "' /nonexistent/folder 2>/dev/null";
    int status = std::system(cmd.c_str());
    EXPECT_NE(status, 0);
}
