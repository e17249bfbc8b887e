// The Bunny figure: every pib wears one, and the opening, palace and spiral
// scenes animate them. The record is in figures/bunny_record.h.
#pragma once

struct Bunny;

// Once at start-up: the outfit and accessory textures and the colour schemes.
void LoadBunnyTextures();
void InitBunnyColorSchemes();

// A new figure in outfit 0 to 7, with or without shoes.
Bunny* NewBunny(int outfit, int shoes);
// Frees the figure with its queues and emitters.
void DeleteBunny(Bunny* bunny);

void SetBunnyColorScheme(Bunny* bunny, int scheme);
void SetBunnyOutfit4(Bunny* bunny);
void SetBunnyGlasses(Bunny* bunny, int on);
void SetBunnyWhiskers(Bunny* bunny, int on);
void SetBunnyFaceMark(Bunny* bunny, int on);
void SetBunnyTrembling(Bunny* bunny, int on);
void SetBunnyGunFlag(Bunny* bunny, int hand, int on);  // hand 0 left, 1 right
int BunnyHandHasGun(Bunny* bunny, int hand);

// Set stores, Nudge adds; side 0 left, 1 right.
void SetBunnyEar(Bunny* bunny, int side, float bend, float rotate);
void NudgeBunnyEar(Bunny* bunny, int side, float bend, float rotate);
void SetBunnyEyebrow(Bunny* bunny, int side, float angle, float orientation);
void NudgeBunnyEyebrow(Bunny* bunny, int side, float angle, float orientation);
void SetBunnyEyeball(Bunny* bunny, int side, float radius, float xcor, float ycor);
void NudgeBunnyEyeball(Bunny* bunny, int side, float radius, float xcor, float ycor);
void SetBunnyHead(Bunny* bunny, float ax, float ay, float az, float px, float py, float pz);
void NudgeBunnyHead(Bunny* bunny, float ax, float ay, float az, float px, float py, float pz);
void SetBunnyBody(Bunny* bunny, float ax, float ay, float az, float px, float py, float pz);
void NudgeBunnyBody(Bunny* bunny, float ax, float ay, float az, float px, float py, float pz);
void SetBunnyBackarm(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyBackarm(Bunny* bunny, int side, float x, float y, float z);
void SetBunnyForearm(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyForearm(Bunny* bunny, int side, float x, float y, float z);
void SetBunnyHand(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyHand(Bunny* bunny, int side, float x, float y, float z);
void SetBunnyUpperleg(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyUpperleg(Bunny* bunny, int side, float x, float y, float z);
void SetBunnyLowerleg(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyLowerleg(Bunny* bunny, int side, float x, float y, float z);
void SetBunnyFoot(Bunny* bunny, int side, float x, float y, float z);
void NudgeBunnyFoot(Bunny* bunny, int side, float x, float y, float z);

// Writes the pose fields to "Bunny Position Data" (a debugging aid).
void PrintBunnyPosition(Bunny* bunny);

void DrawBunny(Bunny* bunny);
void DrawBunnyEmitters(Bunny* bunny);
void UpdateBunnyEmitters(Bunny* bunny);
// Bursts: switch emitter 0 (head), 1 (chest) or 2 (legs) on for frames updates.
void StartBunnyEmitter0(Bunny* bunny, int frames);
void StartBunnyEmitter1(Bunny* bunny, int frames);
void StartBunnyEmitter2(Bunny* bunny, int frames);
// Three floats: the foot's offsets from the figure's origin.
void GetBunnyLeftFootPos(Bunny* bunny, float* out);
void GetBunnyRightFootPos(Bunny* bunny, float* out);

// The scenes move a figure's emitters to its new place; never undone.
void ShiftBunnyEmittersOpening(Bunny* bunny);
void ShiftBunnyEmittersPalace(Bunny* bunny);
