#include "figures/pose_table.h"

namespace {

// The field numbers a target names: one field, or a left field and its twin.
template <class Fn>
void ForEachTargetField(const FigureLayout& layout, int field, Fn fn) {
    int f = field & ~(kBothSidesBit | kRightSideBit);
    if (field & kBothSidesBit) {
        fn(f);
        fn(f + layout.sideStride);
    } else if (field & kRightSideBit) {
        fn(f + layout.sideStride);
    } else {
        fn(f);
    }
}

void ApplyTargets(const FigureLayout& layout, const std::vector<PoseTarget>& targets,
                  ResolvedPose& pose) {
    for (const PoseTarget& t : targets) {
        ForEachTargetField(layout, t.field, [&](int f) {
            if (f < 0 || f >= layout.fieldCount) return;
            pose.moves[f] = 1;
            pose.target[f] = t.value;
        });
    }
}

void ResolveInto(const FigureLayout& layout, const PoseRow& row, ResolvedPose& pose) {
    if (row.base) ResolveInto(layout, *row.base, pose);
    ApplyTargets(layout, row.targets, pose);
}

}  // namespace

unsigned PoseGroups(const PoseRow& row) {
    if (row.groups || !row.base) return row.groups;
    return PoseGroups(*row.base);
}

ResolvedPose ResolvePose(const FigureLayout& layout, const PoseRow& row) {
    ResolvedPose pose;
    pose.moves.assign(layout.fieldCount, 0);
    pose.target.assign(layout.rest, layout.rest + layout.fieldCount);
    unsigned groups = PoseGroups(row);
    for (int f = 0; f < layout.fieldCount; ++f)
        if (layout.groupsOf[f] & groups) pose.moves[f] = 1;
    ResolveInto(layout, row, pose);
    return pose;
}

std::vector<PoseTarget> MirrorTargets(const FigureLayout& layout,
                                      const std::vector<PoseTarget>& targets) {
    std::vector<PoseTarget> out = targets;
    for (PoseTarget& t : out) {
        if (t.field & kBothSidesBit) continue;
        int f = t.field & ~kRightSideBit;
        if (f >= layout.sideStride) continue;  // not a sided field
        t.field = (t.field & kRightSideBit) ? f : Right(f);
    }
    return out;
}

std::vector<PoseTarget> JoinTargets(std::initializer_list<std::vector<PoseTarget>> lists) {
    std::vector<PoseTarget> out;
    for (const auto& l : lists) out.insert(out.end(), l.begin(), l.end());
    return out;
}
