// Makes the game's pictures as SGI image files in the folder given.
#include <cmath>
#include <cstdio>
#include <string>

#include "sgi_writer.h"

namespace {

SgiPicture Blank(int w, int h, int channels) {
    SgiPicture p;
    p.width = w;
    p.height = h;
    p.channels = channels;
    p.texels.assign(size_t(w) * h * channels, 0);
    return p;
}

void Put(SgiPicture& p, int x, int y, int r, int g, int b, int a) {
    if (x < 0 || y < 0 || x >= p.width || y >= p.height) return;
    uint8_t* t = &p.texels[(size_t(y) * p.width + x) * p.channels];
    const int v[4] = {r, g, b, a};
    if (p.channels >= 3) {
        for (int i = 0; i < p.channels; ++i) t[i] = uint8_t(v[i]);
    } else {
        t[0] = uint8_t((r + g + b) / 3);
        if (p.channels == 2) t[1] = uint8_t(a);
    }
}

// A framed panel with a soft gradient: a plain first version of each screen.
SgiPicture Panel(int r, int g, int b, int alpha) {
    SgiPicture p = Blank(256, 256, 4);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            bool frame = x < 6 || y < 6 || x > 249 || y > 249;
            double shade = 0.5 + 0.5 * y / 255.0;
            if (frame) Put(p, x, y, 255, 255, 255, 255);
            else Put(p, x, y, int(r * shade), int(g * shade), int(b * shade), alpha);
        }
    return p;
}

SgiPicture Gem() {
    SgiPicture p = Blank(64, 64, 4);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            int d = std::abs(x - 32) + std::abs(y - 32);
            if (d < 28) Put(p, x, y, 255, 255, 255, 255 - d * 8);
        }
    return p;
}

bool Write(const std::string& dir, const char* name, const SgiPicture& p) {
    if (WriteSgiFile(dir + "/" + name, p)) return true;
    std::fprintf(stderr, "make_images: cannot write %s/%s\n", dir.c_str(), name);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images DATA_FOLDER\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = true;
    ok &= Write(dir, "title.sgi", Panel(40, 90, 200, 255));
    ok &= Write(dir, "selectworld.sgi", Panel(40, 160, 80, 255));
    ok &= Write(dir, "numplayers.sgi", Panel(160, 60, 160, 255));
    ok &= Write(dir, "getready.sgi", Panel(200, 200, 40, 160));
    ok &= Write(dir, "gameover.sgi", Panel(200, 40, 40, 160));
    ok &= Write(dir, "pfire1.sgi", Panel(230, 120, 20, 160));
    ok &= Write(dir, "head.sgi", Panel(180, 180, 180, 255));
    ok &= Write(dir, "gem.sgi", Gem());
    return ok ? 0 : 1;
}
