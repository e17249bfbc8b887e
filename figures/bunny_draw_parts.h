// The Bunny's fixed pieces, the same in every figure and every pose: drawn
// from display lists made on first use, or straight away.
#pragma once

struct Bunny;

enum BunnyPart { kHeadPart, kEyeWhitePart, kFootPart, kGunPart, kShoePart, kBunnyPartCount };

// Draws one piece in the current frame with the current material.
void CallBunnyPart(int part);
// 1 (the default) draws from display lists, 0 in immediate mode; the
// pictures are the same.
void SetBunnyPartLists(int on);

// Front-face ambient and diffuse, as every colour of the figure is set.
void SetBunnyMaterial(const float* rgba);

// Whether any of the figure can show in the present view: a sphere round its
// body position that holds every piece in its present pose.
float BunnyReach(const Bunny* bunny);
bool BunnyInView(const Bunny* bunny);
