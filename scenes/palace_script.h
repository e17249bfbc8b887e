// The palace scene's timeline as data: the actors' pose cues, queued at the
// start, and the sound cues of the frame loop.
#pragma once

#include <vector>

#include "figures/bunny_animation.h"
#include "scenes/scene_cues.h"

constexpr int kPalaceFrameMs = 30;
// A stands up from 1932; its chair tips over in the 18 frames before 1950.
constexpr int kPalaceTipStart = 1932;
constexpr int kPalaceTipEnd = 1950;
// 200 frames after A's last cue (the stagger at 2302, 7 frames) the scene ends.
constexpr int kPalaceEndFrame = 2509;

// Every pose cue, actors numbered as PalaceActorIndex.
const std::vector<PoseCue<BunnyPose>>& PalacePoseCues();

constexpr int kPalaceSoundCueCount = 9;
const FrameCue* PalaceSoundCues();
