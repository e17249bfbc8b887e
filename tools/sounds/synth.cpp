#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

const double kPi = 3.14159265358979323846;
const double kTopHarmonic = 3700.0;  // stay under the game rate's Nyquist

// Linear attack, full level while held, linear release.
double Envelope(double t, double held, double attack, double release) {
    if (t < attack) return t / attack;
    if (t < held) return 1.0;
    return std::max(0.0, 1.0 - (t - held) / release);
}

// Sum of harmonics k*freq with weights weight(k), below the top harmonic.
template <typename Weight>
std::vector<float> Additive(double freq, double seconds, Weight weight) {
    std::vector<float> out(size_t(seconds * kGameRate) + 1, 0.0f);
    int harmonics = std::max(1, int(kTopHarmonic / freq));
    for (int k = 1; k <= harmonics; ++k) {
        double w = weight(k);
        if (w == 0.0) continue;
        double step = 2 * kPi * freq * k / kGameRate;
        for (size_t i = 0; i < out.size(); ++i) out[i] += float(w * std::sin(step * double(i)));
    }
    return out;
}

void Shape(std::vector<float>& s, double held, double attack, double release, double decay = 0.0) {
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kGameRate;
        double e = Envelope(t, held, attack, release);
        if (decay > 0.0) e *= std::exp(-t / decay);
        s[i] *= float(e);
    }
}

std::vector<float> NoiseBurst(uint32_t seed, double seconds, double decay, float highPass) {
    Noise n{seed};
    std::vector<float> out(size_t(seconds * kGameRate));
    float last = 0.0f;
    for (size_t i = 0; i < out.size(); ++i) {
        float v = n.Next();
        out[i] = float((v - highPass * last) * std::exp(-double(i) / kGameRate / decay));
        last = v;
    }
    return out;
}

}  // namespace

float Noise::Next() {
    state = state * 1664525u + 1013904223u;
    return float((state >> 8) & 0xffff) / 32767.5f - 1.0f;
}

double NoteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

int ParseNote(const std::string& name) {
    static const int kOffsets[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return -1;
    int note = kOffsets[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#') note += 1, ++i;
    else if (name[i] == 'b') note -= 1, ++i;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') return -1;
    return note + 12 * (name[i] - '0' + 1);
}

std::vector<float> Organ(double freq, double held) {
    // Drawbar-like stops: fundamental, octave, twelfth, fifteenth, and a sub.
    auto stops = [](int k) {
        switch (k) {
            case 1: return 1.0;
            case 2: return 0.7;
            case 3: return 0.45;
            case 4: return 0.35;
            case 6: return 0.2;
            case 8: return 0.15;
            default: return 0.0;
        }
    };
    const double release = 0.05;
    std::vector<float> s = Additive(freq, held + release, stops);
    std::vector<float> sub = Additive(freq * 0.5, held + release, [](int k) { return k == 1 ? 0.3 : 0.0; });
    for (size_t i = 0; i < s.size() && i < sub.size(); ++i) s[i] = (s[i] + sub[i]) * 0.3f;
    Shape(s, held, 0.008, release);
    return s;
}

std::vector<float> SawLead(double freq, double held) {
    const double release = 0.06;
    std::vector<float> s = Additive(freq, held + release, [](int k) { return 0.5 / k / (1.0 + k * 0.08); });
    Shape(s, held, 0.004, release, 0.35);
    return s;
}

std::vector<float> SquareBass(double freq, double held) {
    const double release = 0.03;
    std::vector<float> s = Additive(freq, held + release, [](int k) { return (k % 2) ? 0.7 / (k * k * 0.5 + 0.5) : 0.0; });
    Shape(s, held, 0.003, release, 0.4);
    return s;
}

std::vector<float> Brass(double freq, double held) {
    const double release = 0.05;
    std::vector<float> s = Additive(freq, held + release, [](int k) { return 0.45 / k / (1.0 + 0.02 * k * k); });
    // A slight swell after the attack, as a player blowing into the note.
    for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kGameRate;
        s[i] *= float(0.8 + 0.2 * std::min(1.0, t / 0.08));
    }
    Shape(s, held, 0.025, release);
    return s;
}

std::vector<float> Pad(double freq, double held) {
    const double release = 0.2;
    std::vector<float> a = Additive(freq, held + release, [](int k) { return k <= 4 ? 0.25 / k : 0.0; });
    std::vector<float> b = Additive(freq * 1.004, held + release, [](int k) { return k <= 4 ? 0.25 / k : 0.0; });
    for (size_t i = 0; i < a.size(); ++i) a[i] = (a[i] + b[i]) * 0.6f;
    Shape(a, held, std::min(0.15, held * 0.5), release);
    return a;
}

std::vector<float> Pluck(double freq, double held) {
    // A plucked string: a burst of noise circulating in a damped delay line.
    Noise n{12345u};
    size_t period = std::max<size_t>(2, size_t(std::lround(kGameRate / freq)));
    std::vector<float> line(period);
    for (float& v : line) v = n.Next() * 0.6f;
    std::vector<float> out(size_t((held + 0.05) * kGameRate));
    for (size_t i = 0; i < out.size(); ++i) {
        size_t j = i % period;
        out[i] = line[j];
        line[j] = 0.498f * (line[j] + line[(j + 1) % period]);
    }
    Shape(out, held, 0.002, 0.05);
    return out;
}

std::vector<float> Kick(double, double) {
    std::vector<float> out(size_t(0.25 * kGameRate));
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kGameRate;
        double f = 45.0 + 110.0 * std::exp(-t / 0.03);
        phase += 2 * kPi * f / kGameRate;
        out[i] = float(std::sin(phase) * std::exp(-t / 0.09) * std::min(1.0, t / 0.002));
    }
    return out;
}

