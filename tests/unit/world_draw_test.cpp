// The board drawn under the virtual display: each shipped world from above,
// with its floors, walls, poles, found gems and bands.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/keys.h"
#include "support/sgi_image.h"
#include "test_support.h"
#include "world/board.h"
#include "world/board_draw.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"
#include "world_test_support.h"

namespace {
const int kShotSize = 400;

struct Rgb {
    double r, g, b;
};

struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;  // RGB, bottom row first

    Rgb Mean(int x0, int y0, int x1, int y1) const {
        Rgb sum = {0, 0, 0};
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = &pixels[(size_t(y) * width + x) * 3];
                sum.r += p[0];
                sum.g += p[1];
                sum.b += p[2];
                ++n;
            }
        }
        return {sum.r / n, sum.g / n, sum.b / n};
    }
    int CountDistinct() const {
        std::vector<bool> seen(1 << 15);
        int n = 0;
        for (size_t k = 0; k < pixels.size(); k += 3) {
            int key = (pixels[k] >> 3) << 10 | (pixels[k + 1] >> 3) << 5 | pixels[k + 2] >> 3;
            if (!seen[key]) ++n;
            seen[key] = true;
        }
        return n;
    }
};

double Distance(Rgb a, Rgb b) { return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b)); }

// The mean colour of a texture file as 0-255 RGB.
Rgb TextureMean(const char* file) {
    unsigned w, h, c;
    unsigned char* texels = ReadSgiImage(file, &w, &h, &c);
    Rgb sum = {0, 0, 0};
    for (unsigned k = 0; k < w * h; ++k) {
        sum.r += texels[k * 4];
        sum.g += texels[k * 4 + 1];
        sum.b += texels[k * 4 + 2];
    }
    return {sum.r / (w * h), sum.g / (w * h), sum.b / (w * h)};
}

class BoardDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
        // The world textures are read by bare name from the data folder.
        ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
        ClearKeyStates();
    }

    // Board square (x, y) as a pixel rectangle of the view from above.
    void SquarePixels(int x, int y, int* x0, int* y0, int* x1, int* y1) {
        double cell = double(kShotSize) / span;
        *x0 = int((x + 1) * cell) + 3;
        *y0 = int((y + 1) * cell) + 3;
        *x1 = int((x + 2) * cell) - 3;
        *y1 = int((y + 2) * cell) - 3;
    }

    Rgb SquareMean(const Screenshot& shot, int x, int y) {
        int x0, y0, x1, y1;
        SquarePixels(x, y, &x0, &y0, &x1, &y1);
        return shot.Mean(x0, y0, x1, y1);
    }

    // Looks straight down on the whole board and its wall ring.
    void ViewFromAbove() {
        span = std::max(GetBoardWidth(), GetBoardHeight()) + 2;
        glViewport(0, 0, kShotSize, kShotSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1, span - 1, -1, span - 1, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    Screenshot Draw(const std::string& name) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        const GLfloat light[4] = {0.3f, -0.5f, 1.0f, 0};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        DrawWorld();
        glFinish();
        Screenshot shot;
        shot.width = shot.height = kShotSize;
        shot.pixels.resize(size_t(kShotSize) * kShotSize * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kShotSize, kShotSize, GL_RGB, GL_UNSIGNED_BYTE, shot.pixels.data());
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
        SavePpm(shot, ScratchDir("world_draw_" + name) + "/" + name + ".ppm");
        return shot;
    }

    void SavePpm(const Screenshot& shot, const std::string& path) {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return;
        std::fprintf(f, "P6\n%d %d\n255\n", shot.width, shot.height);
        for (int y = shot.height - 1; y >= 0; --y)
            std::fwrite(&shot.pixels[size_t(y) * shot.width * 3], 1, size_t(shot.width) * 3, f);
        std::fclose(f);
    }

    int span = 1;
};
}  // namespace

TEST_F(BoardDrawing, EachShippedWorldShowsItsFloorsAndWalls) {
    Rgb floor = TextureMean("purple.sgi");
    Rgb wall = TextureMean("bg02.sgi");
    for (const char* file : {"world.data", "world2.data", "world3.data"}) {
        SCOPED_TRACE(file);
        ReadWorldFile(file);
        UpdateTexturingKey();
        EXPECT_EQ(IsTexturingOn(), 1);
        ViewFromAbove();
        Screenshot shot = Draw(std::string(file).substr(0, std::string(file).find('.')));
        EXPECT_GT(shot.CountDistinct(), 20) << "not a blank picture";
        // Pib 0's start cell of every world is floor; the corner square is wall.
        int fx = file == std::string("world2.data") ? 3 : 0, fy = file == std::string("world2.data") ? 5 : 0;
        if (file == std::string("world3.data")) fx = 3, fy = 4;
        EXPECT_LT(Distance(SquareMean(shot, fx, fy), floor), 40) << "floor cell " << fx << "," << fy;
        EXPECT_LT(Distance(SquareMean(shot, -1, -1), wall), 40) << "wall square";
        EXPECT_LT(Distance(SquareMean(shot, GetBoardWidth(), GetBoardHeight() / 2), wall), 40);
        ViewBoardFromCorner(kShotSize);
        Draw(std::string("slanted_") + std::string(file).substr(0, std::string(file).find('.')));
    }
}

