#include <GL/glut.h>

#include "core/frame.h"
#include "core/game_screen.h"
#include "core/hud.h"
#include "core/minimap.h"
#include "core/play.h"
#include "core/screen_layout.h"
#include "game_test_support.h"
#include "players/pib_record.h"
#include "test_support.h"

// Failures show rectangles as (x, y, width, height).
void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

namespace {

TEST(ScreenLayout, ViewsForOneToFourPlayersAt600By450) {
    EXPECT_EQ(PlayerView(1, 0, 600, 450), (ScreenRect{0, 0, 600, 427}));
    EXPECT_EQ(PlayerView(2, 0, 600, 450), (ScreenRect{0, 0, 294, 427}));
    EXPECT_EQ(PlayerView(2, 1, 600, 450), (ScreenRect{305, 0, 294, 427}));
    EXPECT_EQ(PlayerView(3, 0, 600, 450), (ScreenRect{0, 219, 294, 207}));
    EXPECT_EQ(PlayerView(3, 1, 600, 450), (ScreenRect{305, 219, 294, 207}));
    EXPECT_EQ(PlayerView(3, 2, 600, 450), (ScreenRect{0, 0, 294, 207}));
    EXPECT_EQ(PlayerView(4, 2, 600, 450), PlayerView(3, 2, 600, 450));
    EXPECT_EQ(PlayerView(4, 3, 600, 450), (ScreenRect{305, 0, 294, 207}));
    EXPECT_EQ(HudStrip(600, 450), (ScreenRect{0, 427, 600, 22}));
    EXPECT_EQ(CentredSquare(600, 450), (ScreenRect{75, 0, 450, 450}));
}

TEST(ScreenLayout, ProjectionScaleKeepsTheViewsUndistorted) {
    double sx, sy;
    ViewScale(1, 600, 450, &sx, &sy);
    EXPECT_DOUBLE_EQ(sx, 0.75);
    EXPECT_DOUBLE_EQ(sy, 1.0);
    ViewScale(2, 600, 450, &sx, &sy);
    EXPECT_DOUBLE_EQ(sx, 1.125);
    EXPECT_DOUBLE_EQ(sy, 0.75);
    ViewScale(4, 800, 400, &sx, &sy);
    EXPECT_DOUBLE_EQ(sx, 0.5);
}

TEST(ScreenLayout, MinimapSitsInItsPlaceForEachPlayerCount) {
    EXPECT_EQ(MinimapRect(1, 600, 450), (ScreenRect{465, 292, 135, 135}));  // upper right
    EXPECT_EQ(MinimapRect(2, 600, 450), (ScreenRect{232, 292, 135, 135}));  // top centre
    EXPECT_EQ(MinimapRect(3, 600, 450), (ScreenRect{348, 0, 207, 207}));    // empty quarter
    EXPECT_EQ(MinimapRect(4, 600, 450), (ScreenRect{232, 140, 135, 135}));  // the crossing
}

TEST(ScreenLayout, FollowsAResize) {
    EXPECT_EQ(PlayerView(1, 0, 800, 600), (ScreenRect{0, 0, 800, 570}));
    EXPECT_EQ(PlayerView(4, 1, 800, 600), (ScreenRect{407, 292, 392, 277}));
    // 0.3 x 0.75 x 800 comes out a hair under 180 and is truncated.
    EXPECT_EQ(MinimapRect(1, 800, 600), (ScreenRect{620, 390, 179, 180}));
    EXPECT_EQ(MinimapRect(3, 800, 600), (ScreenRect{465, 0, 277, 277}));
    // A window twice as wide as high shifts the three-player map further right.
    EXPECT_EQ(MinimapRect(3, 1000, 450), (ScreenRect{796, 0, 203, 203}));
}

TEST(ScreenLayout, DividersStopUnderOrOpenAroundTheMinimap) {
    DividerPiece pieces[4];
    EXPECT_EQ(DividerPieces(1, 600, 450, pieces), 0);
    ASSERT_EQ(DividerPieces(2, 600, 450, pieces), 1);
    EXPECT_EQ(pieces[0].viewport, (ScreenRect{294, 0, 12, 292}));
    EXPECT_TRUE(pieces[0].vertical);
    ASSERT_EQ(DividerPieces(3, 600, 450, pieces), 2);
    EXPECT_EQ(pieces[0].viewport, (ScreenRect{294, 0, 12, 427}));
    EXPECT_EQ(pieces[1].viewport, (ScreenRect{0, 207, 600, 12}));
    EXPECT_FALSE(pieces[1].vertical);
    ASSERT_EQ(DividerPieces(4, 600, 450, pieces), 4);
    ScreenRect map = MinimapRect(4, 600, 450);
    double viewsHeight = 427.5;
    EXPECT_DOUBLE_EQ(pieces[0].to * viewsHeight, map.y);
    EXPECT_DOUBLE_EQ(pieces[1].from * viewsHeight, map.y + map.height);
    EXPECT_DOUBLE_EQ(pieces[2].to * 600, 232.5);
    EXPECT_DOUBLE_EQ(pieces[3].from * 600, 232.5 + 135);
}

TEST(ScreenLayout, EmptyWindowNeverDividesByZero) {
    EXPECT_TRUE(IsWindowEmpty(0, 450));
    EXPECT_TRUE(IsWindowEmpty(600, 0));
    EXPECT_FALSE(IsWindowEmpty(1, 1));
    DividerPiece pieces[4];
    for (int players = 1; players <= 4; ++players) {
        MinimapRect(players, 600, 0);
        MinimapRect(players, 0, 450);
        DividerPieces(players, 0, 0, pieces);
    }
    EXPECT_EQ(CentredSquare(0, 450).width, 0);
    // A window flatter than the gaps between the views: no negative sizes.
    EXPECT_EQ(PlayerView(4, 3, 600, 8), (ScreenRect{305, 0, 294, 0}));
    EXPECT_EQ(MinimapRect(3, 600, 8).height, 0);
}

TEST(HudText, CountsShowAsProperNumbers) {
    EXPECT_EQ(ScoreText(0), "00");
    EXPECT_EQ(ScoreText(7), "07");
    EXPECT_EQ(ScoreText(42), "42");
    EXPECT_EQ(ScoreText(123), "123");  // no stray glyph past "9"
    EXPECT_EQ(ScoreText(-2), "00");
    EXPECT_EQ(GemsLeftText(120), "120");
    EXPECT_EQ(GemsLeftText(7), "007");
    EXPECT_EQ(GemsLeftText(1000), "999");
    EXPECT_EQ(GemsLeftText(-1), "000");
    EXPECT_EQ(LivesText(3), "3");
    EXPECT_EQ(LivesText(-1), "0");
}

TEST(HudText, EnergyBarNeverDrawsBackwards) {
    EXPECT_DOUBLE_EQ(EnergyBarLength(100), 120);
    EXPECT_DOUBLE_EQ(EnergyBarLength(50), 60);
    EXPECT_DOUBLE_EQ(EnergyBarLength(0), 0);
    EXPECT_DOUBLE_EQ(EnergyBarLength(-3.5), 0);
}

TEST(Blinking, ProtectedPibsAndTheirArrowsBlink) {
    for (int frame = 0; frame < 8; ++frame)
        EXPECT_EQ(BlinkColorScheme(2, frame), frame <= 2 ? 5 : 2) << frame;
    EXPECT_TRUE(IsMinimapArrowShown(false, 0, 0));
    EXPECT_FALSE(IsMinimapArrowShown(true, 499, 2));
    EXPECT_TRUE(IsMinimapArrowShown(true, 499, 3));
    EXPECT_FALSE(IsMinimapArrowShown(true, 500, 3));
    EXPECT_TRUE(IsMinimapArrowShown(true, 500, 7));
    EXPECT_FALSE(IsGetReadyShown(1000));
    EXPECT_FALSE(IsGetReadyShown(1499));
    EXPECT_TRUE(IsGetReadyShown(1500));
    EXPECT_TRUE(IsGetReadyShown(1999));
}

TEST(Minimap, ArrowTurnsWithTheHeadingAndTheRunningTurn) {
    EXPECT_DOUBLE_EQ(MinimapArrowAngle(0, 0, 0), 0);
    EXPECT_DOUBLE_EQ(MinimapArrowAngle(1, 0, 45), 270);
    EXPECT_DOUBLE_EQ(MinimapArrowAngle(1, 1, 30), 240);  // right turn: clockwise
    EXPECT_DOUBLE_EQ(MinimapArrowAngle(3, 2, 30), 120);  // left turn
}

class GameScreenPixels : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartFromGlDefaults());
        savedW = windowWidth;
        savedH = windowHeight;
        windowWidth = 600;
        windowHeight = 450;
    }
    void TearDown() override {
        windowWidth = savedW;
        windowHeight = savedH;
        UseRealClock();
    }
    void Draw(int players) {
        LoadGameAt(1, players, 1000);
        gameState = kStatePlay;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawGameScreen();
        glFinish();
    }
    // Pure blue of the strip and the dividers.
    bool IsBarBlue(int x, int y) {
        unsigned char rgb[3];
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return rgb[0] <= 2 && rgb[1] <= 2 && rgb[2] >= 20;
    }
    int savedW = 0, savedH = 0;
};

