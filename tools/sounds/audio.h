// Sound buffers for the data maker: mono float samples in [-1, 1] at a given
// rate, the conversions the game's format needs, and WAV reading and writing.
#pragma once

#include <string>
#include <vector>

struct Audio {
    int rate = 8000;
    std::vector<float> samples;
};

// The game's sample rate: every file is 8000 Hz, mono, 8-bit unsigned.
const int kGameRate = 8000;

// Band-limited change of rate (windowed sinc, cut below the lower Nyquist
// frequency). A looped sound is treated as endless, so its join stays smooth.
Audio Resample(const Audio& in, int rate, bool looped);

// Scales the sound so its largest magnitude is exactly peak (0..1).
void NormalizePeak(Audio& a, float peak);

// Drops leading and trailing stretches quieter than threshold, keeping
// margin seconds of each.
void TrimSilence(Audio& a, float threshold, double margin);

double Seconds(const Audio& a);

// The game's format: RIFF WAV, PCM, mono, 8-bit unsigned. Values beyond
// [-1, 1] are clipped. Returns false when the file cannot be written.
bool WriteWav8(const std::string& path, const Audio& a);

// Reads a mono 16-bit or 8-bit PCM WAV file (as speech tools write them).
// Returns false, with a reason, when it is not one.
bool ReadWav(const std::string& path, Audio& out, std::string& error);