TEST_F(BoardDrawing, HoldingZeroSwitchesTexturingOffUntilReleased) {
    ReadWorldFile("world.data");
    EXPECT_EQ(IsTexturingOn(), 0) << "cleared by the load";
    UpdateTexturingKey();
    ViewFromAbove();
    Rgb textured = SquareMean(Draw("texture_on"), 0, 0);
    KeyboardDown('0', 0, 0);
    UpdateTexturingKey();
    EXPECT_EQ(IsTexturingOn(), 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    UpdateTexturingKey();
    EXPECT_EQ(IsTexturingOn(), 0) << "stays off while held";
    Rgb plain = SquareMean(Draw("texture_off"), 0, 0);
    EXPECT_GT(Distance(textured, plain), 30);
    KeyboardUp('0', 0, 0);
    UpdateTexturingKey();
    EXPECT_EQ(IsTexturingOn(), 1);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(BoardDrawing, FoundGemsAndWobblingBandsAreDrawn) {
    ReadWorldFile("world.data");
    UpdateTexturingKey();
    FindEveryGemAndRaiseEveryBand();  // then pluck them all
    EXPECT_EQ(GetGemsLeft(), 0);
    EXPECT_EQ(activeBandCount, 7);
    for (int k = 0; k < activeBandCount; ++k)
        StrikeNurbsPatch(bands[activeBands[k].row][activeBands[k].column].surface, k % 2 ? 1 : -1);
    for (int k = 0; k < 20; ++k) UpdateBands();
    int spin = GetGemSpin();
    ViewBoardFromCorner(kShotSize);
    Screenshot shot = Draw("gems_and_bands");
    EXPECT_EQ(GetGemSpin(), (spin + 1) % 360) << "one step per DrawGems";
    int yellow = 0;
    for (size_t k = 0; k < shot.pixels.size(); k += 3)
        yellow += shot.pixels[k] > 150 && shot.pixels[k + 1] > 150 && shot.pixels[k + 2] < 80;
    EXPECT_GT(yellow, 200) << "the bands show";
    // The minimap's markers draw without errors in a flat projection.
    ViewFromAbove();
    glDisable(GL_LIGHTING);
    DrawPoleMarkers();
    DrawBandMapIcons();
    DrawGems(1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(BoardDrawing, AFloorTypeOutOfRangeEndsTheFirstDrawing) {
    // The child runs the test afresh, with a window of its own.
    std::string dir = ScratchDir("world_floor_draw");
    std::string text = WorldText(3, 3, [](int, int) { return 0; });
    text.replace(text.find("BOARD\n0 ") + 6, 1, "11");
    std::string path = WriteTextFile(dir, "bad.data", text);
    ReadWorldFile(path.c_str());
    EXPECT_EQ(GetBoardCell(0, 0), 11);
    ViewFromAbove();
    EXPECT_EXIT_WITH_OUTPUT(DrawFloor(), 1, "(^|\n)Not a valid floor type\n$");
}

TEST_F(BoardDrawing, MinimapMarksFreePolesAndUpperPolesButNotUsedGroundPoles) {
    ReadWorldFile(WorldFixture("fixture.data").c_str());
    ViewFromAbove();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    DrawPoleMarkers();
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // The marker sits on the vertex, shifted by the post's half width.
    auto markerAt = [&](int i, int j) {
        double cell = double(kShotSize) / span;
        unsigned char rgb[3];
        glReadPixels(int((i + 1 - 0.05) * cell), int((j + 1 - 0.05) * cell), 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return rgb[0] > 100 && rgb[1] > 100 && rgb[2] < 60;
    };
    EXPECT_TRUE(markerAt(1, 1)) << "free ground pole";
    EXPECT_FALSE(markerAt(1, 3)) << "used ground pole";
    EXPECT_TRUE(markerAt(2, 1)) << "used upper pole over an empty corner";
    EXPECT_TRUE(markerAt(1, 2)) << "free upper pole over an empty corner";
    EXPECT_FALSE(markerAt(4, 1)) << "no pole";
}

TEST_F(BoardDrawing, AFoundUpperGemHangsOneUnitAboveTheGround) {
    ReadWorldFile(WorldFixture("fixture.data").c_str());
    // Found from the start: a ground gem at (1.5, 2) and an upper one at (2, 0.5).
    glViewport(0, 0, kShotSize, kShotSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 4, -1, 3, -20, 20);  // x across, z up: looking along +y
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, -10, 0, 0, 0, 0, 0, 0, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    DrawGems(0);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    auto litNear = [&](double x, double z) {
        const int side = 14;
        unsigned char rgb[side * side * 3];
        glReadPixels(int(x * 100) - side / 2, int((z + 1) * 100) - side / 2, side, side, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        for (unsigned char v : rgb)
            if (v > 100) return true;
        return false;
    };
    EXPECT_TRUE(litNear(1.5, 0.25));
    EXPECT_FALSE(litNear(1.5, 1.25));
    EXPECT_TRUE(litNear(2.0, 1.25));
    EXPECT_FALSE(litNear(2.0, 0.25));
}
