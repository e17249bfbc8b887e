#include "figures/figure_pool.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "figures/figure_gl.h"

namespace {
struct Held {
    HeldState state;
    PixelView view;
    int epoch = 0;  // of its view: how many parts that go after the opaque ones came before it there
    bool blended = false;
    FigureBatch batch;
};

bool SameView(const PixelView& a, const PixelView& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Kept from frame to frame, so that their buffers are reused.
std::vector<std::unique_ptr<Held>> opaque;
std::vector<Held*> opaqueOrder;  // as first asked for since the last send
std::vector<std::unique_ptr<Held>> after;
size_t afterCount = 0;  // in use, in order
Held* last = nullptr;  // asked for last: a figure asks for one batch many times in a row
bool holding = false;
bool ownFrame = false;  // the figure being drawn

// Each view's epoch: a part that goes after the opaque ones closes one. An
// opaque part goes out after every part that closed an epoch before it in
// its view, and before those that close later ones; the views lie apart, so
// their parts go out together epoch by epoch.
struct ViewEpoch {
    PixelView view;
    int epoch;
};
std::vector<ViewEpoch> epochs;

int& EpochOf(const PixelView& view) {
    for (ViewEpoch& e : epochs)
        if (SameView(e.view, view)) return e.epoch;
    epochs.push_back({view, 0});
    return epochs.back().epoch;
}

Held* NewHeld(std::vector<std::unique_ptr<Held>>& pool, size_t index) {
    if (index == pool.size()) pool.push_back(std::make_unique<Held>());
    return pool[index].get();
}

// Sending saves all it changes and puts it back at the end: a figure leaves
// the state its drawing leaves, whether it is sent at once or later with
// the others. Held figures are sent in eye coordinates, each batch in its
// view; a figure in its own frame at the present modelview and view.
class SendingState {
public:
    explicit SendingState(bool atModelview) : atModelview_(atModelview) {
        glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT |
                     GL_DEPTH_BUFFER_BIT | GL_TEXTURE_BIT | GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        if (!atModelview) {
            found_ = CurrentPixelView(true);
            glLoadIdentity();
        }
        glDisable(GL_NORMALIZE);  // the normals are sent as GL is to light them
    }
    ~SendingState() {
        if (view_ != &found_) {  // the caller's projection may fill its stack: it is loaded back
            glMatrixMode(GL_PROJECTION);
            glLoadMatrixf(found_.clip);
            glMatrixMode(GL_MODELVIEW);
        }
        glPopMatrix();
        glPopClientAttrib();
        glPopAttrib();
    }
    // Changes only what differs from the view and state before.
    void Enter(const PixelView& v) {
        if (atModelview_ || SameView(*view_, v)) return;
        glViewport(GLint(v.viewport[0]), GLint(v.viewport[1]), GLsizei(v.viewport[2]), GLsizei(v.viewport[3]));
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(v.clip);  // of eye coordinates: the projection
        glMatrixMode(GL_MODELVIEW);
        view_ = &v;
    }
    void Enter(const Held& h) {
        Enter(h.view);
        const HeldState& s = h.state;
        if (!state_ || s.colourBothFaces != state_->colourBothFaces) FigureBatch::BeginSending(s.colourBothFaces);
        if (!state_ || s.textureMode != state_->textureMode) glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, s.textureMode);
        if (!state_ || s.texture != state_->texture) glBindTexture(GL_TEXTURE_2D, s.texture);
        bool culled = s.culled && !h.blended;
        if (!state_ || culled != culled_) culled ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
        culled_ = culled;
        state_ = &s;
    }

private:
    bool atModelview_;
    PixelView found_{};  // the viewport and projection as found
    const PixelView* view_ = &found_;
    const HeldState* state_ = nullptr;
    bool culled_ = false;
};

void SendOpaque(SendingState& sending, int epoch) {
    // Each state once, in every view that holds parts of it.
    for (size_t i = 0; i < opaqueOrder.size(); ++i) {
        Held* first = opaqueOrder[i];
        if (!first || first->epoch != epoch) continue;
        for (size_t j = i; j < opaqueOrder.size(); ++j) {
            Held* h = opaqueOrder[j];
            if (!h || h->epoch != epoch || !(h->state == first->state)) continue;
            if (!h->batch.Empty()) {
                sending.Enter(*h);
                h->batch.Send();
            }
            opaqueOrder[j] = nullptr;
        }
    }
}

void SendAfterOpaque(SendingState& sending, int epoch) {
    for (size_t i = 0; i < afterCount; ++i) {
        Held& h = *after[i];
        if (h.epoch != epoch || h.batch.Empty()) continue;
        sending.Enter(h);
        if (h.blended) {
            glDepthMask(GL_FALSE);
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        }
        h.batch.Send();
        if (h.blended) {
            glDisable(GL_BLEND);
            glDepthMask(GL_TRUE);
        }
    }
}

// Takes a free opaque batch for parts of that state: the one that held them
// in the same view before, else one that held that state elsewhere, else a
// new one. Each keeps its buffers from frame to frame, so it should keep
// holding the same kind of parts: taken in the order they are asked for,
// every batch would grow, frame by frame, to the largest kind any of them
// ever held. The taken ones lead the pool, in the order taken.
Held* TakeOpaqueFor(const HeldState& state, const PixelView& view) {
    size_t taken = opaqueOrder.size(), best = opaque.size();
    for (size_t i = taken; i < opaque.size(); ++i) {
        if (!(opaque[i]->state == state)) continue;
        if (SameView(opaque[i]->view, view)) {
            best = i;
            break;
        }
        if (best == opaque.size()) best = i;
    }
    if (best == opaque.size()) opaque.push_back(std::make_unique<Held>());
    std::swap(opaque[taken], opaque[best]);
    return opaque[taken].get();
}

Held* Reset(Held* h, const HeldState& state, const PixelView& view, bool blended) {
    h->state = state;
    h->view = view;
    h->epoch = EpochOf(view);
    h->blended = blended;
    h->batch.KeepWhatShowsIn(view, state.culled && !blended);  // what is blended is seen from both sides
    h->batch.SendOneByOne(false);
    return h;
}
}  // namespace

