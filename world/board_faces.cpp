#include "world/board_faces.h"

#include <GL/gl.h>

#include <cmath>

#include "support/helpers.h"

namespace {
// Farther than this from a solid, the near plane cuts none of its faces in
// view: its front faces hide all the rest.
const float kNearMargin = 0.5f;
// A face turned away by less than this (an eye almost in its plane) is left
// to the renderer, which may see it edge on the other way.
const float kTurnedAway = 1e-3f;

// The eye in board coordinates, where a perspective projection has it: the
// point the modelview takes to the origin. Whether there is one.
bool EyeOf(const float* m, const float* projection, float* eye) {
    bool perspective = projection[3] == 0 && projection[7] == 0 && projection[11] != 0 && projection[15] == 0;
    float cof[9];
    float det = UpperCofactors(m, cof);
    if (!perspective || det == 0) return false;
    // The inverse is the cofactors transposed over the determinant.
    for (int i = 0; i < 3; ++i) eye[i] = -(cof[i] * m[12] + cof[3 + i] * m[13] + cof[6 + i] * m[14]) / det;
    return true;
}

// Wholly on the outer side of one of the view volume's planes.
bool OutsideView(const float* clip, const BoardSolid& s) {
    for (int row = 0; row < 3; ++row)
        for (int sign : {1, -1}) {
            float plane[4];
            for (int c = 0; c < 4; ++c) plane[c] = clip[c * 4 + 3] + float(sign) * clip[c * 4 + row];
            // The box's corner farthest along the plane's normal.
            float far = plane[3];
            for (int k = 0; k < 3; ++k) far += plane[k] * (plane[k] > 0 ? s.high[k] : s.low[k]);
            if (far < 0) return true;
        }
    return false;
}

bool WellOutside(const float* eye, const BoardSolid& s) {
    float gap = 0;
    for (int k = 0; k < 3; ++k) {
        float d = std::fmax(std::fmax(s.low[k] - eye[k], eye[k] - s.high[k]), 0.0f);
        gap += d * d;
    }
    return gap > kNearMargin * kNearMargin && eye[2] > s.low[2] + kNearMargin;
}
}  // namespace

void SeeSolids(const std::vector<BoardSolid>& solids, SolidsInView* out) {
    float modelview[16], projection[16], clip[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    MultiplyMatrices(projection, modelview, clip);
    bool eye = EyeOf(modelview, projection, out->eye);
    out->shown.resize(solids.size());
    out->closedToEye.resize(solids.size());
    for (size_t i = 0; i < solids.size(); ++i) {
        out->shown[i] = !OutsideView(clip, solids[i]);
        out->closedToEye[i] = eye && WellOutside(out->eye, solids[i]);
    }
}

void FaceRun::Clear() {
    vertices_.clear();
    faces_.clear();
}

void FaceRun::AddFace(const BoardVertex* corners, int count, int solid, FaceKind kind) {
    faces_.push_back({int(vertices_.size()), count, solid, kind});
    vertices_.insert(vertices_.end(), corners, corners + count);
}

void FaceRun::Send(const SolidsInView& view, bool cornerColours) const {
    // Drawing is single-threaded: the arrays are kept from run to run.
    static std::vector<BoardVertex> quads, triangles;
    quads.clear();
    triangles.clear();
    for (const RunFace& f : faces_) {
        if (!view.shown[size_t(f.solid)]) continue;
        const BoardVertex& a = vertices_[size_t(f.first)];
        if (f.kind != kOpenFace && view.closedToEye[size_t(f.solid)]) {
            if (f.kind == kInnerFace) continue;
            float toward = 0;
            for (int k = 0; k < 3; ++k) toward += a.n[k] * (view.eye[k] - a.p[k]);
            if (toward < -kTurnedAway) continue;
        }
        std::vector<BoardVertex>& out = f.count == 4 ? quads : triangles;
        out.insert(out.end(), &a, &a + f.count);
    }
    if (quads.empty() && triangles.empty()) return;
    bool colours = cornerColours && glIsEnabled(GL_LIGHTING);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    if (colours) {
        glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glEnableClientState(GL_COLOR_ARRAY);
    }
    for (const std::vector<BoardVertex>* run : {&quads, &triangles}) {
        if (run->empty()) continue;
        const GLsizei stride = sizeof(BoardVertex);
        glVertexPointer(3, GL_FLOAT, stride, (*run)[0].p);
        glNormalPointer(GL_FLOAT, stride, (*run)[0].n);
        glTexCoordPointer(2, GL_FLOAT, stride, (*run)[0].st);
        if (colours) glColorPointer(4, GL_FLOAT, stride, (*run)[0].rgba);
        glDrawArrays(run == &quads ? GL_QUADS : GL_TRIANGLES, 0, GLsizei(run->size()));
    }
    if (colours) {
        glDisableClientState(GL_COLOR_ARRAY);
        glDisable(GL_COLOR_MATERIAL);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
