#include "figures/figure_gl.h"

#include <GL/gl.h>

#include <cmath>

#include "figures/figure_mesh.h"

namespace {
// How far (x, y, z) lies inside one plane of the view volume: each plane is
// the clip matrix's last row plus or minus another row.
float InsidePlane(const float* clip, int row, int sign, float x, float y, float z) {
    float plane[4];
    for (int c = 0; c < 4; ++c) plane[c] = clip[c * 4 + 3] + float(sign) * clip[c * 4 + row];
    float len = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
    if (len == 0) return INFINITY;
    return (plane[0] * x + plane[1] * y + plane[2] * z + plane[3]) / len;
}
}  // namespace

bool SphereInView(float x, float y, float z, float radius) {
    const PixelView view = CurrentPixelView(false);
    for (int row = 0; row < 3; ++row)
        for (int sign : {1, -1})
            if (InsidePlane(view.clip, row, sign, x, y, z) < -radius) return false;
    return true;
}

bool SphereReachesNearPlane(float x, float y, float z, float radius) {
    return InsidePlane(CurrentPixelView(false).clip, 2, 1, x, y, z) < radius;
}
