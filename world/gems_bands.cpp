#include "world/gems_bands.h"

#include <cmath>
#include <cstdio>

#include "players/pib.h"
#include "world/board.h"
#include "world/nurbs_patch.h"

int gemsLeft = 0;
GemSlot** gems = nullptr;
GemSlot** gems2 = nullptr;
BandSlot** bands = nullptr;
ActiveBand activeBands[kMaxActiveBands];
int activeBandCount = 0;

namespace {
// A gem or band place is met when the point is closer than this in both axes.
const double kPlaceReach = 0.04;
// How far ahead of the pib a band place is looked for.
const double kBandLookAhead = 0.25;

const double kHeroColors[4][3] = {
    {1.0, 0.5, 0.5}, {0.9, 0.1, 0.1}, {0.9, 0.9, 0.9}, {0.1, 0.1, 0.9}};

bool IsNear(int r, int c, double x, double y) {
    double px, py;
    GetEdgePoint(r, c, &px, &py);
    return std::fabs(px - x) < kPlaceReach && std::fabs(py - y) < kPlaceReach;
}

void MarkPoleUsed(int i, int j) {
    if (IsPoleIndex(i - 1, j - 1)) poles[i - 1][j - 1] = 2;
}
}  // namespace

int GetGemsLeft() { return gemsLeft; }

// One call finds at most one gem: places lie at least 0.5 apart.
int DiscoverGemsAt(int p, double x, double y, int upper) {
    GemSlot** grid = upper ? gems2 : gems;
    if (!grid) return 0;
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            GemSlot* gem = &grid[r][c];
            if (gem->value != 1 || !IsNear(r, c, x, y)) continue;
            gem->value = 2;
            gem->finder = p;
            SetGemColor(gem, p);
            AddPibScore(p);
            // Never below zero, so the game still ends when the last gem goes.
            if (gemsLeft > 0) --gemsLeft;
            return 1;
        }
    }
    return 0;
}

void DiscoverGems(int p) { DiscoverGemsAt(p, GetPibX(p), GetPibY(p), IsPibOnUpperLevel(p)); }

void SetGemColor(GemSlot* slot, int p) {
    if (p < 0 || p > 3) {
        std::printf("gem discovered by pib that doesn't exist: %d\n", p);
        return;
    }
    slot->red = kHeroColors[p][0];
    slot->green = kHeroColors[p][1];
    slot->blue = kHeroColors[p][2];
}

int RaiseBand(int r, int c) {
    if (activeBandCount >= kMaxActiveBands) return 0;
    BandSlot* band = &bands[r][c];
    band->state = 2;
    band->surface = CreateNurbsPatch();
    activeBands[activeBandCount++] = {r, c};
    return 1;
}

int PlaceBandAt(double x, double y, int dir) {
    if (!bands) return 0;
    if (dir < 0 || dir > 3) return 0;
    double px = x + kBandLookAhead * kDirStepX[dir], py = y + kBandLookAhead * kDirStepY[dir];
    for (int r = 0; r < GetEdgeRowCount(); ++r) {
        for (int c = 0; c < GetEdgeRowLength(r); ++c) {
            if (bands[r][c].state != 1 || !IsNear(r, c, px, py)) continue;
            if (!RaiseBand(r, c)) return 0;
            int i0, j0, i1, j1;
            GetEdgeEnds(r, c, &i0, &j0, &i1, &j1);
            MarkPoleUsed(i0, j0);
            MarkPoleUsed(i1, j1);
            return 1;
        }
    }
    return 0;
}

void PlaceBand(int p) { PlaceBandAt(GetPibX(p), GetPibY(p), GetPibDirIndex(p)); }

void UpdateBands() {
    for (int k = 0; k < activeBandCount; ++k) {
        BandSlot* band = &bands[activeBands[k].row][activeBands[k].column];
        if (band->surface) UpdateNurbsPatch(band->surface);
    }
}

int IsBandActive(int r, int c) { return bands && IsEdgePlace(r, c) && bands[r][c].state == 2; }
