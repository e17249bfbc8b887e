#include "catalogue.h"

std::vector<PictureMaker> AllPictures() {
    std::vector<PictureMaker> all;
    for (auto list : {ScreenPictures, WorldPictures, OutfitPictures, ParticlePictures, RobotPictures,
                      ScenePictures}) {
        std::vector<PictureMaker> part = list();
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}
