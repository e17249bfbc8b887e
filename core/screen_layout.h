// Where things go on the window: the menu square, the player views, the HUD
// strip, the minimap and the divider bars, as pixel rectangles worked out
// from the window size alone (no drawing here).
#pragma once

struct ScreenRect {
    int x, y, width, height;
};

bool operator==(const ScreenRect& a, const ScreenRect& b);

// A square of the window's height centred across it: menus and overlays.
ScreenRect CentredSquare(int ww, int wh);

// The strip across the top of the window.
ScreenRect HudStrip(int ww, int wh);

// The view of player p (0 to players - 1) for 1 to 4 players.
ScreenRect PlayerView(int players, int p, int ww, int wh);

// The projection's scale for every view of that player count.
void ViewScale(int players, int ww, int wh, double* scaleX, double* scaleY);

ScreenRect MinimapRect(int players, int ww, int wh);

// The divider bars of a player count, at most two pieces each way; returns
// how many pieces it wrote (up to 4). Vertical pieces come first.
struct DividerPiece {
    ScreenRect viewport;
    bool vertical;
    // The part of the viewport's unit square that the bar covers.
    double from, to;
};
int DividerPieces(int players, int ww, int wh, DividerPiece* out);

// True when the window has no area: nothing can be laid out then.
bool IsWindowEmpty(int ww, int wh);
