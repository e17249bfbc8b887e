// The spiral scene, last of the story.
#pragma once

struct Bunny;

// Every viewing starts from frame 0 with a new Bunny, centred and still, and
// restarts the fight music; the backdrop texture is made at the first.
void StartSpiralScene();
// One paced frame; answers 1 on the last one. A window with no area shows
// nothing and the scene waits.
int DrawSpiralSceneFrame(int width, int height);

constexpr int kSpiralFrameMs = 20;
// The three outfit changes start at these frames; the scene ends 200 frames
// after the last pose (at 659).
constexpr int kSpiralOutfitChanges = 3;
constexpr int kSpiralOutfitFrames[kSpiralOutfitChanges] = {107, 237, 368};
constexpr int kSpiralEndFrame = 659 + 200;

// ---- Read-only views for tests and benchmarks ----
int SpiralFrame();
Bunny* GetSpiralStar();
float SpiralStarX();
float SpiralSlideSpeed();
