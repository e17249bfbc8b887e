// The Bunny figure.
#pragma once

struct Bunny;

void LoadBunnyTextures();
void SetBunnyColorScheme(Bunny* bunny, int k);
