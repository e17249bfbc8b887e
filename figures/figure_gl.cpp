#include "figures/figure_gl.h"

#include <GL/gl.h>

#include <cmath>

#include "figures/figure_mesh.h"

void SetFigureMaterial(float r, float g, float b, float a) {
    const GLfloat color[4] = {r, g, b, a};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, color);
}

void CallFixedList(unsigned& slot, void (*build)(TriangleMesh& mesh)) {
    if (slot == 0) {
        TriangleMesh mesh;
        build(mesh);
        slot = glGenLists(1);
        if (slot == 0) {  // no list to be had: draw directly
            mesh.Emit();
            return;
        }
        glNewList(slot, GL_COMPILE);
        mesh.Emit();
        glEndList();
    }
    glCallList(slot);
}

bool SphereInView(float x, float y, float z, float radius) {
    GLfloat mv[16], pr[16], m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    glGetFloatv(GL_PROJECTION_MATRIX, pr);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += pr[k * 4 + r] * mv[c * 4 + k];
            m[c * 4 + r] = sum;
        }
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
