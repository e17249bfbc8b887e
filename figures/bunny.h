// The Bunny figure.
#pragma once

struct Bunny;

void LoadBunnyTextures();

// A new figure in outfit 0 to 7, with or without shoes.
Bunny* NewBunny(int outfit, int shoes);
void SetBunnyColorScheme(Bunny* bunny, int scheme);
void SetBunnyGlasses(Bunny* bunny, int on);
void SetBunnyWhiskers(Bunny* bunny, int on);
void SetBunnyFaceMark(Bunny* bunny, int on);
void SetBunnyTrembling(Bunny* bunny, int on);
void SetBunnyGunFlag(Bunny* bunny, int hand, int on);  // hand 0 left, 1 right

void DrawBunny(Bunny* bunny);
void DrawBunnyEmitters(Bunny* bunny);
void UpdateBunnyEmitters(Bunny* bunny);
// Three floats: the foot's offsets from the figure's origin.
void GetBunnyLeftFootPos(Bunny* bunny, float* out);
void GetBunnyRightFootPos(Bunny* bunny, float* out);
