// Poses as data. A figure's tweenable floats are numbered fields; a pose is a
// row naming the groups of fields it moves, the targets that differ from the
// figure's rest values, an optional base pose it copies, and flags it sets at
// once. One applier turns a row into tweens for any figure.
#pragma once

#include <initializer_list>
#include <vector>

#include "figures/figure_anim.h"

// A field number for the left side's field f; the right side's twin is
// f + the layout's side stride. Both() gives a target to both sides.
constexpr int kBothSidesBit = 0x1000;
constexpr int kRightSideBit = 0x2000;
constexpr int Both(int leftField) { return leftField | kBothSidesBit; }
constexpr int Right(int leftField) { return leftField | kRightSideBit; }

struct PoseTarget {
    int field;  // a field number, or Both(f) / Right(f) of a left field f
    float value;
};

struct PoseRow {
    int kind;                         // the kind every tween of the pose carries
    unsigned groups;                  // groups of fields moved (0: the base pose's)
    std::vector<PoseTarget> targets;  // targets off rest (after the base's)
    const PoseRow* base;              // copied pose, or null
    unsigned flags;                   // figure-specific things done at once, after the tweens
};

// How a figure's fields are numbered.
struct FigureLayout {
    int fieldCount;
    int sideStride;            // right field = left field + stride
    const float* rest;         // fieldCount rest values
    const unsigned* groupsOf;  // fieldCount masks: the groups each field belongs to
    // A field whose every tween is twinned by one of the same delta, steps
    // and kind on another field (the Robot's propeller turns with its head);
    // -1 for none.
    int twinFrom = -1;
    int twinTo = -1;
};

// The resolved pose: for every field, whether it moves and to what.
struct ResolvedPose {
    std::vector<char> moves;
    std::vector<float> target;
};

// The same targets with left and right exchanged (values unchanged).
std::vector<PoseTarget> MirrorTargets(const FigureLayout& layout,
                                      const std::vector<PoseTarget>& targets);

// Joins lists of targets; later ones override earlier ones when applied.
std::vector<PoseTarget> JoinTargets(std::initializer_list<std::vector<PoseTarget>> lists);

ResolvedPose ResolvePose(const FigureLayout& layout, const PoseRow& row);
unsigned PoseGroups(const PoseRow& row);

// Queues the row's tweens on a figure whose fields start at fields, in field
// order, after the tween list's tail. Flags are the caller's to apply.
template <class Figure>
void ApplyPoseTweens(AnimQueues<Figure>& q, float* fields, const FigureLayout& layout,
                     const PoseRow& row, int frames) {
    ResolvedPose pose = ResolvePose(layout, row);
    AnimTween* tail = BeginAnimTweens(q.tweens);
    for (int f = 0; f < layout.fieldCount; ++f) {
        if (!pose.moves[f]) continue;
        if (AddAnimTween(frames, row.kind, &fields[f], pose.target[f], tail) && f == layout.twinFrom) {
            AnimTween* twin = new AnimTween{&fields[layout.twinTo], tail->delta, tail->stepsLeft,
                                            row.kind, tail->next};
            tail->next = twin;
            tail = twin;
        }
    }
}

// Three targets on consecutive fields (an X, Y, Z group); field may be
// Both(f) or Right(f).
inline std::vector<PoseTarget> Xyz(int field, float x, float y, float z) {
    return {{field, x}, {field + 1, y}, {field + 2, z}};
}

// The accessors' moves: add to, or store in, a run of consecutive fields.
// A null run (a side that is neither 0 nor 1) is left alone.
inline void NudgeFieldRun(float* run, std::initializer_list<float> deltas) {
    if (!run) return;
    for (float d : deltas) *run++ += d;
}
inline void SetFieldRun(float* run, std::initializer_list<float> values) {
    if (!run) return;
    for (float v : values) *run++ = v;
}
