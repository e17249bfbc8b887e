// Sparks that fly from a moving point and bounce off the board.
#pragma once

void LoadSparkTextures();
