// The geometry of a pib's walk: quarter turns of radius 0.5 about a free pole,
// straight steps that turn back when the way is blocked, the height over
// ramps and bridges, holes, and the sparks at the feet.
#include "players/pib_movement.h"

#include <cmath>

#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "players/pib.h"
#include "players/pib_record.h"
#include "support/helpers.h"
#include "world/board.h"

namespace {

int IsAlongX(int dir) { return dir == 1 || dir == 3; }

// A coordinate rounded to the grid line that lies that way (+1 or -1).
double RoundToward(double v, int sign) { return sign > 0 ? std::ceil(v) : std::floor(v); }

// The pole a turn from pib's direction toward toDir would swing around: the
// corner where the border line being crossed meets the line on the turn side.
void FindTurnPole(const Pib& pib, int toDir, double* poleX, double* poleY) {
    if (IsAlongX(pib.dir)) {
        *poleX = RoundToward(pib.x, kDirStepX[pib.dir]);
        *poleY = RoundToward(pib.y, kDirStepY[toDir]);
    } else {
        *poleX = RoundToward(pib.x, kDirStepX[toDir]);
        *poleY = RoundToward(pib.y, kDirStepY[pib.dir]);
    }
}

int ShouldTurnToward(int p, int keyDown, int toDir) {
    Pib* pib = FindPib(p);
    if (!pib || !keyDown) return 0;
    double ax = GetPibAheadX(p), ay = GetPibAheadY(p);
    int crosses;
    if (IsAlongX(pib->dir))
        crosses = std::ceil(ax) != std::ceil(pib->x) && !IsXOffMap(ax);
    else
        crosses = std::ceil(ay) != std::ceil(pib->y) && !IsYOffMap(ay);
    if (!crosses) return 0;
    int sideOff = IsAlongX(toDir) ? IsXOffMap(ax + kDirStepX[toDir])
                                  : IsYOffMap(ay + kDirStepY[toDir]);
    if (sideOff) return 0;
    double poleX, poleY;
    FindTurnPole(*pib, toDir, &poleX, &poleY);
    int level = pib->upper ? 2 : 1;
    return GetPole(int(poleX), int(poleY), level) == 1;
}

void StartTurnToward(int p, int state, int toDir) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    pib->turnState = state;
    pib->turnFromDir = pib->dir;
    pib->turnToDir = toDir;
    pib->turnAngle = 0.0;
    // Where the centre line meets the border line being crossed.
    pib->turnStartX = pib->x;
    pib->turnStartY = pib->y;
    if (IsAlongX(pib->dir))
        pib->turnStartX = RoundToward(pib->x, kDirStepX[pib->dir]);
    else
        pib->turnStartY = RoundToward(pib->y, kDirStepY[pib->dir]);
    FindTurnPole(*pib, toDir, &pib->poleX, &pib->poleY);
    // The arc's end, half a cell past the pole along the old direction, held
    // 0.01 short of the line the new direction crosses next: there the same
    // pole is beside the pib again, so a held key circles it.
    pib->turnEndX = pib->poleX + 0.5 * kDirStepX[pib->dir] - 0.01 * kDirStepX[toDir];
    pib->turnEndY = pib->poleY + 0.5 * kDirStepY[pib->dir] - 0.01 * kDirStepY[toDir];
}

// Offsets of the left and right foot sparks, piecewise linear in the walk
// angle: each row gives the values at the start of a quarter and their change
// over it (lx, ly, rx, ry).
struct SparkQuarter {
    double at[4];
    double change[4];
};
const SparkQuarter kSparkQuarters[4] = {
    {{0.0, 0.0, 0.11, 0.0}, {0.07, 0.12, -0.11, -0.04}},
    {{0.07, 0.12, 0.0, -0.04}, {0.04, -0.07, -0.02, 0.06}},
    {{0.11, 0.05, -0.02, 0.02}, {-0.11, -0.05, 0.09, 0.07}},
    {{0.0, 0.0, 0.09, 0.09}, {0.0, 0.0, 0.02, -0.13}},
};

void SparkOffsets(int angle, double* out) {
    for (int i = 0; i < 4; i++) out[i] = 0.0;
    if (angle < 0 || angle > 360) return;
    int quarter = angle == 0 ? 0 : (angle - 1) / 90;
    double t = (angle - quarter * 90) / 90.0;
    const SparkQuarter& q = kSparkQuarters[quarter];
    for (int i = 0; i < 4; i++) out[i] = q.at[i] + q.change[i] * t;
}

