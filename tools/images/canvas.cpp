#include "canvas.h"

#include <algorithm>
#include <cmath>

Canvas MakeCanvas(int width, int height, Rgba fill) {
    Canvas c;
    c.width = width;
    c.height = height;
    c.texels.assign(size_t(width) * height, fill);
    return c;
}

Rgba& TexelAt(Canvas& c, int x, int y) { return c.texels[size_t(y) * c.width + x]; }
Rgba TexelAt(const Canvas& c, int x, int y) { return c.texels[size_t(y) * c.width + x]; }

Rgba Colour(float r, float g, float b, float a) { return Rgba{r, g, b, a}; }
Rgba Grey(float v, float a) { return Rgba{v, v, v, a}; }

Rgba Mix(Rgba a, Rgba b, float t) {
    return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                a.a + (b.a - a.a) * t};
}

Rgba Scale(Rgba c, float k) { return Rgba{c.r * k, c.g * k, c.b * k, c.a}; }

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float SmoothStep(float e0, float e1, float v) {
    float t = Clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

void BlendTexel(Canvas& c, int x, int y, Rgba colour, float coverage) {
    if (x < 0 || y < 0 || x >= c.width || y >= c.height) return;
    float sa = Clamp01(colour.a * coverage);
    if (sa <= 0) return;
    Rgba& d = TexelAt(c, x, y);
    float oa = sa + d.a * (1 - sa);
    if (oa <= 0) return;
    auto over = [&](float s, float dv) { return (s * sa + dv * d.a * (1 - sa)) / oa; };
    d = Rgba{over(colour.r, d.r), over(colour.g, d.g), over(colour.b, d.b), oa};
}

namespace {

// Coverage of a texel centre at signed distance d (negative inside).
float EdgeCoverage(float d) { return Clamp01(0.5f - d); }

template <typename Distance>
void FillByDistance(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour,
                    Distance distance) {
    int ix0 = std::max(0, int(std::floor(x0 - 1))), iy0 = std::max(0, int(std::floor(y0 - 1)));
    int ix1 = std::min(c.width - 1, int(std::ceil(x1 + 1)));
    int iy1 = std::min(c.height - 1, int(std::ceil(y1 + 1)));
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x)
            BlendTexel(c, x, y, colour, EdgeCoverage(distance(x + 0.5f, y + 0.5f)));
}

}  // namespace

void FillRect(Canvas& c, float x0, float y0, float x1, float y1, Rgba colour) {
    FillRoundRect(c, x0, y0, x1, y1, 0, colour);
}

void FillRoundRect(Canvas& c, float x0, float y0, float x1, float y1, float radius,
                   Rgba colour) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    FillByDistance(c, x0, y0, x1, y1, colour, [&](float px, float py) {
        float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
        float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
        return outside + std::min(std::max(qx, qy), 0.f) - radius;
    });
}

void FillEllipse(Canvas& c, float cx, float cy, float rx, float ry, Rgba colour) {
    float r = std::min(rx, ry);
    FillByDistance(c, cx - rx, cy - ry, cx + rx, cy + ry, colour, [&](float px, float py) {
        float nx = (px - cx) / rx, ny = (py - cy) / ry;
        return (std::sqrt(nx * nx + ny * ny) - 1) * r;
    });
}

void FillRing(Canvas& c, float cx, float cy, float inner, float outer, Rgba colour) {
    FillByDistance(c, cx - outer, cy - outer, cx + outer, cy + outer, colour,
                   [&](float px, float py) {
                       float d = std::hypot(px - cx, py - cy);
                       return std::max(d - outer, inner - d);
                   });
}

void DrawLine(Canvas& c, Point a, Point b, float width, Rgba colour) {
    float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    float h = width / 2;
    FillByDistance(c, std::min(a.x, b.x) - h, std::min(a.y, b.y) - h, std::max(a.x, b.x) + h,
                   std::max(a.y, b.y) + h, colour, [&](float px, float py) {
                       float t = len2 > 0 ? Clamp01(((px - a.x) * dx + (py - a.y) * dy) / len2) : 0;
                       return std::hypot(px - a.x - t * dx, py - a.y - t * dy) - h;
                   });
}

void FillPolygon(Canvas& c, const std::vector<Point>& corners, Rgba colour) {
    if (corners.size() < 3) return;
    float x0 = corners[0].x, x1 = x0, y0 = corners[0].y, y1 = y0;
    for (const Point& p : corners) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    size_t n = corners.size();
    FillByDistance(c, x0, y0, x1, y1, colour, [&](float px, float py) {
        bool inside = false;
        float best = 1e30f;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            Point a = corners[j], b = corners[i];
            if ((b.y > py) != (a.y > py) && px < (a.x - b.x) * (py - b.y) / (a.y - b.y) + b.x)
                inside = !inside;
            float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
            float t = len2 > 0 ? Clamp01(((px - a.x) * dx + (py - a.y) * dy) / len2) : 0;
            best = std::min(best, std::hypot(px - a.x - t * dx, py - a.y - t * dy));
        }
        return inside ? -best : best;
    });
}

void ClearRect(Canvas& c, int x0, int y0, int x1, int y1) {
    for (int y = std::max(0, y0); y < std::min(c.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(c.width, x1); ++x) TexelAt(c, x, y) = Rgba{0, 0, 0, 0};
}

float Hash01(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return float(h & 0xffffff) / float(0x1000000);
}

float ValueNoise(float x, float y, uint32_t seed, int period) {
    int ix = int(std::floor(x)), iy = int(std::floor(y));
    float fx = x - ix, fy = y - iy;
    auto corner = [&](int cx, int cy) {
        if (period > 0) cx = ((cx % period) + period) % period, cy = ((cy % period) + period) % period;
        return Hash01(cx, cy, seed);
    };
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float bottom = corner(ix, iy) + (corner(ix + 1, iy) - corner(ix, iy)) * sx;
    float top = corner(ix, iy + 1) + (corner(ix + 1, iy + 1) - corner(ix, iy + 1)) * sx;
    return bottom + (top - bottom) * sy;
}

float FractalNoise(float x, float y, uint32_t seed, int octaves, int period) {
    float sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * ValueNoise(x, y, seed + uint32_t(o) * 101u, period);
        weight += amplitude;
        amplitude *= 0.5f;
        x *= 2, y *= 2;
        if (period > 0) period *= 2;
    }
    return sum / weight;
}

SgiPicture ToPicture(const Canvas& c, int channels) {
    SgiPicture p;
    p.width = c.width;
    p.height = c.height;
    p.channels = channels;
    p.texels.resize(size_t(c.width) * c.height * channels);
    auto byte = [](float v) { return uint8_t(std::lround(Clamp01(v) * 255)); };
    for (size_t i = 0; i < c.texels.size(); ++i) {
        const Rgba& t = c.texels[i];
        uint8_t* out = &p.texels[i * channels];
        float grey = 0.299f * t.r + 0.587f * t.g + 0.114f * t.b;
        switch (channels) {
            case 1: out[0] = byte(grey); break;
            case 2: out[0] = byte(grey), out[1] = byte(t.a); break;
            case 3: out[0] = byte(t.r), out[1] = byte(t.g), out[2] = byte(t.b); break;
            default: out[0] = byte(t.r), out[1] = byte(t.g), out[2] = byte(t.b), out[3] = byte(t.a);
        }
    }
    return p;
}
