// Drawing done in several views of one window a step at a time: each step is
// taken in every view before the next. The views lie apart on the window, so
// this draws what drawing them one after another would, with the renderer's
// state (a texture bound, blending) changed once a step rather than once a
// view: the software renderer pays far more for those changes than for a
// change of viewport and matrices.
#pragma once

struct ViewSteps {
    int count;
    void (*enter)(int view);  // sets that view's viewport, projection and modelview
};

// The one view the GL state holds now.
const ViewSteps kPresentView = {1, nullptr};

inline void EnterView(const ViewSteps& views, int view) {
    if (views.enter) views.enter(view);
}
