#include "audio.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const double kPi = 3.14159265358979323846;
const int kHalfTaps = 24;  // filter half-width in samples of the slower rate

double Sinc(double x) { return x == 0.0 ? 1.0 : std::sin(kPi * x) / (kPi * x); }

// Blackman window over [-1, 1].
double Window(double u) {
    if (u <= -1.0 || u >= 1.0) return 0.0;
    double t = (u + 1.0) * 0.5;
    return 0.42 - 0.5 * std::cos(2 * kPi * t) + 0.08 * std::cos(4 * kPi * t);
}

void PutU32(std::vector<unsigned char>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xff);
}
void PutU16(std::vector<unsigned char>& b, uint16_t v) {
    b.push_back(v & 0xff);
    b.push_back(v >> 8);
}
uint32_t GetU32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t GetU16(const unsigned char* p) { return uint16_t(p[0] | (p[1] << 8)); }

}  // namespace

Audio Resample(const Audio& in, int rate, bool looped) {
    Audio out;
    out.rate = rate;
    const int n = int(in.samples.size());
    if (n == 0) return out;
    const double step = double(in.rate) / rate;             // input samples per output sample
    const double cutoff = 0.9 * std::min(1.0, 1.0 / step);  // of the input's Nyquist
    const double reach = kHalfTaps / cutoff;                // half-width in input samples
    const long count = looped ? std::lround(n / step) : long(std::floor((n - 1) / step)) + 1;
    out.samples.resize(count);
    for (long k = 0; k < count; ++k) {
        double x = k * step;
        long lo = long(std::ceil(x - reach)), hi = long(std::floor(x + reach));
        double sum = 0.0;
        for (long j = lo; j <= hi; ++j) {
            long idx = j;
            if (looped) idx = ((j % n) + n) % n;
            else if (j < 0 || j >= n) continue;
            double d = x - j;
            sum += in.samples[idx] * cutoff * Sinc(cutoff * d) * Window(d / reach);
        }
        out.samples[k] = float(sum);
    }
    return out;
}

void NormalizePeak(Audio& a, float peak) {
    float top = 0.0f;
    for (float s : a.samples) top = std::max(top, std::fabs(s));
    if (top <= 0.0f) return;
    float gain = peak / top;
    for (float& s : a.samples) s *= gain;
}

void TrimSilence(Audio& a, float threshold, double margin) {
    const long n = long(a.samples.size());
    long first = 0, last = n - 1;
    while (first < n && std::fabs(a.samples[first]) < threshold) ++first;
    while (last > first && std::fabs(a.samples[last]) < threshold) --last;
    if (first >= n) {
        a.samples.clear();
        return;
    }
    long keep = long(margin * a.rate);
    first = std::max(0L, first - keep);
    last = std::min(n - 1, last + keep);
    a.samples = std::vector<float>(a.samples.begin() + first, a.samples.begin() + last + 1);
}

double Seconds(const Audio& a) { return double(a.samples.size()) / a.rate; }

bool WriteWav8(const std::string& path, const Audio& a) {
    std::vector<unsigned char> b;
    const uint32_t n = uint32_t(a.samples.size());
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    PutU32(b, 36 + n + (n & 1));
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutU32(b, 16);
    PutU16(b, 1);  // PCM
    PutU16(b, 1);  // mono
    PutU32(b, uint32_t(a.rate));
    PutU32(b, uint32_t(a.rate));  // bytes per second
    PutU16(b, 1);                 // block align
    PutU16(b, 8);                 // bits
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    PutU32(b, n);
    for (float s : a.samples) {
        long v = std::lround(128.0 + 127.0 * std::clamp(s, -1.0f, 1.0f));
        b.push_back((unsigned char)v);
    }
    if (n & 1) b.push_back(128);  // chunks are padded to an even length
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

bool ReadWav(const std::string& path, Audio& out, std::string& error) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<unsigned char> b;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) b.insert(b.end(), chunk, chunk + got);
    std::fclose(f);
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) {
        error = path + " is not a RIFF WAVE file";
        return false;
    }
    int channels = 0, bits = 0;
    size_t pos = 12;
    while (pos + 8 <= b.size()) {
        const unsigned char* c = b.data() + pos;
        // Speech tools writing to a pipe leave the data size at its maximum,
        // so a size is only trusted as far as the file goes.
        size_t size = std::min<size_t>(GetU32(c + 4), b.size() - pos - 8);
        if (!std::memcmp(c, "fmt ", 4) && size >= 16) {
            if (GetU16(c + 8) != 1) break;
            channels = GetU16(c + 10);
            out.rate = int(GetU32(c + 12));
            bits = GetU16(c + 22);
        } else if (!std::memcmp(c, "data", 4)) {
            if (channels != 1 || (bits != 8 && bits != 16) || out.rate <= 0) break;
            const unsigned char* d = c + 8;
            out.samples.clear();
            if (bits == 16)
                for (size_t i = 0; i + 1 < size; i += 2)
                    out.samples.push_back(int16_t(GetU16(d + i)) / 32768.0f);
            else
                for (size_t i = 0; i < size; ++i) out.samples.push_back((d[i] - 128) / 128.0f);
            return true;
        }
        pos += 8 + size + (size & 1);
    }
    error = path + " is not mono 8- or 16-bit PCM";
    return false;
}
