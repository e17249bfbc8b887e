#include "core/hud.h"

#include <GL/glut.h>

#include <cstdio>

#include "core/frame.h"
#include "core/screen_layout.h"
#include "players/pib.h"
#include "support/helpers.h"
#include "world/gems_bands.h"

namespace {

const char* const kHeroNames[4] = {"Marsk", "ter Lurio", "Tobbin", "Crail"};

// The strip's own coordinates: 1000 by 80 units.
const float kStripWidth = 1000;
const float kStripHeight = 80;
const float kSlotWidth = 200;
const float kBarLength = 120;
const float kBarHeight = 60;

void DrawText(float x, float y, void* font, const std::string& text) {
    glRasterPos2f(x, y);
    for (char ch : text) glutBitmapCharacter(font, ch);
}

void DrawBigText(float x, float y, const std::string& text) {
    DrawText(x, y, GLUT_BITMAP_TIMES_ROMAN_24, text);
}

void DrawSmallText(float x, float y, const std::string& text) {
    DrawText(x, y, GLUT_BITMAP_TIMES_ROMAN_10, text);
}

void DrawQuad(float x0, float y0, float x1, float y1, float z) {
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
}

void DrawBackground() {
    const float dark = 0.1f, light = 0.5f, z = -0.1f;
    const float half = kStripWidth / 2;
    glBegin(GL_QUADS);
    glColor3f(0, 0, dark);
    glVertex3f(0, 0, z);
    glColor3f(0, 0, light);
    glVertex3f(half, 0, z);
    glVertex3f(half, kStripHeight, z);
    glColor3f(0, 0, dark);
    glVertex3f(0, kStripHeight, z);
    glColor3f(0, 0, light);
    glVertex3f(half, 0, z);
    glColor3f(0, 0, dark);
    glVertex3f(kStripWidth, 0, z);
    glVertex3f(kStripWidth, kStripHeight, z);
    glColor3f(0, 0, light);
    glVertex3f(half, kStripHeight, z);
    glEnd();
}

// Slot p is drawn from its origin on the strip, moved there by the
// modelview: the renderer rounds an edge that falls on a pixel's centre by
// how the vertex reaches it, and the strip's edges do.
void EnterSlot(int p) {
    glPushMatrix();
    glTranslatef(kSlotWidth * p + 10, 10, 0);
}

// Every slot's icon, the texture bound once: the gem blended over the strip,
// or the head shown alone.
void DrawIcons(int players, bool blended) {
    glBindTexture(GL_TEXTURE_2D, screenTextures[blended ? kTexGem : kTexHead]);
    if (blended) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    } else {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    }
    glColor4f(1, 1, 1, 1);
    for (int p = 0; p < players; ++p) {
        EnterSlot(p);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(0, 0);
        glTexCoord2f(1, 0);
        glVertex2f(20, 0);
        glTexCoord2f(1, 1);
        glVertex2f(20, 70);
        glTexCoord2f(0, 1);
        glVertex2f(0, 70);
        glEnd();
        glPopMatrix();
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_BLEND);
}

// A slot's bar in its player's colour: the outline, then the filled length
// (full at energy 100).
void DrawEnergyBar(int p) {
    SetPibColor(p);
    EnterSlot(p);
    glTranslatef(70, 0, 0);
    glBegin(GL_LINE_LOOP);
    glVertex2f(0, 0);
    glVertex2f(kBarLength, 0);
    glVertex2f(kBarLength, kBarHeight);
    glVertex2f(0, kBarHeight);
    glEnd();
    glBegin(GL_QUADS);
    DrawQuad(0, 0, float(EnergyBarLength(GetPibEnergy(p))), kBarHeight, 0);
    glEnd();
    glPopMatrix();
}

// The slots never overlap, but within a slot the parts are all drawn at one
// depth, where the first drawn keeps its pixels: each goes in the order it
// always had (icon, count, name, bar), every slot's icons first, then every
// count, every name, every bar, so that the renderer changes texture,
// blending and text colour once a kind rather than once a slot.
void DrawSlots(int players) {
    bool onePlayer = players == 1;
    DrawIcons(players, !onePlayer);
    glColor3f(1, 1, 1);
    for (int p = 0; p < players; ++p) {
        EnterSlot(p);
        DrawBigText(30, 10, onePlayer ? LivesText(GetPibLives(p)) : ScoreText(GetPibScore(p)));
        glPopMatrix();
    }
    for (int p = 0; p < players; ++p) {
        SetPibColor(p);
        EnterSlot(p);
        DrawSmallText(30, 50, kHeroNames[p]);
        glPopMatrix();
    }
    for (int p = 0; p < players; ++p) DrawEnergyBar(p);
}

void DrawGemsLeft() {
    glPushMatrix();
    glTranslatef(810, 10, 0);
    glColor3f(1, 1, 1);
    DrawSmallText(0, 50, "GEMS");
    DrawSmallText(0, 30, "LEFT");
    DrawBigText(25, 10, GemsLeftText(GetGemsLeft()));
    glPopMatrix();
}

}  // namespace

std::string ScoreText(int score) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", score < 0 ? 0 : score);
    return text;
}

std::string LivesText(int lives) { return std::string(1, char('0' + ClampInt(lives, 0, 9))); }

std::string GemsLeftText(int gemsLeft) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", ClampInt(gemsLeft, 0, 999));
    return text;
}

double EnergyBarLength(double energy) { return energy > 0 ? energy * 1.2 : 0.0; }

void DrawHud() {
    glLoadIdentity();
    ScreenRect strip = HudStrip(windowWidth, windowHeight);
    glViewport(strip.x, strip.y, strip.width, strip.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glOrtho(0, kStripWidth, 0, kStripHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Texturing stays as the texturing key left it; with no texture bound
    // the strip's plain parts are drawn untextured.
    glBindTexture(GL_TEXTURE_2D, 0);
    DrawBackground();
    DrawSlots(ClampInt(GetPlayerCount(), 0, 4));
    DrawGemsLeft();
    glEnable(GL_LIGHTING);
}
