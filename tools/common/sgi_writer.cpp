#include "sgi_writer.h"

#include <cstdio>

namespace {

void PutU16(std::vector<uint8_t>& out, size_t at, unsigned v) {
    out[at] = uint8_t(v >> 8);
    out[at + 1] = uint8_t(v);
}

void PutU32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = uint8_t(v >> 24);
    out[at + 1] = uint8_t(v >> 16);
    out[at + 2] = uint8_t(v >> 8);
    out[at + 3] = uint8_t(v);
}

std::vector<uint8_t> Header(const SgiPicture& pic, bool rle) {
    std::vector<uint8_t> out(512, 0);
    PutU16(out, 0, 474);
    out[2] = rle ? 1 : 0;
    out[3] = 1;  // bytes per channel
    PutU16(out, 4, pic.channels == 1 ? 2 : 3);
    PutU16(out, 6, unsigned(pic.width));
    PutU16(out, 8, unsigned(pic.height));
    PutU16(out, 10, unsigned(pic.channels));
    PutU32(out, 16, 255);  // max pixel value
    return out;
}

std::vector<uint8_t> ChannelRow(const SgiPicture& pic, int y, int z) {
    std::vector<uint8_t> row(size_t(pic.width));
    for (int x = 0; x < pic.width; ++x)
        row[size_t(x)] = pic.texels[(size_t(y) * pic.width + x) * pic.channels + z];
    return row;
}

// Runs of three or more equal bytes become repeat packets, the rest literal
// packets; at most 127 bytes a packet.
std::vector<uint8_t> EncodeRow(const std::vector<uint8_t>& row) {
    std::vector<uint8_t> out;
    size_t i = 0, n = row.size();
    while (i < n) {
        size_t run = 1;
        while (i + run < n && run < 127 && row[i + run] == row[i]) ++run;
        if (run >= 3) {
            out.push_back(uint8_t(run));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        size_t start = i, len = 0;
        while (i < n && len < 127) {
            if (i + 2 < n && row[i] == row[i + 1] && row[i] == row[i + 2]) break;
            ++i;
            ++len;
        }
        out.push_back(uint8_t(0x80 | len));
        out.insert(out.end(), row.begin() + long(start), row.begin() + long(start + len));
    }
    out.push_back(0);
    return out;
}

std::vector<uint8_t> EncodeVerbatim(const SgiPicture& pic) {
    std::vector<uint8_t> out = Header(pic, false);
    for (int z = 0; z < pic.channels; ++z)
        for (int y = 0; y < pic.height; ++y) {
            std::vector<uint8_t> row = ChannelRow(pic, y, z);
            out.insert(out.end(), row.begin(), row.end());
        }
    return out;
}

std::vector<uint8_t> EncodeRunLength(const SgiPicture& pic) {
    std::vector<uint8_t> out = Header(pic, true);
    size_t rows = size_t(pic.height) * pic.channels;
    size_t tables = out.size();
    out.resize(tables + rows * 8, 0);
    for (int z = 0; z < pic.channels; ++z)
        for (int y = 0; y < pic.height; ++y) {
            std::vector<uint8_t> packed = EncodeRow(ChannelRow(pic, y, z));
            size_t index = size_t(y) + size_t(z) * pic.height;
            PutU32(out, tables + index * 4, uint32_t(out.size()));
            PutU32(out, tables + (rows + index) * 4, uint32_t(packed.size()));
            out.insert(out.end(), packed.begin(), packed.end());
        }
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeSgi(const SgiPicture& pic, SgiStorage storage) {
    if (storage == SgiStorage::Verbatim) return EncodeVerbatim(pic);
    if (storage == SgiStorage::RunLength) return EncodeRunLength(pic);
    std::vector<uint8_t> plain = EncodeVerbatim(pic);
    std::vector<uint8_t> packed = EncodeRunLength(pic);
    return packed.size() < plain.size() ? packed : plain;
}

bool WriteSgiFile(const std::string& path, const SgiPicture& pic, SgiStorage storage) {
    std::vector<uint8_t> bytes = EncodeSgi(pic, storage);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
