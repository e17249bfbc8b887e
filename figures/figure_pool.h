// The parts of figures held back and sent together. A software renderer pays
// for each change of texture far more than for the triangles: the opaque
// parts of every figure, in every view of the window, go out as one batch
// per texture and state and view, each texture bound once, the views changed
// between them (they lie apart on the window, so their order does not show).
// The opaque parts are depth-tested, so the order they go in does not show
// either; what is blended, or must keep its place after them, waits and goes
// out after them in the order it came.
#pragma once

#include "figures/figure_mesh.h"

// How a held batch is sent: its texture, the texture environment mode (as
// GL_DECAL or GL_MODULATE), whether each vertex's colour is the material of
// both faces or of the front faces only, and whether the faces turned away
// are left out (a part that carries its own back faces, or a closed one the
// eye sees only from outside) or drawn as the renderer draws them.
struct HeldState {
    unsigned texture;
    int textureMode;
    bool colourBothFaces;
    bool culled;
    bool operator==(const HeldState& o) const {
        return texture == o.texture && textureMode == o.textureMode && colourBothFaces == o.colourBothFaces &&
               culled == o.culled;
    }
};

// The batch that holds opaque parts of that state seen in that view (eye
// coordinates, the view's projection and viewport), keeping only what shows
// there.
FigureBatch& HeldBatch(const HeldState& state, const PixelView& view);
// A batch that goes out after every opaque part held before it, in its turn
// among the others of its kind: blended (seen from both sides, without depth
// writes) or not.
FigureBatch& HeldAfterOpaque(const HeldState& state, const PixelView& view, bool blended);

// From here to StopHoldingFigures every figure drawn holds its parts back;
// otherwise each figure's parts are sent at the end of its drawing.
void HoldFigures();
// Sends what is held and draws each figure at once again.
void StopHoldingFigures();
// The end of one figure's drawing: sends what is held unless figures are
// being held and this one was put together with them.
void FigureDrawn();

// Where a figure is put together, asked for as its drawing starts, with the
// sphere that holds it in the present modelview's frame: in eye coordinates,
// held with the other figures, or in its own frame, sent at the present
// modelview when it is drawn. So it is when figures are not being held, and
// when the near plane may cut the sphere (then what is held goes out first).
// Parts that meet in one plane (a Robot's eye plates on its head, the brows
// on the plates) then tie as they did when each figure went out at its own
// modelview; where the near plane cuts, that shows, and with blending (the
// army scene's Robot) everywhere.
struct FigureFrame {
    Placement at;        // where its parts start from
    PixelView view;      // the view its batches keep what shows in
    float scale;         // the present modelview's uniform scale
    float normalLength;  // what the modelview it goes out at shortens normals by
    bool nearEye;        // the near plane may cut it
};
FigureFrame StartFigure(float x, float y, float z, float radius);

// Sends every held batch, the opaque ones first, and empties them. The GL
// state is left as it was found.
void SendHeldFigures();
