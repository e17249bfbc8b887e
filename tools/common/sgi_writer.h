// Writes SGI image files, the format every texture of the game is stored in.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SgiPicture {
    int width = 0;
    int height = 0;
    int channels = 4;               // 1 grey, 2 grey+alpha, 3 RGB, 4 RGBA
    std::vector<uint8_t> texels;    // width*height*channels, bottom row first
};

// Picks run-length encoding when it makes the file smaller, or forces one
// storage. Returns false when the file cannot be written.
enum class SgiStorage { Smallest, Verbatim, RunLength };
bool WriteSgiFile(const std::string& path, const SgiPicture& pic,
                  SgiStorage storage = SgiStorage::Smallest);

// The file's bytes, for tests that corrupt them.
std::vector<uint8_t> EncodeSgi(const SgiPicture& pic, SgiStorage storage);
