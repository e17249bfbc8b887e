// Gems hidden on the cell borders of both levels, and the bands that go up
// across a pib's way at hidden band places.
#pragma once

struct NurbsPatch;

struct GemSlot {
    int value;  // 0 no gem, 1 hidden, 2 found
    double red, green, blue;
    int finder;
};

struct BandSlot {
    int state;  // 0 no band place, 1 hidden, 2 up
    NurbsPatch* surface;  // present exactly while the band is up
};

struct ActiveBand {
    int row, column;
};

// No more bands than this are ever up: a world file with more is refused and
// a place beyond the bound stays hidden in play.
const int kMaxActiveBands = 20;

extern int gemsLeft;
extern GemSlot** gems;   // ground level, edge layout
extern GemSlot** gems2;  // upper level
extern BandSlot** bands;
extern ActiveBand activeBands[kMaxActiveBands];
extern int activeBandCount;

int GetGemsLeft();
void DiscoverGems(int p);
void SetGemColor(GemSlot* slot, int p);
void PlaceBand(int p);
void UpdateBands();
int IsBandActive(int r, int c);

// The rules behind DiscoverGems and PlaceBand for a mover at a given place:
// each answers 1 when it found a gem or put a band up.
int DiscoverGemsAt(int p, double x, double y, int upper);
int PlaceBandAt(double x, double y, int dir);

// Puts a band up at place (r, c) with a new surface and appends it to the
// list; 0 when the list is full (the place stays as it was).
int RaiseBand(int r, int c);
