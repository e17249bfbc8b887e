// The army scene's timeline as data: the pose cues of the army and the two
// speakers, queued at the start, and the sound cues of the frame loop.
#pragma once

#include <vector>

#include "figures/rodent.h"
#include "scenes/scene_cues.h"

constexpr int kArmyFrameMs = 40;
constexpr int kArmyRows = 5;
constexpr int kArmyColumns = 8;
constexpr int kArmySize = kArmyRows * kArmyColumns;

// The red dodecahedron spins over [start, end); the Robot rolls in over
// [start, end], 101 steps; the scene ends on kArmyEndFrame.
constexpr int kArmyDodecahedronStart = 1569;
constexpr int kArmyDodecahedronEnd = 1968;
constexpr int kArmyRobotStart = 2008;
constexpr int kArmyRobotEnd = kArmyRobotStart + 100;
constexpr int kArmyEndFrame = 2608;

// Who a pose cue is for: every Rodent of the army at once, or one speaker.
enum ArmyActor { kArmyRanks, kArmySpeakerA, kArmySpeakerB, kArmyActorCount };

// Every pose cue of one viewing, in the order they are queued.
const std::vector<PoseCue<RodentPose>>& ArmyPoseCues();

// The rest step and the eleven dance steps, for the army on its own.
const std::vector<PoseCue<RodentPose>>& ArmyDanceCues();

constexpr int kArmySoundCueCount = 13;
const FrameCue* ArmySoundCues();