FigureBatch& HeldBatch(const HeldState& state, const PixelView& view) {
    if (last && last->state == state && SameView(last->view, view)) return last->batch;
    int epoch = EpochOf(view);
    last = nullptr;
    for (Held* h : opaqueOrder)
        if (h->epoch == epoch && h->state == state && SameView(h->view, view)) last = h;
    if (!last) {
        last = Reset(TakeOpaqueFor(state, view), state, view, false);
        opaqueOrder.push_back(last);
    }
    return last->batch;
}

FigureBatch& HeldAfterOpaque(const HeldState& state, const PixelView& view, bool blended) {
    Held* h = Reset(NewHeld(after, afterCount++), state, view, blended);
    ++EpochOf(view);
    last = nullptr;
    return h->batch;
}

void HoldFigures() { holding = true; }

void StopHoldingFigures() {
    SendHeldFigures();
    holding = false;
}

FigureFrame StartFigure(float x, float y, float z, float radius) {
    FigureFrame f{CurrentPlacement(), {}, 1, 1, SphereReachesNearPlane(x, y, z, radius)};
    f.scale = f.at.UniformScale();
    ownFrame = !holding || f.nearEye;
    if (ownFrame) {
        SendHeldFigures();
        f.at.Reset();
        f.normalLength = f.scale;
    }
    f.view = CurrentPixelView(!ownFrame);
    return f;
}

namespace {
void Send(bool atModelview) {
    bool any = false;
    for (Held* h : opaqueOrder) any = any || !h->batch.Empty();
    for (size_t i = 0; i < afterCount; ++i) any = any || !after[i]->batch.Empty();
    if (any) {
        int epochCount = 0;
        for (const ViewEpoch& e : epochs) epochCount = std::max(epochCount, e.epoch + 1);
        SendingState sending(atModelview);
        for (int epoch = 0; epoch < epochCount; ++epoch) {
            SendOpaque(sending, epoch);
            SendAfterOpaque(sending, epoch);
        }
    }
    // Empty batches are sent too: sending forgets the view and placement.
    for (const auto& h : opaque) h->batch.Send();
    for (size_t i = 0; i < afterCount; ++i) after[i]->batch.Send();
    opaqueOrder.clear();
    afterCount = 0;
    last = nullptr;
    epochs.clear();
}
}  // namespace

void FigureDrawn() {
    if (ownFrame || !holding) Send(ownFrame);
    ownFrame = false;
}

void SendHeldFigures() { Send(false); }
