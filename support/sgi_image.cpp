#include "support/sgi_image.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "support/helpers.h"

namespace {

// Larger images than this are taken for corrupt headers: no texture of the
// game comes near it, and it keeps every size product far from overflow.
const uint64_t kMaxTexels = uint64_t(1) << 24;
const int kMaxChannels = 16;

bool HostIsLittleEndian() {
    const uint16_t probe = 1;
    unsigned char first;
    std::memcpy(&first, &probe, 1);
    return first == 1;
}

[[noreturn]] void Malformed(const char* file, const char* why) {
    std::fprintf(stderr, "%s: malformed SGI image: %s\n", file, why);
    ExitProgram(1);
}

[[noreturn]] void OutOfMemory() {
    std::fprintf(stderr, "Out of memory!\n");
    ExitProgram(1);
}

void FreeImage(SgiImage* image) {
    if (!image) return;
    if (image->file) std::fclose(image->file);
    std::free(image->rowBuffer);
    std::free(image->rowStart);
    std::free(image->rowLength);
    std::free(image);
}

// Ends the program after freeing what the image holds, so a fuzzer that
// catches the exit does not leak.
[[noreturn]] void Reject(SgiImage* image, const char* why) {
    const char* name = image->name;
    FreeImage(image);
    Malformed(name, why);
}

bool ReadExactly(FILE* f, long offset, void* out, size_t n) {
    return std::fseek(f, offset, SEEK_SET) == 0 && std::fread(out, 1, n, f) == n;
}

void ReadRowTables(SgiImage* image) {
    long count = long(image->ysize) * image->zsize;
    size_t bytes = size_t(count) * 4;
    image->rowStart = static_cast<uint32_t*>(std::malloc(bytes));
    image->rowLength = static_cast<uint32_t*>(std::malloc(bytes));
    if (!image->rowStart || !image->rowLength) {
        FreeImage(image);
        OutOfMemory();
    }
    if (!ReadExactly(image->file, 512, image->rowStart, bytes) ||
        !ReadExactly(image->file, 512 + long(bytes), image->rowLength, bytes))
        Reject(image, "row tables cut short");
    if (HostIsLittleEndian()) {
        SwapLongs(image->rowStart, count);
        SwapLongs(image->rowLength, count);
    }
    uint64_t rowBufferSize = uint64_t(256) * image->xsize;
    for (long i = 0; i < count; ++i) {
        if (image->rowLength[i] > rowBufferSize) Reject(image, "row longer than its buffer");
        if (uint64_t(image->rowStart[i]) + image->rowLength[i] > uint64_t(image->fileSize))
            Reject(image, "row past the end of the file");
    }
}

void CheckHeader(SgiImage* image, unsigned bytesPerChannel) {
    if (image->xsize == 0 || image->ysize == 0) Reject(image, "zero width or height");
    if (image->zsize == 0 || image->zsize > kMaxChannels) Reject(image, "bad channel count");
    if (bytesPerChannel == 2) Reject(image, "two bytes per channel are not supported");
    if (bytesPerChannel != 1) Reject(image, "bad bytes per channel");
    if (uint64_t(image->xsize) * image->ysize > kMaxTexels) Reject(image, "image too large");
    if ((image->type >> 8) != 1) {
        uint64_t need = 512 + uint64_t(image->xsize) * image->ysize * image->zsize;
        if (need > uint64_t(image->fileSize)) Reject(image, "image data cut short");
    }
}

// Expands one run-length row; false when it is malformed.
bool ExpandRow(const uint8_t* in, uint32_t inLength, uint8_t* out, unsigned width) {
    uint32_t i = 0;
    unsigned o = 0;
    while (i < inLength) {
        uint8_t c = in[i++];
        unsigned n = c & 0x7F;
        if (n == 0) return true;
        if (o + n > width) return false;
        if (c & 0x80) {
            if (i + n > inLength) return false;
            std::memcpy(out + o, in + i, n);
            i += n;
        } else {
            if (i >= inLength) return false;
            std::memset(out + o, in[i++], n);
        }
        o += n;
    }
    return true;
}

using PackFn = void (*)(unsigned char* const* rows, unsigned char* out, int n);

void ReadImageRows(SgiImage* image, unsigned char* result, unsigned texelBytes, int channels,
                   unsigned char* const* rows, PackFn pack) {
    for (int y = 0; y < image->ysize; ++y) {
        for (int z = 0; z < channels; ++z) ReadSgiRow(image, rows[z], y, z);
        pack(rows, result + size_t(y) * image->xsize * texelBytes, image->xsize);
    }
}

struct FreeDeleter {
    void operator()(unsigned char* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<unsigned char, FreeDeleter>;

Buffer Allocate(size_t bytes) { return Buffer(static_cast<unsigned char*>(std::malloc(bytes))); }

const PackFn kPackRgba[4] = {
    [](unsigned char* const* r, unsigned char* o, int n) { PackGreyToRgba(r[0], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackGreyAlphaToRgba(r[0], r[1], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackRgbToRgba(r[0], r[1], r[2], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackRgbaToRgba(r[0], r[1], r[2], r[3], o, n); },
};

const PackFn kPackOwn[4] = {
    [](unsigned char* const* r, unsigned char* o, int n) { PackGreyRow(r[0], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackGreyAlphaRow(r[0], r[1], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackRgbRow(r[0], r[1], r[2], o, n); },
    [](unsigned char* const* r, unsigned char* o, int n) { PackRgbaToRgba(r[0], r[1], r[2], r[3], o, n); },
};

// The buffers are owned here so that a fatal exit caught by a fuzzer or a
// test (it unwinds) does not leak them.
unsigned char* ReadWith(const char* file, unsigned* width, unsigned* height,
                        unsigned* components, bool packed) {
    SgiImage* image = OpenSgiImage(file);
    *width = image->xsize;
    *height = image->ysize;
    *components = image->zsize;
    int channels = image->zsize >= 4 ? 4 : image->zsize;
    unsigned texelBytes = packed ? unsigned(channels) : 4;
    Buffer result = Allocate(size_t(image->xsize) * image->ysize * texelBytes);
    Buffer rowBuffers[4];
    unsigned char* rows[4];
    bool ok = result != nullptr;
    for (int z = 0; z < 4; ++z) {
        rowBuffers[z] = Allocate(image->xsize);
        rows[z] = rowBuffers[z].get();
        ok = ok && rows[z];
    }
    if (!ok) {
        CloseSgiImage(image);
        return nullptr;
    }
    ReadImageRows(image, result.get(), texelBytes, channels, rows,
                  (packed ? kPackOwn : kPackRgba)[channels - 1]);
    CloseSgiImage(image);
    return result.release();
}

}  // namespace

void SwapShorts(uint16_t* array, long count) {
    for (long i = 0; i < count; ++i) array[i] = uint16_t((array[i] >> 8) | (array[i] << 8));
}

void SwapLongs(uint32_t* array, long count) {
    for (long i = 0; i < count; ++i) {
        uint32_t v = array[i];
        array[i] = (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
    }
}

SgiImage* OpenSgiImage(const char* file) {
    SgiImage* image = static_cast<SgiImage*>(std::calloc(1, sizeof(SgiImage)));
    if (!image) OutOfMemory();
    image->name = file;
    image->file = std::fopen(file, "rb");
    if (!image->file) {
        std::perror(file);
        FreeImage(image);
        ExitProgram(1);
    }
    std::fseek(image->file, 0, SEEK_END);
    image->fileSize = std::ftell(image->file);
    uint16_t header[6];
    if (!ReadExactly(image->file, 0, header, sizeof header)) Reject(image, "header cut short");
    unsigned char raw[4];
    std::memcpy(raw, header, 4);
    if (HostIsLittleEndian()) SwapShorts(header, 6);
    image->magic = header[0];
    image->type = header[1];
    image->dimension = header[2];
    image->xsize = header[3];
    image->ysize = header[4];
    image->zsize = header[5];
    CheckHeader(image, raw[3]);
    image->rowBuffer = static_cast<uint8_t*>(std::malloc(size_t(256) * image->xsize));
    if (!image->rowBuffer) {
        FreeImage(image);
        OutOfMemory();
    }
    if ((image->type >> 8) == 1) ReadRowTables(image);
    return image;
}

void ReadSgiRow(SgiImage* image, unsigned char* buffer, int y, int z) {
    // Rows a malformed file leaves short are filled with zeros.
    std::memset(buffer, 0, image->xsize);
    if ((image->type >> 8) == 1) {
        long index = y + long(z) * image->ysize;
        uint32_t length = image->rowLength[index];
        if (!ReadExactly(image->file, long(image->rowStart[index]), image->rowBuffer, length))
            Reject(image, "row cut short");
        if (!ExpandRow(image->rowBuffer, length, buffer, image->xsize))
            Reject(image, "run-length packet overruns its row");
    } else {
        long offset = 512 + (long(z) * image->ysize + y) * long(image->xsize);
        if (!ReadExactly(image->file, offset, buffer, image->xsize)) Reject(image, "row cut short");
    }
}

void CloseSgiImage(SgiImage* image) { FreeImage(image); }

void PackGreyToRgba(const unsigned char* grey, unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 4) out[0] = out[1] = out[2] = grey[i], out[3] = 255;
}

void PackGreyAlphaToRgba(const unsigned char* grey, const unsigned char* alpha,
                         unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 4) out[0] = out[1] = out[2] = grey[i], out[3] = alpha[i];
}

void PackRgbToRgba(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                   unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 4) out[0] = r[i], out[1] = g[i], out[2] = b[i], out[3] = 255;
}

void PackRgbaToRgba(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                    const unsigned char* a, unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 4) out[0] = r[i], out[1] = g[i], out[2] = b[i], out[3] = a[i];
}

void PackGreyRow(const unsigned char* grey, unsigned char* out, int n) {
    std::memcpy(out, grey, size_t(n));
}

void PackGreyAlphaRow(const unsigned char* grey, const unsigned char* alpha,
                      unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 2) out[0] = grey[i], out[1] = alpha[i];
}

void PackRgbRow(const unsigned char* r, const unsigned char* g, const unsigned char* b,
                unsigned char* out, int n) {
    for (int i = 0; i < n; ++i, out += 3) out[0] = r[i], out[1] = g[i], out[2] = b[i];
}

unsigned char* ReadSgiImage(const char* file, unsigned* width, unsigned* height,
                            unsigned* components) {
    return ReadWith(file, width, height, components, false);
}

unsigned char* ReadSgiImagePacked(const char* file, unsigned* width, unsigned* height,
                                  unsigned* components) {
    return ReadWith(file, width, height, components, true);
}

void LoadSgiTextureInto(unsigned name, const char* file) {
    // With no GL context (game rules run without a window) there is nothing
    // to make the texture in, and GLU would crash asking for the version.
    if (!glGetString(GL_VERSION)) return;
    unsigned w = 0, h = 0, c = 0;
    unsigned char* texels = ReadSgiImage(file, &w, &h, &c);
    if (!texels) {
        std::printf("Not enough memory for the texture %s\n", file);
        ExitProgram(1);
    }
    glBindTexture(GL_TEXTURE_2D, name);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, int(w), int(h), GL_RGBA, GL_UNSIGNED_BYTE, texels);
    // GL keeps its own copy; holding ours would grow memory with every world load.
    std::free(texels);
}

unsigned LoadSgiTexture(const char* file) {
    GLuint name = 0;
    glGenTextures(1, &name);
    LoadSgiTextureInto(name, file);
    return name;
}

void LoadSgiTexturesOnce(unsigned* names, const char* const* files, int count) {
    if (count <= 0) return;
    if (names[count - 1] && glIsTexture(names[count - 1])) {
        glBindTexture(GL_TEXTURE_2D, names[count - 1]);
        return;
    }
    for (int i = 0; i < count; ++i) names[i] = LoadSgiTexture(files[i]);
}
