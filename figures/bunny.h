// The Bunny figure.
#pragma once

void LoadBunnyTextures();