// A spark never starts below the floor's skin.
float SparkHeight(float footZ, double z) {
    double h = footZ + z;
    return float(h > 0.03 ? h : 0.03);
}

}  // namespace

int ShouldTurnLeft(int p) {
    Pib* pib = FindPib(p);
    return pib ? ShouldTurnToward(p, pib->leftKeyDown, (pib->dir + 3) % 4) : 0;
}

int ShouldTurnRight(int p) {
    Pib* pib = FindPib(p);
    return pib ? ShouldTurnToward(p, pib->rightKeyDown, (pib->dir + 1) % 4) : 0;
}

void StartTurnLeft(int p) {
    if (Pib* pib = FindPib(p)) StartTurnToward(p, kTurningLeft, (pib->dir + 3) % 4);
}

void StartTurnRight(int p) {
    if (Pib* pib = FindPib(p)) StartTurnToward(p, kTurningRight, (pib->dir + 1) % 4);
}

void StepPibTurn(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    pib->turnAngle += pib->speed * 150.0;
    double b = pib->turnState == kTurningRight ? ((pib->turnFromDir + 2) % 4) * 90 + pib->turnAngle
                                               : pib->turnFromDir * 90 - pib->turnAngle;
    pib->x = pib->poleX + pib->turnRadius * std::cos(-DegToRad(b));
    pib->y = pib->poleY + pib->turnRadius * std::sin(-DegToRad(b));
}

void EndPibTurn(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    pib->turnState = kWalkingStraight;
    pib->x = pib->turnEndX;
    pib->y = pib->turnEndY;
    pib->dir = pib->turnToDir;
}

void StepPibStraight(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    int d = pib->dir & 3;
    double stepX = kDirStepX[d] * pib->speed, stepY = kDirStepY[d] * pib->speed;
    pib->x += stepX;
    pib->y += stepY;
    // The probe looks a quarter cell ahead, so the pib turns back before it
    // reaches a blocked border.
    double probeX = pib->x + kDirStepX[d] * 0.25, probeY = pib->y + kDirStepY[d] * 0.25;
    if (!IsPibOffMap(p) && !IsPibMoveBlocked(d, probeX, probeY, pib->upper)) return;
    pib->x -= stepX;
    pib->y -= stepY;
    pib->dir = (d + 2) % 4;
    SetBunnyTrembling(pib->model, 1);
    pib->bumpTimer = 1;
}

void UpdatePibHeight(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    int cell = GetBoardCell(int(pib->x), int(pib->y));
    double fx = pib->x - std::floor(pib->x), fy = pib->y - std::floor(pib->y);
    // A ramp's height rises from 0.5 at its low border to 1.5 at its high one.
    const double rampRise[4] = {fy, fx, 1.0 - fy, 1.0 - fx};
    if (cell >= 1 && cell <= 4) {
        pib->z = rampRise[cell - 1] + 0.5;
        if (cell == RampRisingToward(pib->dir)) pib->upper = 1;
    } else if (cell == 5) {
        pib->z = 1.5;
        pib->upper = 1;
    } else if (cell == 6 || cell == 7) {
        if (pib->upper) pib->z = 1.5;
    } else {
        pib->z = 0.5;
        pib->upper = 0;
    }
}

int IsOverHole(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return 0;
    return GetBoardCell(int(pib->x), int(pib->y)) == 10 &&
           std::fabs(pib->x - int(pib->x) - 0.5) <= 0.02 &&
           std::fabs(pib->y - int(pib->y) - 0.5) <= 0.02;
}

int GetPibWalkAngle(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return 0;
    int base = (pib->dir & 3) * 90;
    if (pib->turnState == kTurningRight) return int(base + pib->turnAngle);
    if (pib->turnState == kTurningLeft) return int(base - pib->turnAngle);
    return base;
}

void PlacePibSparks(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    double off[4];
    SparkOffsets(GetPibWalkAngle(p), off);
    GetBunnyLeftFootPos(pib->model, pib->leftFoot);
    GetBunnyRightFootPos(pib->model, pib->rightFoot);
    SetSparkEmitterPosition(pib->sparksA, float(pib->leftFootRestX + pib->x + off[0]),
                            float(pib->leftFootRestY + pib->y + off[1]),
                            SparkHeight(pib->leftFoot[2], pib->z));
    SetSparkEmitterPosition(pib->sparksB, float(pib->rightFootRestX + pib->x + off[2]),
                            float(pib->rightFootRestY + pib->y + off[3]),
                            SparkHeight(pib->rightFoot[2], pib->z));
}
