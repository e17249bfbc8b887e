#include "figures/figure_gl.h"

#include <GL/gl.h>

#include <cmath>

#include "figures/figure_mesh.h"

bool SphereInView(float x, float y, float z, float radius) {
    const PixelView view = CurrentPixelView(false);
    const float* m = view.clip;
    // Each clip plane is the last row of the matrix plus or minus another row.
    for (int row = 0; row < 3; ++row)
        for (int sign : {1, -1}) {
            float plane[4];
            for (int c = 0; c < 4; ++c) plane[c] = m[c * 4 + 3] + float(sign) * m[c * 4 + row];
            float len = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            if (len == 0) continue;
            if ((plane[0] * x + plane[1] * y + plane[2] * z + plane[3]) / len < -radius) return false;
        }
    return true;
}