std::vector<float> Snare(double, double) {
    std::vector<float> out = NoiseBurst(777u, 0.22, 0.06, 0.3f);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kGameRate;
        out[i] = float(0.55 * out[i] + 0.45 * std::sin(2 * kPi * 185.0 * t) * std::exp(-t / 0.04));
        out[i] *= float(std::min(1.0, t / 0.001));
    }
    return out;
}

std::vector<float> HiHat(double, double) {
    std::vector<float> out = NoiseBurst(4242u, 0.06, 0.015, 0.95f);
    for (float& v : out) v *= 0.5f;
    return out;
}

std::vector<float> Crash(double, double) {
    std::vector<float> out = NoiseBurst(9090u, 1.2, 0.35, 0.9f);
    for (float& v : out) v *= 0.35f;
    out.back() = 0.0f;
    return out;
}

void MixInto(Audio& target, long start, const std::vector<float>& sound, float gain, bool looped) {
    const long n = long(target.samples.size());
    if (n == 0) return;
    for (size_t i = 0; i < sound.size(); ++i) {
        long j = start + long(i);
        if (looped) j %= n;
        else if (j >= n) break;
        target.samples[size_t(j)] += gain * sound[i];
    }
}

int AddPattern(Audio& loop, const std::string& pattern, double stepSeconds, int firstStep,
               Instrument instrument, float gain, int transpose) {
    std::istringstream in(pattern);
    std::string token;
    int step = firstStep;
    while (in >> token) {
        if (token == "|") continue;
        int steps = 1;
        size_t colon = token.find(':');
        if (colon != std::string::npos) {
            steps = std::stoi(token.substr(colon + 1));
            token = token.substr(0, colon);
        }
        long start = std::lround(step * stepSeconds * kGameRate);
        double held = (steps - 0.25) * stepSeconds;
        std::istringstream chord(token);
        std::string part;
        while (std::getline(chord, part, '+')) {
            if (part == ".") break;
            int note = ParseNote(part);
            if (note < 0 && part != "x") {
                std::fprintf(stderr, "make_sounds: '%s' is not a note\n", part.c_str());
                std::exit(1);
            }
            double freq = note >= 0 ? NoteFrequency(note + transpose) : 0.0;
            MixInto(loop, start, instrument(freq, held), gain, true);
        }
        step += steps;
    }
    return step - firstStep;
}

Audio Silence(double seconds) {
    Audio a;
    a.rate = kGameRate;
    a.samples.assign(size_t(std::lround(seconds * kGameRate)), 0.0f);
    return a;
}
