// Every picture the game reads, by file name, with the function that paints it.
#pragma once
#include <vector>

#include "canvas.h"

struct PictureMaker {
    const char* fileName;
    SgiPicture (*make)();
};

// One list per theme, in the files of the same names.
std::vector<PictureMaker> ScreenPictures();    // menus, overlays, HUD icons
std::vector<PictureMaker> WorldPictures();     // board textures and the shot
std::vector<PictureMaker> OutfitPictures();    // bunny outfits, shoes, gun, lens
std::vector<PictureMaker> ParticlePictures();  // fire, smoke, steam, spark
std::vector<PictureMaker> RobotPictures();     // panels, treads, hat
std::vector<PictureMaker> ScenePictures();     // backdrops and title sprites

std::vector<PictureMaker> AllPictures();
