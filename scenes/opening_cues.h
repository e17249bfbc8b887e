// The opening story's pose cues: three batches of (pose, duration, delay),
// queued on the one Bunny when the script reaches their frames. Durations and
// delays are in scene frames, counted from the frame the batch is queued at.
#pragma once
#include <vector>

#include "figures/bunny_animation.h"

struct OpeningCue {
    BunnyPose pose;
    int duration;
    int delay;
};

// Peeking up from hiding, then seen far off, sliding aside and back.
std::vector<OpeningCue> OpeningCues1();
// Hopping towards the viewer, standing up, crouching and flipping.
std::vector<OpeningCue> OpeningCues2();
// Waving, then burning down; every length scales with speed, so the whole
// batch stretches with it.
std::vector<OpeningCue> OpeningCues3(float speed);

// Hands every cue to the figure's action queue, in table order.
void QueueOpeningCues(Bunny* bunny, const std::vector<OpeningCue>& cues);
