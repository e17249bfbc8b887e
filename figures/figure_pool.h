// The parts of figures held back and sent together. A software renderer pays
// for each change of texture far more than for the triangles: the opaque
// parts of every figure, in every view of the window, go out as one batch
// per texture and state and view, each texture bound once, the views changed
// between them (they lie apart on the window, so their order does not show).
// The opaque parts are depth-tested, so the order they go in does not show
// either; what is blended, or must keep its place after them, waits and goes
// out after them in the order it came.
#pragma once

class FigureBatch;
struct PixelView;

// How a held batch is sent: its texture, the texture environment mode (as
// GL_DECAL or GL_MODULATE) and whether each vertex's colour is the material
// of both faces or of the front faces only.
struct HeldState {
    unsigned texture;
    int textureMode;
    bool colourBothFaces;
    bool operator==(const HeldState& o) const {
        return texture == o.texture && textureMode == o.textureMode && colourBothFaces == o.colourBothFaces;
    }
};

// The batch that holds opaque parts of that state seen in that view (eye
// coordinates, the view's projection and viewport), keeping only what shows
// there; the faces turned away are culled.
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
// being held.
void FigureDrawn();

// Sends every held batch, the opaque ones first, and empties them. The GL
// state is left as it was found but for the materials, which keep the last
// colour sent, colour material, which is left off, and, after a blended
// batch, blending off and depth writes on.
void SendHeldFigures();
