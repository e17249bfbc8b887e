// The board's fixed faces (cells, wall ring, poles) kept in arrays, one run
// per texture and material, and sent view by view with only the faces that
// view can show. The software renderer pays for every vertex it lights, seen
// or not; a face wholly outside the view, or turned away from the eye on a
// solid that hides its inside, is left out, and what is left draws what all
// of them would.
#pragma once

#include <vector>

#include "support/view_steps.h"

struct BoardVertex {
    float p[3], n[3], st[2];
    float rgba[4];  // the material of this corner, where the run gives one per corner
};

// A box the faces of a solid lie on, closed but for its bottom: from an eye
// above its bottom and well outside it, the faces it turns away are hidden
// behind the rest.
struct BoardSolid {
    float low[3], high[3];
};

// How each solid stands in one view: in it at all, and whether the faces it
// turns away may be left out.
struct SolidsInView {
    std::vector<unsigned char> shown, closedToEye;
    float eye[3];
};
// For the present modelview and projection.
void SeeSolids(const std::vector<BoardSolid>& solids, SolidsInView* out);

// A face of a closed solid, one of a surface open somewhere (never left out
// for being turned away), or one inside a closed solid (hidden whenever the
// solid's outside is).
enum FaceKind { kClosedFace, kOpenFace, kInnerFace };

class FaceRun {
public:
    void Clear();
    // A face of three or four corners on the solid given.
    void AddFace(const BoardVertex* corners, int count, int solid, FaceKind kind);
    // Sends the faces the view can show, quads and triangles apart, in the
    // present material or, with corner colours and lighting on, in each
    // corner's colour as its front ambient and diffuse material.
    void Send(const SolidsInView& view, bool cornerColours) const;
    bool Empty() const { return faces_.empty(); }

private:
    struct RunFace {
        int first, count, solid;
        FaceKind kind;
    };
    std::vector<BoardVertex> vertices_;
    std::vector<RunFace> faces_;
};
