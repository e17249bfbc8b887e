#include "core/screen_layout.h"

namespace {

// The views take the lower 95 % of the window, the HUD strip the rest.
const double kViewShare = 0.95;
const double kMinimapShare = 0.3;

struct Layout {
    double ww, wh;
    double g;  // half the gap between neighbouring views
    int A, B;  // half the width, half the views' height (integer halving)
    double a;  // aspect: height over width
};

Layout MakeLayout(int ww, int wh) {
    Layout l;
    l.ww = ww;
    l.wh = wh;
    l.g = ww * 0.009765625;
    l.A = ww / 2;
    l.B = int(kViewShare * wh) / 2;
    l.a = ww > 0 ? double(wh) / ww : 0.0;
    return l;
}

// A very flat or narrow window can leave the gaps wider than a view; a
// negative size would make the viewport call fail and the view land in the
// previous one's place, so sizes stop at 0.
ScreenRect Rect(double x, double y, double w, double h) {
    return ScreenRect{int(x), int(y), w > 0 ? int(w) : 0, h > 0 ? int(h) : 0};
}

// The upper edge of the one-player minimap: just under the strip.
double MinimapTopY(const Layout& l) {
    return 0.7 * l.wh - (1 - kViewShare) * l.wh;
}

double MinimapSide(const Layout& l) { return kMinimapShare * l.a * l.ww; }

// Centred between the two halves of the window.
double MinimapCentreX(const Layout& l) {
    return l.ww - MinimapSide(l) - l.A + MinimapSide(l) / 2;
}

ScreenRect VerticalBar(const Layout& l, double height) {
    return Rect(l.A - l.g, 0, 2 * l.g + 1, height);
}

ScreenRect HorizontalBar(const Layout& l) {
    return Rect(0, 0.475 * l.wh - l.g, l.ww, l.ww * 0.01953125 + 1);
}

}  // namespace

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool IsWindowEmpty(int ww, int wh) { return ww <= 0 || wh <= 0; }

ScreenRect CentredSquare(int ww, int wh) {
    Layout l = MakeLayout(ww, wh);
    return Rect((l.ww - l.a * l.ww) / 2, 0, l.a * l.ww, l.wh);
}

ScreenRect HudStrip(int ww, int wh) {
    return Rect(0, kViewShare * wh, ww, (1 - kViewShare) * wh);
}

ScreenRect PlayerView(int players, int p, int ww, int wh) {
    Layout l = MakeLayout(ww, wh);
    double viewsHeight = kViewShare * l.wh;
    if (players <= 1) return Rect(0, 0, l.ww, viewsHeight);
    double halfW = l.A - l.g;
    double right = l.A + l.g;
    if (players == 2) return Rect(p == 0 ? 0 : right, 0, halfW, viewsHeight);
    // Three and four players share a 2 by 2 grid: 0 and 1 on top, 2 and 3 below.
    double top = 0.475 * l.wh + l.g;
    double x = (p % 2 == 0) ? 0 : right;
    double y = (p < 2) ? top : 0;
    return Rect(x, y, halfW, l.B - l.g);
}

void ViewScale(int players, int ww, int wh, double* scaleX, double* scaleY) {
    Layout l = MakeLayout(ww, wh);
    if (players == 2) {
        *scaleX = 2 * l.a * 0.75;
        *scaleY = 0.75;
    } else {
        *scaleX = l.a;
        *scaleY = 1.0;
    }
}

ScreenRect MinimapRect(int players, int ww, int wh) {
    Layout l = MakeLayout(ww, wh);
    double side = MinimapSide(l);
    double height = kMinimapShare * l.wh;
    if (players == 3) {
        // The empty lower right quarter; the integer quotient ww / wh is part
        // of the placement and is 1 for the usual window.
        double quarterH = 0.475 * l.wh - l.g;
        int ratio = wh > 0 ? ww / wh : 0;
        double x = l.A + l.g + ratio * ((l.A - l.g) - quarterH) / 2;
        return Rect(x, 0, l.B - l.g, quarterH);
    }
    if (players == 2) return Rect(MinimapCentreX(l), MinimapTopY(l), side, height);
    if (players >= 4) {
        double y = MinimapTopY(l) - 0.475 * l.wh - l.g + 0.15 * l.wh;
        return Rect(MinimapCentreX(l), y, side, height);
    }
    return Rect(l.ww - side, MinimapTopY(l), side, height);
}

int DividerPieces(int players, int ww, int wh, DividerPiece* out) {
    Layout l = MakeLayout(ww, wh);
    double viewsHeight = kViewShare * l.wh;
    if (players == 2) {
        // Stops under the minimap at the top centre.
        out[0] = {VerticalBar(l, viewsHeight - kMinimapShare * l.wh), true, 0, 1};
        return 1;
    }
    if (players == 3) {
        out[0] = {VerticalBar(l, viewsHeight), true, 0, 1};
        out[1] = {HorizontalBar(l), false, 0, 1};
        return 2;
    }
    if (players >= 4) {
        // Both bars are left open where the minimap sits over their crossing.
        ScreenRect map = MinimapRect(4, ww, wh);
        ScreenRect vertical = VerticalBar(l, viewsHeight);
        double low = map.y / viewsHeight;
        double high = (map.y + map.height) / viewsHeight;
        double m = (l.ww - MinimapSide(l) - l.A + 0.15 * l.a * l.ww) / l.ww;
        double mEnd = m + MinimapSide(l) / l.ww;
        out[0] = {vertical, true, 0, low};
        out[1] = {vertical, true, high, 1};
        out[2] = {HorizontalBar(l), false, 0, m};
        out[3] = {HorizontalBar(l), false, mEnd, 1};
        return 4;
    }
    return 0;
}
