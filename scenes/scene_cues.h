// A scene as data: cue tables of (frame, action, arguments) and the small
// interpreter every story scene runs them with.
//
// Two kinds of table:
// - frame cues fire from a scene's frame loop, each on the one frame it names
//   (sounds, slides, outfit changes), so a slow machine stretches a scene
//   rather than skipping events;
// - pose cues are handed to a figure's animation queue all at once at the
//   scene's start, each as (pose, actor, duration, delay); runs of alternating
//   gestures are written as one PoseRun row and expanded.
#pragma once

#include <vector>

// On frame `frame` exactly: call() or, when that is null, callWith(arg).
struct FrameCue {
    int frame;
    void (*call)();
    void (*callWith)(int arg) = nullptr;
    int arg = 0;
};

// Runs, in table order, every cue whose frame equals `frame`; answers how
// many ran.
inline int RunFrameCues(const FrameCue* cues, int count, int frame) {
    int ran = 0;
    for (int i = 0; i < count; ++i) {
        const FrameCue& c = cues[i];
        if (c.frame != frame) continue;
        if (c.call) c.call();
        else if (c.callWith) c.callWith(c.arg);
        ++ran;
    }
    return ran;
}

template <int N>
int RunFrameCues(const FrameCue (&cues)[N], int frame) {
    return RunFrameCues(cues, N, frame);
}

// One pose cue: `pose` on the scene's cast member `actor`, over `duration`
// frames, starting `delay` frames after the scene's start. Pose is the
// figure's action type (a Bunny pose, a Rodent pose, ...).
template <class Pose>
struct PoseCue {
    int delay;
    Pose pose;
    int actor;
    int duration;
};

// A run of cues on one actor: at from, from + step, ... up to and including
// `to`, alternately `first` and `second` (a null second repeats first). A
// single cue is a run with from == to (step is then ignored).
template <class Pose>
struct PoseRun {
    int from, to, step;
    Pose first, second;
    int actor;
    int duration;
};

// The runs' cues in table order, each run's in time order. A run whose step
// is not positive gives its first cue only.
template <class Pose>
std::vector<PoseCue<Pose>> ExpandPoseRuns(const PoseRun<Pose>* runs, int count) {
    std::vector<PoseCue<Pose>> cues;
    for (int i = 0; i < count; ++i) {
        const PoseRun<Pose>& r = runs[i];
        int n = 0;
        for (int d = r.from; d <= r.to; d += r.step, ++n) {
            Pose pose = (n % 2 == 1 && r.second) ? r.second : r.first;
            cues.push_back({d, pose, r.actor, r.duration});
            if (r.step <= 0) break;
        }
    }
    return cues;
}

template <class Pose, int N>
std::vector<PoseCue<Pose>> ExpandPoseRuns(const PoseRun<Pose> (&runs)[N]) {
    return ExpandPoseRuns(runs, N);
}

// Hands every cue, in order, to schedule(pose, actor, duration, delay); the
// scene's schedule picks the figure (or figures) the actor number names.
template <class Pose, class Schedule>
void QueuePoseCues(const PoseCue<Pose>* cues, int count, Schedule schedule) {
    for (int i = 0; i < count; ++i)
        schedule(cues[i].pose, cues[i].actor, cues[i].duration, cues[i].delay);
}

template <class Pose, class Schedule>
void QueuePoseCues(const std::vector<PoseCue<Pose>>& cues, Schedule schedule) {
    QueuePoseCues(cues.data(), int(cues.size()), schedule);
}
