#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "sgi_writer.h"
#include "support/sgi_image.h"
#include "test_support.h"

namespace {

SgiPicture Pattern(int w, int h, int channels) {
    SgiPicture p;
    p.width = w;
    p.height = h;
    p.channels = channels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < channels; ++c)
                // runs and noise, so both packet kinds occur
                p.texels.push_back(uint8_t(x < w / 2 ? 40 * c + y : (x * 37 + y * 11 + c * 5) & 0xFF));
    return p;
}

// What the reader must give back for a picture: RGBA, bottom row first.
std::vector<uint8_t> ExpectedRgba(const SgiPicture& p) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < size_t(p.width) * p.height; ++i) {
        const uint8_t* t = &p.texels[i * p.channels];
        switch (p.channels) {
        case 1: out.insert(out.end(), {t[0], t[0], t[0], 255}); break;
        case 2: out.insert(out.end(), {t[0], t[0], t[0], t[1]}); break;
        case 3: out.insert(out.end(), {t[0], t[1], t[2], 255}); break;
        default: out.insert(out.end(), {t[0], t[1], t[2], t[3]}); break;
        }
    }
    return out;
}

std::vector<uint8_t> Read(const std::string& path, unsigned* w, unsigned* h, unsigned* c) {
    unsigned char* texels = ReadSgiImage(path.c_str(), w, h, c);
    std::vector<uint8_t> out(texels, texels + size_t(*w) * *h * 4);
    std::free(texels);
    return out;
}

std::string WriteBytes(const std::string& dir, const std::string& name,
                       const std::vector<uint8_t>& bytes) {
    return WriteTextFile(dir, name, std::string(bytes.begin(), bytes.end()));
}

void PutU16(std::vector<uint8_t>& b, size_t at, unsigned v) {
    b[at] = uint8_t(v >> 8);
    b[at + 1] = uint8_t(v);
}

void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (24 - 8 * i));
}

}  // namespace

TEST(SgiImage, EveryChannelCountAndStorageReadsBackExactly) {
    std::string dir = ScratchDir("sgi_roundtrip");
    for (int channels = 1; channels <= 4; ++channels)
        for (SgiStorage storage : {SgiStorage::Verbatim, SgiStorage::RunLength}) {
            SgiPicture pic = Pattern(37, 13, channels);
            std::string path = dir + "/p" + std::to_string(channels) +
                               (storage == SgiStorage::Verbatim ? "v.sgi" : "r.sgi");
            ASSERT_TRUE(WriteSgiFile(path, pic, storage));
            unsigned w = 0, h = 0, c = 0;
            std::vector<uint8_t> texels = Read(path, &w, &h, &c);
            EXPECT_EQ(w, 37u);
            EXPECT_EQ(h, 13u);
            EXPECT_EQ(c, unsigned(channels));
            EXPECT_EQ(texels, ExpectedRgba(pic)) << path;
        }
}

TEST(SgiImage, PackedReadKeepsTheFilesChannelCount) {
    std::string dir = ScratchDir("sgi_packed");
    SgiPicture pic = Pattern(9, 4, 3);
    std::string path = dir + "/rgb.sgi";
    ASSERT_TRUE(WriteSgiFile(path, pic, SgiStorage::RunLength));
    unsigned w, h, c;
    unsigned char* texels = ReadSgiImagePacked(path.c_str(), &w, &h, &c);
    EXPECT_EQ(std::vector<uint8_t>(texels, texels + 9 * 4 * 3), pic.texels);
    std::free(texels);
}

TEST(SgiImage, FiveChannelsReadAsRgbaFromTheFirstFour) {
    std::string dir = ScratchDir("sgi_five");
    SgiPicture five = Pattern(8, 3, 5);
    std::string path = dir + "/five.sgi";
    ASSERT_TRUE(WriteSgiFile(path, five, SgiStorage::Verbatim));
    SgiPicture four = five;
    four.channels = 4;
    four.texels.clear();
    for (size_t i = 0; i < five.texels.size(); i += 5)
        four.texels.insert(four.texels.end(), five.texels.begin() + long(i),
                           five.texels.begin() + long(i + 4));
    unsigned w, h, c;
    EXPECT_EQ(Read(path, &w, &h, &c), ExpectedRgba(four));
    EXPECT_EQ(c, 5u);
}

