// Shots and impact bursts.
#include "players/shots.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>

#include "players/creatures.h"
#include "players/pib.h"
#include "support/helpers.h"
#include "support/sgi_image.h"
#include "world/board.h"
#include "world/gems_bands.h"

namespace {

Shot* shots = nullptr;
Shot* shotBursts = nullptr;
unsigned shotTexture = 0;
unsigned shotGeometry = 0;

const float kShotColors[5][3] = {
    {1.0f, 0.2f, 0.2f},  // pib 0: red
    {0.9f, 0.9f, 0.2f},  // pib 1: yellow
    {0.2f, 0.2f, 1.0f},  // pib 2: blue
    {0.2f, 1.0f, 0.2f},  // pib 3: green
    {0.8f, 0.4f, 0.8f},  // creatures: purple
};

const double kPibHitReach = 0.25;
const double kBandLookAhead = 0.125;

enum HitKind { kNoHit, kHitPib, kHitTile, kHitCreature };

void FreeList(Shot*& head) {
    while (head) {
        Shot* next = head->next;
        std::free(head);
        head = next;
    }
}

double Frac(double v) { return v - std::floor(v); }

bool IsArmed(const Shot* s) { return s->arming < 0; }
bool IsVisible(const Shot* s) { return s->arming <= 0; }

HitKind FindHit(Shot* s) {
    if (ShotHitsPib(s)) return kHitPib;
    if (ShotHitsTile(s)) return kHitTile;
    if (ShotHitsCreature(s)) return kHitCreature;
    return kNoHit;
}

void ApplyBounce(Shot* s) {
    int bounce = ShotBounce(s);
    if (bounce == 1) s->dirY = -s->dirY;
    if (bounce == 2) s->dirX = -s->dirX;
}

// An armed shot that hit turns into a burst: it stays where it hit, or rides
// along with the pib it hit.
void TurnIntoBurst(Shot* s, HitKind hit) {
    if (hit == kHitPib) {
        s->x -= s->speed * s->dirX;
        s->y -= s->speed * s->dirY;
        s->z -= s->speed * s->dirZ;
        s->dirX = GetPibDirCos(s->hitPib);
        s->dirY = GetPibDirSin(s->hitPib);
        s->dirZ = GetPibSlope(s->hitPib);
        s->speed = GetPibSpeed(s->hitPib);
    } else {
        s->dirX = s->dirY = s->dirZ = 0;
    }
    s->next = shotBursts;
    shotBursts = s;
}

// Moves one shot; answers whether it is still flying. A shot that leaves the
// flight is either released or handed to the bursts.
bool FlyShot(Shot* s) {
    s->life -= 1;
    s->arming -= 1;
    s->x += s->speed * s->dirX;
    s->y += s->speed * s->dirY;
    s->z += s->speed * s->dirZ;
    s->spinA += 1;
    s->spinB += 1;
    if (s->spinA > 360) s->spinA -= 360;
    if (s->spinB > 360) s->spinB -= 360;
    HitKind hit = kNoHit;
    if (s->life > 0) {
        hit = FindHit(s);
        if (hit == kNoHit) ApplyBounce(s);
    }
    if (s->life <= 0 || (hit != kNoHit && !IsArmed(s))) {
        std::free(s);
        return false;
    }
    if (hit != kNoHit) {
        TurnIntoBurst(s, hit);
        return false;
    }
    return true;
}

void UpdateFlyingShots() {
    Shot** link = &shots;
    while (*link) {
        Shot* s = *link;
        Shot* next = s->next;
        if (FlyShot(s)) {
            link = &s->next;
        } else {
            *link = next;
        }
    }
}

void UpdateBursts() {
    Shot** link = &shotBursts;
    while (*link) {
        Shot* b = *link;
        b->alpha -= 0.006;
        b->size += 0.03;
        b->x += b->speed * b->dirX;
        b->y += b->speed * b->dirY;
        b->z += b->speed * b->dirZ;
        if (b->alpha <= 0) {
            *link = b->next;
            std::free(b);
        } else {
            link = &b->next;
        }
    }
}

// Is a band standing on the border segment of the edge layout at (row, col)?
// The row and column come from the shot's position, so may be off the layout.
int BandOn(double row, double col) { return IsBandActive(int(row), int(col)); }

void TexturedSide(float nx, float ny, float nz, const float corners[4][3]) {
    static const float tex[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    glNormal3f(nx, ny, nz);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(tex[i][0], tex[i][1]);
        glVertex3fv(corners[i]);
    }
}

// Two crossing double-sided quads, in the x-y and the y-z plane.
void BuildShotGeometry() {
    const float xyFront[4][3] = {{-0.25f, -0.24f, 0}, {0.25f, -0.24f, 0},
                                 {0.25f, 0.24f, 0}, {-0.25f, 0.24f, 0}};
    const float xyBack[4][3] = {{0.25f, -0.24f, 0}, {-0.25f, -0.24f, 0},
                                {-0.25f, 0.24f, 0}, {0.25f, 0.24f, 0}};
    const float yzFront[4][3] = {{0, -0.24f, 0.25f}, {0, -0.24f, -0.25f},
                                 {0, 0.24f, -0.25f}, {0, 0.24f, 0.25f}};
    const float yzBack[4][3] = {{0, -0.24f, -0.25f}, {0, -0.24f, 0.25f},
                                {0, 0.24f, 0.25f}, {0, 0.24f, -0.25f}};
    shotGeometry = glGenLists(1);
    glNewList(shotGeometry, GL_COMPILE);
    glBegin(GL_QUADS);
    TexturedSide(0, 0, 1, xyFront);
    TexturedSide(0, 0, -1, xyBack);
    TexturedSide(1, 0, 0, yzFront);
    TexturedSide(-1, 0, 0, yzBack);
    glEnd();
    glEndList();
}

void DrawShotFigure(const Shot* s, bool scaled) {
    glPushMatrix();
    glTranslated(s->x, s->y, s->z);
    if (scaled) glScaled(s->size, s->size, s->size);
    const float* rgb = kShotColors[(s->type >= 0 && s->type <= 4) ? s->type : 4];
    float color[4] = {rgb[0], rgb[1], rgb[2], float(s->alpha)};
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, color);
    glPushMatrix();
    glRotated(s->spinA, 0.25, 0.25, 1);
    glCallList(shotGeometry);
    glPopMatrix();
    glPushMatrix();
    glRotated(s->spinB, -0.25, -0.25, 1);
    glCallList(shotGeometry);
    glPopMatrix();
    glPopMatrix();
}

}  // namespace

