// The one animation engine of every figure (Bunny, Robot, Rodent): a list of
// running linear tweens and a list of delayed actions, both run in the order
// they were queued and stepped once per owner step.
//
// The figures differ only in small rules, which are parameters here:
// - whether a tween is dropped when its steps reach exactly 0 or 0 or fewer;
// - which field, if any, folds below -360 (the body's somersault angle);
// - what kind an action carries (a figure's own kind table, or none).
#pragma once

#include <cmath>

// An action kind that no cancel ever matches.
constexpr int kNoAnimKind = -1;

struct AnimTween {
    float* field;
    float delta;  // added every step
    int stepsLeft;
    int kind;
    AnimTween* next;
};

template <class Figure>
struct AnimAction {
    void (*fn)(Figure* figure, int arg);
    int delay;  // steps still to wait
    int arg;    // for a pose, its duration in steps
    int kind;
    AnimAction* next;
};

template <class Figure>
struct AnimQueues {
    AnimTween tweens{};                // head: only its next is used
    AnimAction<Figure> actions{};      // head: only its next is used
};

struct AnimRules {
    bool dropTweensAtOrBelowZero;  // the Robot's rule; the others drop at exactly 0
};

// Where a pose appends its tweens: the last node of the list.
inline AnimTween* BeginAnimTweens(AnimTween& head) {
    AnimTween* tail = &head;
    while (tail->next) tail = tail->next;
    return tail;
}

// Queues a tween moving *field to target in frames steps after tail and moves
// tail to it; answers whether one was queued. A field already within 0.01 of
// its target is left alone. Fewer than 1 step would divide by zero: such a
// tween takes 1 step.
inline bool AddAnimTween(int frames, int kind, float* field, float target, AnimTween*& tail) {
    if (std::fabs(*field - target) < 0.01f) return false;
    if (frames < 1) frames = 1;
    AnimTween* t = new AnimTween{field, (target - *field) / float(frames), frames, kind, nullptr};
    t->next = tail->next;
    tail->next = t;
    tail = t;
    return true;
}

// Runs every action whose delay has run out. An action may append actions:
// they are reached, and count down, in this same walk. A delay below 0 never
// runs out; it is left alone so that counting down cannot overflow.
template <class Figure>
void RunAnimActions(AnimQueues<Figure>& q, Figure* figure) {
    AnimAction<Figure>* prev = &q.actions;
    AnimAction<Figure>* node = prev->next;
    while (node) {
        if (node->delay > 0 && --node->delay == 0) {
            node->fn(figure, node->arg);
            AnimAction<Figure>* after = node->next;  // read after the call: it may have appended
            prev->next = after;
            delete node;
            node = after;
        } else {
            prev = node;
            node = node->next;
        }
    }
}

// One increment of every running tween; then the fold of the somersault
// angle, so a flip past -360 comes out as a small positive angle.
template <class Figure>
void RunAnimTweens(AnimQueues<Figure>& q, const AnimRules& rules, float* foldField) {
    AnimTween* prev = &q.tweens;
    AnimTween* node = prev->next;
    while (node) {
        *node->field += node->delta;
        --node->stepsLeft;
        bool done = rules.dropTweensAtOrBelowZero ? node->stepsLeft <= 0 : node->stepsLeft == 0;
        if (done) {
            prev->next = node->next;
            delete node;
            node = prev->next;
        } else {
            prev = node;
            node = node->next;
        }
    }
    if (foldField && *foldField < -360.0f) *foldField = std::fabs(*foldField + 360.0f);
}

// With delay 0 the action runs at once and nothing is queued.
template <class Figure>
void ScheduleAnimAction(AnimQueues<Figure>& q, void (*fn)(Figure*, int), Figure* figure, int arg,
                        int delay, int kind) {
    if (delay == 0) {
        fn(figure, arg);
        return;
    }
    AnimAction<Figure>* tail = &q.actions;
    while (tail->next) tail = tail->next;
    tail->next = new AnimAction<Figure>{fn, delay, arg, kind, nullptr};
}

template <class Node, class Pred>
void RemoveAnimNodesIf(Node& head, Pred pred) {
    Node* prev = &head;
    while (Node* node = prev->next) {
        if (pred(*node)) {
            prev->next = node->next;
            delete node;
        } else {
            prev = node;
        }
    }
}

// Cancelled tweens leave their fields where they have got to.
template <class Figure>
void RemoveAnimTweensOfKind(AnimQueues<Figure>& q, int kind) {
    RemoveAnimNodesIf(q.tweens, [kind](const AnimTween& t) { return t.kind == kind; });
}

template <class Figure>
void RemoveAnimActionsOfKind(AnimQueues<Figure>& q, int kind) {
    if (kind == kNoAnimKind) return;
    RemoveAnimNodesIf(q.actions, [kind](const AnimAction<Figure>& a) { return a.kind == kind; });
}

template <class Figure>
void ClearAnimTweens(AnimQueues<Figure>& q) {
    RemoveAnimNodesIf(q.tweens, [](const AnimTween&) { return true; });
}

template <class Figure>
void ClearAnimActions(AnimQueues<Figure>& q) {
    RemoveAnimNodesIf(q.actions, [](const AnimAction<Figure>&) { return true; });
}

template <class Figure>
int CountAnimTweens(const AnimQueues<Figure>& q) {
    int n = 0;
    for (const AnimTween* t = q.tweens.next; t; t = t->next) ++n;
    return n;
}

template <class Figure>
int CountAnimActions(const AnimQueues<Figure>& q) {
    int n = 0;
    for (const AnimAction<Figure>* a = q.actions.next; a; a = a->next) ++n;
    return n;
}
