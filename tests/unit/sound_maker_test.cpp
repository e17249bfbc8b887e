// The pieces of the sound maker whose faults would not show as a missing
// file: rate changes, the 8-bit writer, the speech reader and the patterns.
#include <gtest/gtest.h>
#include <plib/sl.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "audio.h"
#include "effects.h"
#include "game_format.h"
#include "music.h"
#include "synth.h"
#include "test_support.h"
#include "voices.h"

namespace {

const double kPi = 3.14159265358979323846;

Audio Sine(double freq, int rate, double seconds) {
    Audio a;
    a.rate = rate;
    for (int i = 0; i < int(seconds * rate); ++i) a.samples.push_back(float(std::sin(2 * kPi * freq * i / rate)));
    return a;
}

double Rms(const std::vector<float>& s, size_t from, size_t to) {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back((unsigned char)c);
    std::fclose(f);
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// A 16-bit mono WAV header as speech tools write it to a pipe: every size
// left at its largest value.
std::vector<unsigned char> PipeStyleWav(int channels, const std::vector<short>& samples) {
    std::vector<unsigned char> b = {'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0x7f, 'W', 'A', 'V', 'E',
                                    'f', 'm', 't', ' ', 16,   0,    0,    0,    1,   0};
    b.push_back(channels);
    b.push_back(0);
    for (unsigned char c : {0x22, 0x56, 0, 0, 0x44, 0xac, 0, 0}) b.push_back(c);  // 22050 Hz
    b.push_back(2 * channels);
    b.push_back(0);
    b.push_back(16);
    b.push_back(0);
    for (unsigned char c : {'d', 'a', 't', 'a', '\xff', '\xff', '\xff', '\x7f'}) b.push_back(c);
    for (short s : samples) {
        b.push_back(s & 0xff);
        b.push_back((s >> 8) & 0xff);
    }
    return b;
}

}  // namespace

TEST(SoundMakerResample, KeepsTonesBelowTheNewLimitAndRemovesThoseAbove) {
    Audio low = Resample(Sine(1000.0, 22050, 1.0), kGameRate, false);
    EXPECT_EQ(low.rate, kGameRate);
    EXPECT_NEAR(Seconds(low), 1.0, 0.01);
    EXPECT_NEAR(Rms(low.samples, 400, 7600), std::sqrt(0.5), 0.02);
    // 5 kHz cannot exist at 8 kHz; let through, it would fold down to 3 kHz.
    Audio high = Resample(Sine(5000.0, 22050, 1.0), kGameRate, false);
    EXPECT_LT(Rms(high.samples, 400, 7600), 0.02);
}

TEST(SoundMakerResample, ALoopStaysSeamlessAcrossItsJoin) {
    // Exactly 40 periods of 200 Hz, so the sound repeats without a seam.
    Audio loop = Sine(200.0, 32000, 0.2);
    Audio out = Resample(loop, kGameRate, true);
    ASSERT_EQ(out.samples.size(), 1600u);
    double expectedFirst = 0.0, expectedLast = std::sin(2 * kPi * 200.0 * 1599 / kGameRate);
    EXPECT_NEAR(out.samples.front(), expectedFirst, 0.02);
    EXPECT_NEAR(out.samples.back(), expectedLast, 0.02);
}

TEST(SoundMakerWav, EightBitFilesLoadInPlibWithTheRightLevels) {
    const std::string dir = ScratchDir("sound_maker_wav");
    Audio a;
    a.rate = kGameRate;
    a.samples = {0.0f, -1.0f, 1.0f, 1.5f, -3.0f, 0.5f, 0.25f};  // odd length: padded chunk
    const std::string path = dir + "/levels.wav";
    ASSERT_TRUE(WriteWav8(path, a));
    slSample s(path.c_str());
    ASSERT_EQ(s.getLength(), 7);
    EXPECT_EQ(s.getRate(), kGameRate);
    EXPECT_EQ(s.getBps(), 8);
    EXPECT_EQ(s.getStereo(), 0);
    const unsigned char* b = s.getBuffer();
    EXPECT_EQ(b[0], 128);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(b[2], 255);
    EXPECT_EQ(b[3], 255);  // clipped, not wrapped round
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(b[5], 192);

    Audio back;
    std::string error;
    ASSERT_TRUE(ReadWav(path, back, error)) << error;
    ASSERT_EQ(back.samples.size(), 7u);
    EXPECT_NEAR(back.samples[5], 0.5f, 0.01f);
    EXPECT_FALSE(WriteWav8(dir + "/no/such/folder/x.wav", a));
}

TEST(SoundMakerWav, SpeechFromAPipeIsReadAsFarAsTheFileGoes) {
    const std::string dir = ScratchDir("sound_maker_speech");
    WriteBytes(dir + "/pipe.wav", PipeStyleWav(1, {0, 16384, -32768, 32767}));
    Audio a;
    std::string error;
    ASSERT_TRUE(ReadWav(dir + "/pipe.wav", a, error)) << error;
    EXPECT_EQ(a.rate, 22050);
    ASSERT_EQ(a.samples.size(), 4u);
    EXPECT_FLOAT_EQ(a.samples[1], 0.5f);
    EXPECT_FLOAT_EQ(a.samples[2], -1.0f);

    WriteBytes(dir + "/stereo.wav", PipeStyleWav(2, {0, 0, 1, 1}));
    EXPECT_FALSE(ReadWav(dir + "/stereo.wav", a, error));
    EXPECT_NE(error.find("mono"), std::string::npos);
    WriteBytes(dir + "/text.wav", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_FALSE(ReadWav(dir + "/text.wav", a, error));
    EXPECT_FALSE(ReadWav(dir + "/absent.wav", a, error));
}

TEST(SoundMakerSynth, NoteNames) {
    EXPECT_EQ(ParseNote("C4"), 60);
    EXPECT_EQ(ParseNote("A4"), 69);
    EXPECT_EQ(ParseNote("F#3"), 54);
    EXPECT_EQ(ParseNote("Bb2"), 46);
    EXPECT_EQ(ParseNote("C#6"), 85);
    EXPECT_NEAR(NoteFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(NoteFrequency(57), 220.0, 1e-9);
    for (const char* bad : {"", "x", ".", "H4", "C", "C#", "c4", "C10", "C4+", "Cb"}) EXPECT_EQ(ParseNote(bad), -1) << bad;
}

TEST(SoundMakerSynth, PatternsPlaceNotesOnTheirStepsAndWrapInALoop) {
    const double step = 0.1;
    Audio loop = Silence(8 * step);
    auto quiet = [](const Audio& a, double from, double to) {
        return Rms(a.samples, size_t(from * kGameRate), size_t(to * kGameRate)) < 1e-4;
    };
    // Rests, a hit on step 2 and one on step 4 that lasts two steps: eight in all.
    EXPECT_EQ(AddPattern(loop, "| . . x . x:2 . . |", step, 0, HiHat, 1.0f), 8);
    EXPECT_TRUE(quiet(loop, 0.0, 0.2));
    EXPECT_FALSE(quiet(loop, 0.2, 0.25));
    EXPECT_TRUE(quiet(loop, 0.3, 0.4));
    EXPECT_FALSE(quiet(loop, 0.4, 0.45));
    EXPECT_TRUE(quiet(loop, 0.5, 0.8));
    // A note on the last step: its release comes back in at the start.
    Audio tune = Silence(4 * step);
    EXPECT_EQ(AddPattern(tune, ". . . A4", step, 0, Organ, 1.0f), 4);
    EXPECT_FALSE(quiet(tune, 0.0, 0.01));
    EXPECT_TRUE(quiet(tune, 0.03, 0.29));
    EXPECT_FALSE(quiet(tune, 0.3, 0.4));
}

TEST(SoundMakerAudio, TrimAndNormalise) {
    Audio a = Silence(1.0);
    for (int i = 4000; i < 4800; ++i) a.samples[i] = (i % 2) ? 0.2f : -0.1f;
    TrimSilence(a, 0.01f, 0.01);
    EXPECT_EQ(a.samples.size(), 800u + 2 * 80u);
    NormalizePeak(a, 0.5f);
    EXPECT_FLOAT_EQ(a.samples[81], 0.5f);
    EXPECT_FLOAT_EQ(a.samples[80], -0.25f);
    Audio silent = Silence(0.5);
    TrimSilence(silent, 0.01f, 0.05);
    EXPECT_TRUE(silent.samples.empty());
    NormalizePeak(silent, 0.9f);  // nothing to scale, and no division by zero
}

TEST(SoundMakerOutput, MakingASoundAgainGivesTheSameBytesAsTheBuild) {
    // Synthesis and speech must not depend on the run: a sound made here
    // matches, byte for byte, the one the build put in the data folder.
    const std::string dir = ScratchDir("sound_maker_again");
    const std::string data = PIB_DATA_DIR;
    ASSERT_TRUE(WriteGameSound(dir, "laser.wav", MakeLaser()));
    ASSERT_TRUE(WriteGameSound(dir, "march.wav", MakeMarch()));
    const VoiceLine* gems = nullptr;
    for (int i = 0; i < kVoiceLineCount; ++i)
        if (std::string(kVoiceLines[i].file) == "newbie3.wav") gems = &kVoiceLines[i];
    ASSERT_NE(gems, nullptr);
    Audio spoken;
    std::string error;
    ASSERT_TRUE(SpeakLine(*gems, dir, spoken, error)) << error;
    ASSERT_TRUE(WriteGameSound(dir, "newbie3.wav", spoken));
    for (const char* file : {"laser.wav", "march.wav", "newbie3.wav"}) {
        SCOPED_TRACE(file);
        std::vector<unsigned char> again = ReadBytes(dir + "/" + file);
        ASSERT_FALSE(again.empty());
        EXPECT_TRUE(again == ReadBytes(data + "/" + file));
    }
}