void ClearShots() {
    FreeList(shots);
    FreeList(shotBursts);
}

void InitShots() {
    ClearShots();
    shotTexture = LoadSgiTexture("shot.sgi");
    BuildShotGeometry();
}

Shot* GetShots() { return shots; }
Shot* GetShotBursts() { return shotBursts; }

void FireShot(double x, double y, double z, double dirX, double dirY, double dirZ,
              double speed, double life, double arming, int type) {
    Shot* s = static_cast<Shot*>(CheckedAlloc(sizeof(Shot)));
    s->x = x;
    s->y = y;
    s->z = z;
    s->dirX = dirX;
    s->dirY = dirY;
    s->dirZ = dirZ;
    s->speed = speed;
    s->life = life;
    s->arming = arming;
    s->spinA = RandomInRange(0, 359);
    s->spinB = RandomInRange(0, 359);
    s->alpha = 0.6;
    s->size = 1.0;
    s->type = type;
    s->hitPib = 0;
    s->next = shots;
    shots = s;
}

void UpdateShots() {
    UpdateFlyingShots();
    UpdateBursts();
}

int ShotHitsPib(Shot* s) {
    if (!IsArmed(s)) return 0;
    for (int p = 0; p < GetPlayerCount(); ++p) {
        if (IsPibUntouchable(p)) continue;
        double dx = GetPibX(p) - s->x, dy = GetPibY(p) - s->y, dz = GetPibZ(p) - s->z;
        if (std::sqrt(dx * dx + dy * dy + dz * dz) < kPibHitReach) {
            DrainPibEnergy(p, s->type == kShotCreature ? 5 : 2);
            s->hitPib = p;
            return 1;
        }
    }
    return 0;
}

