#include "figures/figure_pool.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "figures/figure_mesh.h"

namespace {
struct Held {
    HeldState state;
    FigureBatch batch;
    bool asked = false;  // since the last send
};
// Kept from frame to frame, so that their buffers are reused.
std::vector<std::unique_ptr<Held>> held;
std::vector<Held*> order;  // as first asked for since the last send
bool holding = false;
}  // namespace

FigureBatch& HeldBatch(const HeldState& state) {
    Held* found = nullptr;
    for (const auto& h : held)
        if (h->state == state) found = h.get();
    if (!found) {
        held.push_back(std::make_unique<Held>());
        found = held.back().get();
        found->state = state;
    }
    if (!found->asked) {
        found->asked = true;
        order.push_back(found);
    }
    return found->batch;
}

void HoldFigures() { holding = true; }

void StopHoldingFigures() {
    SendHeldFigures();
    holding = false;
}

void FigureDrawn() {
    if (!holding) SendHeldFigures();
}

void SendHeldFigures() {
    bool any = false;
    for (Held* h : order) any = any || !h->batch.Empty();
    if (any) {
        GLint texture = 0, mode = GL_MODULATE, matrixMode = GL_MODELVIEW;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
        GLboolean culling = glIsEnabled(GL_CULL_FACE), normalizing = glIsEnabled(GL_NORMALIZE);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glEnable(GL_CULL_FACE);
        glDisable(GL_NORMALIZE);  // the normals are sent as GL is to light them
        if (getenv("SCRATCH_DUMP")) { float e[4], a[4], d[4], mv[16], pr[16]; glGetMaterialfv(GL_FRONT, GL_EMISSION, e); glGetFloatv(GL_LIGHT_MODEL_AMBIENT, a); glGetLightfv(GL_LIGHT0, GL_DIFFUSE, d); glGetFloatv(GL_MODELVIEW_MATRIX, mv); glGetFloatv(GL_PROJECTION_MATRIX, pr);
          fprintf(stderr, "emission %g %g %g ambient %g diffuse %g normalize %d light1 %d lighting %d mv %g %g %g pr %g %g %g %g\n", e[0], e[1], e[2], a[0], d[0], glIsEnabled(GL_NORMALIZE), glIsEnabled(GL_LIGHT1), glIsEnabled(GL_LIGHTING), mv[0], mv[5], mv[10], pr[0], pr[5], pr[10], pr[14]); }
        const HeldState* last = nullptr;
        for (Held* h : order) {
            if (h->batch.Empty()) continue;
            const HeldState& s = h->state;
            if (!last || s.colourBothFaces != last->colourBothFaces) FigureBatch::BeginSending(s.colourBothFaces);
            if (!last || s.textureMode != last->textureMode) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, s.textureMode);
            glBindTexture(GL_TEXTURE_2D, s.texture);
            h->batch.Send();
            last = &s;
        }
        FigureBatch::EndSending();
        glBindTexture(GL_TEXTURE_2D, GLuint(texture));
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
        if (!culling) glDisable(GL_CULL_FACE);
        if (normalizing) glEnable(GL_NORMALIZE);
        glPopMatrix();
        glMatrixMode(GLenum(matrixMode));
    }
    // Empty batches too are sent: sending forgets the view and placement.
    for (Held* h : order) {
        if (h->batch.Empty()) h->batch.Send();
        h->asked = false;
    }
    order.clear();
}
