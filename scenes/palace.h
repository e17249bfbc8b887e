// The palace scene, first of the story.
#pragma once

struct Bunny;
struct Emitter;

// Once at start-up; every viewing reuses the textures.
void LoadPalaceTextures();
// Every viewing starts from frame 0 with new actors and steam.
void StartPalaceScene();
// One paced frame; answers 1 on the last one. A window with no area shows
// nothing and the scene waits.
int DrawPalaceSceneFrame(int width, int height);

// ---- Read-only views for tests and benchmarks ----

struct PalaceProp {
    float x, y, z, rotX, rotY, rotZ;
};
enum PalacePropIndex { kPropTeapot, kPropTable, kPropChairA, kPropChairB, kPropSteam, kPalacePropCount };
enum PalaceActorIndex { kPalaceActorA, kPalaceActorB, kPalaceActorCount };  // lounge wear, robe

int PalaceFrame();
const PalaceProp& GetPalaceProp(int i);
Bunny* GetPalaceActor(int i);
Emitter* GetPalaceSteam();