TEST(SgiImage, ZeroCountPacketEndsTheRowAndShortRowsAreZeroFilled) {
    std::string dir = ScratchDir("sgi_short_row");
    SgiPicture pic = Pattern(4, 1, 1);
    std::vector<uint8_t> bytes = EncodeSgi(pic, SgiStorage::RunLength);
    // One row: offset table at 512, length at 516, data at 520.
    std::vector<uint8_t> row = {0x02, 7, 0x00, 0x83, 1, 2, 3};  // 2x7, then end
    bytes.resize(520);
    bytes.insert(bytes.end(), row.begin(), row.end());
    PutU32(bytes, 516, uint32_t(row.size()));
    std::string path = WriteBytes(dir, "short.sgi", bytes);
    unsigned w, h, c;
    std::vector<uint8_t> texels = Read(path, &w, &h, &c);
    std::vector<uint8_t> want = {7, 7, 7, 255, 7, 7, 7, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    EXPECT_EQ(texels, want);
}

// Each malformed file must end the program with a message naming it, exit 1.
TEST(SgiImageDeathTest, MalformedFilesAreRejectedCleanly) {
    std::string dir = ScratchDir("sgi_malformed");
    SgiPicture pic = Pattern(16, 8, 3);
    const std::vector<uint8_t> rle = EncodeSgi(pic, SgiStorage::RunLength);
    const std::vector<uint8_t> raw = EncodeSgi(pic, SgiStorage::Verbatim);
    struct Case {
        const char* name;
        std::function<std::vector<uint8_t>()> make;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"empty", [] { return std::vector<uint8_t>(); }, "header cut short"},
        {"header5", [&] { return std::vector<uint8_t>(raw.begin(), raw.begin() + 5); }, "header cut short"},
        {"verbatim_cut", [&] { return std::vector<uint8_t>(raw.begin(), raw.end() - 10); }, "image data cut short"},
        {"zero_width", [&] { auto b = raw; PutU16(b, 6, 0); return b; }, "zero width or height"},
        {"zero_height", [&] { auto b = rle; PutU16(b, 8, 0); return b; }, "zero width or height"},
        {"zero_channels", [&] { auto b = rle; PutU16(b, 10, 0); return b; }, "bad channel count"},
        {"many_channels", [&] { auto b = raw; PutU16(b, 10, 60000); return b; }, "bad channel count"},
        {"two_byte", [&] { auto b = raw; b[3] = 2; return b; }, "two bytes per channel"},
        {"huge", [&] { auto b = rle; PutU16(b, 6, 65535); PutU16(b, 8, 65535); return b; }, "too large"},
        {"tables_cut", [&] { return std::vector<uint8_t>(rle.begin(), rle.begin() + 530); }, "row tables cut short"},
        {"offset_past_end", [&] { auto b = rle; PutU32(b, 512, 0x7FFFFFF0); return b; }, "past the end"},
        {"length_huge", [&] { auto b = rle; PutU32(b, 512 + 24 * 4, 0xFFFFFFFF); return b; }, "longer than its buffer"},
        {"packet_overrun", [&] {
             auto b = rle;
             uint32_t at = (uint32_t(b[512]) << 24) | (b[513] << 16) | (b[514] << 8) | b[515];
             b[at] = 0x7F;  // a repeat of 127 bytes into a 16-byte row
             return b;
         }, "overruns its row"},
        {"literal_past_length", [&] {
             auto b = rle;
             PutU32(b, 512 + 24 * 4, 1);  // the first row's length: only the control byte
             uint32_t at = (uint32_t(b[512]) << 24) | (b[513] << 16) | (b[514] << 8) | b[515];
             b[at] = 0x85;
             return b;
         }, "overruns its row"},
    };
    for (const Case& c : cases) {
        std::string path = WriteBytes(dir, std::string(c.name) + ".sgi", c.make());
        unsigned w, h, n;
        EXPECT_EXIT(ReadSgiImage(path.c_str(), &w, &h, &n), ::testing::ExitedWithCode(1),
                    std::string(c.name) + "\\.sgi: malformed SGI image: .*" + c.message)
            << c.name;
    }
}

TEST(SgiImageDeathTest, MissingFileIsReportedLikePerror) {
    unsigned w, h, c;
    EXPECT_EXIT(ReadSgiImage("no-such-picture.sgi", &w, &h, &c), ::testing::ExitedWithCode(1),
                "no-such-picture.sgi: No such file or directory");
}
