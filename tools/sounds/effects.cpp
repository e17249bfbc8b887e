#include "effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "synth.h"

namespace {

const double kPi = 3.14159265358979323846;

// A tone whose frequency glides exponentially from `from` to `to` Hz, with a
// few odd harmonics (kept under the Nyquist frequency) for bite.
Audio Glide(double seconds, double from, double to, int harmonics) {
    Audio a = Silence(seconds);
    double phase = 0.0;
    const size_t n = a.samples.size();
    for (size_t i = 0; i < n; ++i) {
        double u = double(i) / n;
        double f = from * std::pow(to / from, u);
        phase += 2 * kPi * f / kGameRate;
        double v = 0.0;
        for (int k = 1; k <= harmonics; k += 2)
            if (k * f < 3700.0) v += std::sin(k * phase) / k;
        a.samples[i] = float(v);
    }
    return a;
}

// Attack and exponential decay over the whole sound; ends at silence.
void Fade(Audio& a, double attack, double decay) {
    const size_t n = a.samples.size();
    for (size_t i = 0; i < n; ++i) {
        double t = double(i) / kGameRate;
        double tail = double(n - 1 - i) / kGameRate;
        double e = std::min(1.0, t / attack) * std::exp(-t / decay) * std::min(1.0, tail / 0.01);
        a.samples[i] *= float(e);
    }
}

// Noise through a one-pole low-pass whose corner follows cutoff(t).
template <typename Cutoff>
Audio FilteredNoise(double seconds, uint32_t seed, Cutoff cutoff) {
    Audio a = Silence(seconds);
    Noise n{seed};
    float y = 0.0f;
    for (size_t i = 0; i < a.samples.size(); ++i) {
        double t = double(i) / kGameRate;
        float k = float(1.0 - std::exp(-2 * kPi * cutoff(t) / kGameRate));
        y += k * (n.Next() - y);
        a.samples[i] = y;
    }
    return a;
}

void Add(Audio& a, const Audio& b, float gain, double at = 0.0) {
    MixInto(a, std::lround(at * kGameRate), b.samples, gain, false);
}

}  // namespace

Audio MakeLaser() {
    Audio a = Glide(0.28, 1900.0, 220.0, 5);
    Fade(a, 0.003, 0.12);
    return a;
}

Audio MakeRobotGun() {
    // Three quick rounds: a crack of noise over a low buzz each.
    Audio a = Silence(0.42);
    for (int round = 0; round < 3; ++round) {
        Audio crack = FilteredNoise(0.12, 500u + round, [](double t) { return 3000.0 * std::exp(-t / 0.03) + 300.0; });
        Audio buzz = Glide(0.12, 160.0, 70.0, 7);
        Add(crack, buzz, 0.5f);
        Fade(crack, 0.001, 0.035);
        Add(a, crack, 1.0f, round * 0.13);
    }
    return a;
}

Audio MakeHitWall() {
    // A dull thump and a short rattle.
    Audio a = Glide(0.3, 140.0, 55.0, 3);
    Audio rattle = FilteredNoise(0.3, 31u, [](double) { return 900.0; });
    Add(a, rattle, 0.6f);
    Fade(a, 0.002, 0.07);
    return a;
}

Audio MakeElastic() {
    // A plucked band: a low twang whose pitch wobbles as it settles.
    Audio a = Silence(0.9);
    double phase = 0.0;
    for (size_t i = 0; i < a.samples.size(); ++i) {
        double t = double(i) / kGameRate;
        double f = 110.0 * (1.0 + 0.12 * std::exp(-t / 0.25) * std::sin(2 * kPi * 9.0 * t));
        phase += 2 * kPi * f / kGameRate;
        a.samples[i] = float(std::sin(phase) + 0.4 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase));
    }
    Fade(a, 0.002, 0.25);
    return a;
}

Audio MakeDeath() {
    // A falling wail with a tremolo, sinking into crackling flames.
    Audio a = Glide(1.8, 660.0, 70.0, 7);
    for (size_t i = 0; i < a.samples.size(); ++i) {
        double t = double(i) / kGameRate;
        a.samples[i] *= float(0.75 + 0.25 * std::sin(2 * kPi * 7.0 * t));
    }
    Audio fire = FilteredNoise(1.8, 66u, [](double t) { return 400.0 + 1200.0 * t; });
    Add(a, fire, 0.5f);
    Fade(a, 0.02, 0.9);
    return a;
}

Audio MakeCombust() {
    // A whoosh that swells, then a fire that crackles down: about five seconds.
    Audio a = FilteredNoise(5.0, 1234u, [](double t) {
        return t < 0.8 ? 200.0 + 2500.0 * t : 2200.0 * std::exp(-(t - 0.8) / 2.0) + 300.0;
    });
    for (size_t i = 0; i < a.samples.size(); ++i) {
        double t = double(i) / kGameRate;
        double swell = t < 0.8 ? t / 0.8 : std::exp(-(t - 0.8) / 1.8);
        a.samples[i] *= float(swell);
    }
    Noise pops{99u};
    for (int i = 0; i < 60; ++i) {
        double at = 0.6 + 4.0 * (pops.Next() + 1.0) / 2.0;
        Audio pop = FilteredNoise(0.03, 2000u + i, [](double) { return 2500.0; });
        Fade(pop, 0.001, 0.006);
        Add(a, pop, float(0.8 * std::exp(-(at - 0.6) / 2.5)), at);
    }
    Fade(a, 0.01, 100.0);
    return a;
}

Audio MakeFalling() {
    // A whistle dropping away.
    Audio a = Glide(1.6, 1600.0, 250.0, 1);
    Fade(a, 0.02, 1.2);
    return a;
}