int ShotHitsTile(Shot* s) {
    // Shots on the upper level pass over everything.
    if (s->z >= 1.0) return 0;
    if (s->x < 0 || s->y < 0 || s->z <= 0) return 1;
    int cell = GetBoardCell(int(s->x), int(s->y));
    switch (cell) {
        case kOffBoard: case kSolidHidden: case kRaisedBlock: case kCrate: return 1;
        // Inside a ramp's slope.
        case kRampUp0: return Frac(s->y) > s->z;
        case kRampUp1: return Frac(s->x) > s->z;
        case kRampUp2: return std::ceil(s->y) - s->y > s->z;
        case kRampUp3: return std::ceil(s->x) - s->x > s->z;
        // The bridge deck lies between 0.9 and 1.0; a shot passes under it.
        case kBridgeAlongX: case kBridgeAlongY: return s->z > 0.9;
        default: return 0;
    }
}

int ShotHitsCreature(Shot* s) {
    if (s->type == kShotCreature) return 0;
    return KillCreaturesNear(s->x, s->y, s->z);
}

double SnapToGridLine(double v, int dir) {
    if (dir == 0 || dir == 1) {
        double line = std::ceil(v);
        return line - v < 0.025 ? line : -1;
    }
    double line = std::floor(v);
    return v - line < 0.025 ? line : -1;
}

int ShotBounce(Shot* s) {
    if (s->z > 1.0) return 0;
    double ax = std::fabs(s->dirX), ay = std::fabs(s->dirY);
    if (s->dirX > 0 && ay < s->dirX) {
        double v = SnapToGridLine(s->x + kBandLookAhead, 1);
        return (v != -1 && BandOn(2 * v - 1, int(s->y))) ? 2 : 0;
    }
    if (s->dirY > 0 && ax < s->dirY) {
        double v = SnapToGridLine(s->y + kBandLookAhead, 0);
        return (v != -1 && BandOn(2 * std::floor(s->x), v - 1)) ? 1 : 0;
    }
    if (s->dirX < 0 && ay < ax) {
        double v = SnapToGridLine(s->x - kBandLookAhead, 3);
        return (v != -1 && BandOn(2 * v - 1, int(s->y))) ? 2 : 0;
    }
    if (s->dirY < 0 && ax < ay) {
        double v = SnapToGridLine(s->y - kBandLookAhead, 2);
        return (v != -1 && BandOn(2 * std::floor(s->x), v - 1)) ? 1 : 0;
    }
    return 0;
}

void DrawShotsInViews(const ViewSteps& views) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDepthMask(GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, shotTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int v = 0; v < views.count; ++v) {
        EnterView(views, v);
        for (Shot* s = shots; s; s = s->next) {
            if (IsVisible(s)) DrawShotFigure(s, false);
        }
        for (Shot* b = shotBursts; b; b = b->next) DrawShotFigure(b, true);
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void DrawShotMarkers() {
    static const float kOctagon[9][2] = {{1, 0},  {0.707f, 0.707f},  {0, 1},
                                         {-0.707f, 0.707f}, {-1, 0}, {-0.707f, -0.707f},
                                         {0, -1}, {0.707f, -0.707f}, {1, 0}};
    glColor4f(1, 1, 1, 0.6f);
    for (Shot* s = shots; s; s = s->next) {
        if (!IsVisible(s)) continue;
        glPushMatrix();
        glTranslated(s->x, s->y, 0);
        glScaled(0.1, 0.1, 0.1);
        glBegin(GL_TRIANGLE_FAN);
        glVertex2f(0, 0);
        for (const auto& point : kOctagon) glVertex2fv(point);
        glEnd();
        glPopMatrix();
    }
}