TEST_F(GameScreenPixels, StripAcrossTheTopAndDividersBetweenTheViews) {
    Draw(1);
    EXPECT_TRUE(IsBarBlue(3, 428));
    EXPECT_FALSE(IsBarBlue(300, 10));
    Draw(2);
    EXPECT_TRUE(IsBarBlue(300, 10));
    EXPECT_FALSE(IsBarBlue(40, 212));
    Draw(4);
    EXPECT_TRUE(IsBarBlue(300, 10));
    EXPECT_TRUE(IsBarBlue(40, 212));
    EXPECT_FALSE(IsBarBlue(300, 212));  // open under the minimap
}

TEST_F(GameScreenPixels, DividersStayPlainWhateverTextureTheViewsLeftBound) {
    Draw(2);
    GLuint black = 0;
    const unsigned char texel[4] = {0, 0, 0, 255};
    glGenTextures(1, &black);
    glBindTexture(GL_TEXTURE_2D, black);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexCoord2f(0.5f, 0.5f);
    DrawDividers(2);
    glFinish();
    EXPECT_TRUE(IsBarBlue(300, 10));
    glDeleteTextures(1, &black);
}

TEST_F(GameScreenPixels, GameEndsWhenTheFirstPibIsOutInAnyPlayerCount) {
    Draw(2);
    EXPECT_EQ(gameOver, 0);
    FindPib(1)->out = 1;  // only the first pib's state counts
    DrawGameScreen();
    EXPECT_EQ(gameOver, 0);
    FindPib(0)->out = 1;
    DrawGameScreen();
    EXPECT_EQ(gameOver, 1);
    ResetToTitle();
}

TEST_F(GameScreenPixels, MinimisedWindowDrawsNothingAndDoesNotCrash) {
    LoadGameAt(1, 3, 1000);
    // Only errors of the minimised frames count here, not any the load left.
    while (glGetError() != GL_NO_ERROR) {
    }
    windowWidth = 0;
    DrawGameScreen();
    windowWidth = 600;
    windowHeight = 0;
    DrawGameScreen();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    FindPib(0)->out = 1;  // the end of a game is still noticed
    DrawGameScreen();
    EXPECT_EQ(gameOver, 1);
    ResetToTitle();
}

}  // namespace
