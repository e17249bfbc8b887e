// Reads SGI image files into 8-bit RGBA texel buffers.
#pragma once
#include <cstdint>
#include <cstdio>

struct SgiImage {
    uint16_t magic, type, dimension, xsize, ysize, zsize;
    FILE* file;
    long fileSize;
    const char* name;
    uint8_t* rowBuffer;     // one compressed row, 256 * xsize bytes
    uint32_t* rowStart;     // run-length files only: ysize * zsize offsets
    uint32_t* rowLength;    // and lengths
};

// Returns xsize*ysize*4 bytes, bottom row first; null when memory runs out.
// A file that cannot be opened or is malformed ends the program (exit 1)
// after a message on standard error.
unsigned char* ReadSgiImage(const char* file, unsigned* width, unsigned* height,
                            unsigned* components);
// The same, with the file's own channel count per texel.
unsigned char* ReadSgiImagePacked(const char* file, unsigned* width, unsigned* height,
                                  unsigned* components);

SgiImage* OpenSgiImage(const char* file);
void ReadSgiRow(SgiImage* image, unsigned char* buffer, int y, int z);
void CloseSgiImage(SgiImage* image);

void SwapShorts(uint16_t* array, long count);
void SwapLongs(uint32_t* array, long count);

void PackGreyToRgba(const unsigned char* grey, unsigned char* out, int n);
void PackGreyAlphaToRgba(const unsigned char* grey, const unsigned char* alpha,
                         unsigned char* out, int n);
void PackRgbToRgba(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                   unsigned char* out, int n);
void PackRgbaToRgba(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                    const unsigned char* a, unsigned char* out, int n);
void PackGreyRow(const unsigned char* grey, unsigned char* out, int n);
void PackGreyAlphaRow(const unsigned char* grey, const unsigned char* alpha,
                      unsigned char* out, int n);
void PackRgbRow(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                unsigned char* out, int n);

// Reads an image and makes a mipmapped RGBA texture of it; returns its name.
// Without a current GL context nothing is read or made.
unsigned LoadSgiTexture(const char* file);
// The same into a texture name the caller already has (left bound).
void LoadSgiTextureInto(unsigned name, const char* file);
// A set of textures made of the same files at every call (a world load, a
// figure made): the first call makes one of each file into names, later
// calls keep them and only bind the last again, so every call leaves bound
// what the first did. Deleting and making them again would grow memory: the
// renderer can hold on to a deleted texture's storage.
void LoadSgiTexturesOnce(unsigned* names, const char* const* files, int count);
