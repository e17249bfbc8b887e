// Makes every picture the game reads as an SGI image file in the data folder
// given, and, when a second path is given, a labelled contact sheet of them
// all as a PNG there.
#include <cstdio>
#include <string>

#include "catalogue.h"
#include "contact_sheet.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_images DATA_FOLDER [CONTACT_SHEET.png]\n");
        return 2;
    }
    std::string dir = argv[1];
    std::vector<NamedPicture> made;
    bool ok = true;
    for (const PictureMaker& maker : AllPictures()) {
        made.push_back({maker.fileName, maker.make()});
        if (!WriteSgiFile(dir + "/" + maker.fileName, made.back().picture)) {
            std::fprintf(stderr, "make_images: cannot write %s/%s\n", dir.c_str(), maker.fileName);
            ok = false;
        }
    }
    if (argc == 3 && !WriteContactSheet(argv[2], made)) {
        std::fprintf(stderr, "make_images: cannot write %s\n", argv[2]);
        ok = false;
    }
    return ok ? 0 : 1;
}
