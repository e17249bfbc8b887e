// The opaque parts of figures held back and sent together, one batch per
// texture and state, in eye coordinates. A software renderer pays for each
// change of texture far more than for the triangles: the figures of a view
// cost one change per texture held, not one per part of every figure. The
// parts are opaque and depth-tested, so the order they go in does not show;
// anything blended is drawn only after what is held has been sent.
#pragma once

class FigureBatch;

// How a held batch is sent: its texture, the texture environment mode (as
// GL_DECAL or GL_MODULATE) and whether each vertex's colour is the material
// of both faces or of the front faces only. Every held part has the faces
// turned away culled.
struct HeldState {
    unsigned texture;
    int textureMode;
    bool colourBothFaces;
    bool operator==(const HeldState& o) const {
        return texture == o.texture && textureMode == o.textureMode && colourBothFaces == o.colourBothFaces;
    }
};

// The batch that holds parts of that state until the next send, keeping only
// what shows in the present view (as the figure drawing reads it at the
// call). Batches are sent in the order they were first asked for since the
// last send.
FigureBatch& HeldBatch(const HeldState& state);

// From here to StopHoldingFigures every figure drawn holds its parts back;
// otherwise each figure's parts are sent at the end of its drawing.
void HoldFigures();
// Sends what is held and draws each figure at once again.
void StopHoldingFigures();
// The end of one figure's drawing: sends what is held unless figures are
// being held.
void FigureDrawn();

// Sends every held batch and empties it: before anything blended is drawn.
// The GL state is left as it was found but for the materials, which keep the
// last colour sent, and colour material, which is left off.
void SendHeldFigures();
