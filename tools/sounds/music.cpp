#include "music.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "synth.h"

namespace {

struct Part {
    const char* pattern;
    Instrument instrument;
    float gain;
};

// Mixes every part into one loop of `steps` steps.
Audio Arrange(int steps, double stepSeconds, const Part* parts, int count) {
    Audio loop = Silence(steps * stepSeconds);
    for (int i = 0; i < count; ++i) {
        int spanned = AddPattern(loop, parts[i].pattern, stepSeconds, 0, parts[i].instrument, parts[i].gain);
        if (spanned != steps) {  // a miscounted bar would shift every later note
            std::fprintf(stderr, "make_sounds: a part spans %d steps, not %d\n", spanned, steps);
            std::exit(1);
        }
    }
    return loop;
}

template <int N>
Audio Arrange(int steps, double stepSeconds, const Part (&parts)[N]) {
    return Arrange(steps, stepSeconds, parts, N);
}

// Four on the floor, hats on the off-beats, snare on two and four: one bar.
const char* const kFloorBar = "x:4 x:4 x:4 x:4";
const char* const kOffHatBar = ".:2 x:2 .:2 x:2 .:2 x:2 .:2 x:2";
const char* const kBackbeatBar = ".:4 x:4 .:4 x:4";

std::string Repeat(const std::string& bar, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += bar + " | ";
    return s;
}

}  // namespace

Audio MakeTechno() {
    // A minor, 125 beats a minute, eight bars: Am F C G twice, lead on the second pass.
    const std::string floor = Repeat(kFloorBar, 8), hats = Repeat(kOffHatBar, 8),
                      snare = Repeat(kBackbeatBar, 8);
    const std::string bass = Repeat(
        "A1:2 A2:2 A1:2 A2:1 A1:1 A1:2 A2:2 A1:2 E2:2 | F1:2 F2:2 F1:2 F2:1 F1:1 F1:2 F2:2 F1:2 C2:2 | "
        "C2:2 C3:2 C2:2 C3:1 C2:1 C2:2 C3:2 C2:2 G2:2 | G1:2 G2:2 G1:2 G2:1 G1:1 G1:2 G2:2 B1:2 D2:2", 2);
    const std::string arp = Repeat(
        "A4 C5 E5 A5 E5 C5 A4 C5 E5 A5 E5 C5 A4 C5 E5 C5 | F4 A4 C5 F5 C5 A4 F4 A4 C5 F5 C5 A4 F4 A4 C5 A4 | "
        "C5 E5 G5 C6 G5 E5 C5 E5 G5 C6 G5 E5 C5 E5 G5 E5 | G4 B4 D5 G5 D5 B4 G4 B4 D5 G5 D5 B4 G4 B4 D5 B4", 2);
    const std::string lead =
        ".:64 | E5:3 E5:3 D5:2 C5:4 A4:4 | C5:3 C5:3 D5:2 E5:6 .:2 | "
        "G5:3 G5:3 E5:2 D5:4 C5:4 | D5:4 B4:4 G4:6 .:2";
    const Part parts[] = {
        {floor.c_str(), Kick, 0.9f},      {hats.c_str(), HiHat, 0.35f},
        {snare.c_str(), Snare, 0.35f},    {bass.c_str(), SquareBass, 0.35f},
        {arp.c_str(), SawLead, 0.12f},    {lead.c_str(), SawLead, 0.3f},
    };
    return Arrange(128, 0.12, parts);
}

Audio MakeIntroTechno() {
    // Waiting for the cameras: pads over a pulse, a rising call, four bars.
    const std::string floor = Repeat(kFloorBar, 4);
    const std::string hats = Repeat("x x x x x x x x x x x x x x x x", 4);
    const char* pads = "A3+C4+E4:16 | F3+A3+C4:16 | D3+F3+A3:16 | E3+G#3+B3:16";
    const char* bass = "A1:4 A1:4 A1:4 A1:4 | F1:4 F1:4 F1:4 F1:4 | D2:4 D2:4 D2:4 D2:4 | E2:4 E2:4 E2:2 E2:2 E2:2 E2:2";
    const char* call = "E5:2 .:2 A5:2 .:2 C6:4 B5:4 | A5:8 .:8 | F5:2 .:2 A5:2 .:2 D6:4 C6:4 | B5:4 G#5:4 E5:6 .:2";
    const Part parts[] = {
        {floor.c_str(), Kick, 0.8f}, {hats.c_str(), HiHat, 0.18f}, {pads, Pad, 0.5f},
        {bass, SquareBass, 0.35f},   {call, Pluck, 0.5f},
    };
    return Arrange(64, 0.125, parts);
}

Audio MakeToccata() {
    // D minor: running sixteenths over a held pedal and chords, eight bars.
    const char* run =
        "D5 A4 F5 A4 E5 A4 D5 A4 C#5 A4 D5 A4 E5 A4 F5 A4 | "
        "E5 C#5 G5 C#5 F5 C#5 E5 C#5 D5 C#5 E5 C#5 A5 C#5 E5 C#5 | "
        "F5 D5 A5 D5 G5 D5 F5 D5 E5 D5 F5 D5 D6 D5 A5 D5 | "
        "G5 D5 Bb5 D5 A5 D5 G5 D5 F5 D5 G5 D5 Bb5 D5 G5 D5 | "
        "F5 D5 Bb5 D5 A5 D5 G5 D5 F5 D5 Eb5 D5 D5 Bb4 F5 D5 | "
        "E5 C#5 A5 C#5 G5 C#5 F5 C#5 E5 C#5 D5 C#5 C#5 A4 E5 A4 | "
        "D5 A4 F5 A4 A5 F5 D6 A5 G5 D5 Bb5 G5 D6 Bb5 G5 D5 | "
        "C#5 A4 E5 A4 G5 E5 C#6 G5 A5 E5 C#5 A4 E5 C#5 A4 .";
    const char* chords =
        "D4+F4:8 D4+F4:8 | C#4+E4:8 C#4+E4:8 | D4+F4:8 D4+F4:8 | D4+G4:8 D4+G4:8 | "
        "D4+F4:8 D4+F4:8 | C#4+E4:8 C#4+G4:8 | D4+F4:8 D4+G4:8 | C#4+E4:8 C#4+E4:6 .:2";
    const char* pedal = "D2:16 | A1:16 | D2:16 | G1:16 | Bb1:16 | A1:16 | D2:8 G1:8 | A1:14 .:2";
    const Part parts[] = {
        {run, Organ, 0.55f}, {chords, Organ, 0.4f}, {pedal, Organ, 0.6f},
    };
    return Arrange(128, 0.1, parts);
}

Audio MakeMarch() {
    // B flat major at 150 beats a minute: a beat is one 400 ms step of the army.
    const char* tune =
        "Bb4:3 Bb4:1 D5:4 F5:4 D5:4 | C5:3 C5:1 Eb5:4 G5:4 Eb5:4 | D5:2 C5:2 Bb4:2 C5:2 D5:4 F5:4 | "
        "C5:8 .:4 F4:4 | Bb4:3 Bb4:1 D5:4 F5:4 Bb5:4 | A5:3 G5:1 F5:4 Eb5:4 C5:4 | "
        "D5:2 F5:2 Eb5:2 C5:2 A4:4 C5:4 | Bb4:8 .:8";
    const char* tuba =
        "Bb2:2 .:6 F2:2 .:6 | C3:2 .:6 F2:2 .:6 | Bb2:2 .:6 D3:2 .:6 | F2:2 .:6 C3:2 .:6 | "
        "Bb2:2 .:6 F2:2 .:6 | F2:2 .:6 A2:2 .:6 | Bb2:2 .:6 F2:2 .:6 | Bb2:2 .:6 F2:2 .:6";
    const char* afterbeats =
        ".:4 D4+F4:2 .:6 D4+F4:2 .:2 | .:4 Eb4+G4:2 .:6 Eb4+A4:2 .:2 | .:4 D4+F4:2 .:6 D4+F4:2 .:2 | "
        ".:4 C4+F4:2 .:6 C4+A4:2 .:2 | .:4 D4+F4:2 .:6 D4+F4:2 .:2 | .:4 Eb4+F4:2 .:6 Eb4+A4:2 .:2 | "
        ".:4 D4+F4:2 .:6 Eb4+A4:2 .:2 | .:4 D4+F4:2 .:6 D4+F4:2 .:2";
    const std::string snare = Repeat("x:2 x:1 x:1 x:2 x:2 x:2 x:1 x:1 x:2 x:2", 8);
    const std::string drum = Repeat("x:8 x:8", 8);
    const char* cymbal = "x:64 x:64";
    const Part parts[] = {
        {tune, Brass, 0.5f},           {tuba, Brass, 0.5f},         {afterbeats, Brass, 0.22f},
        {snare.c_str(), Snare, 0.25f}, {drum.c_str(), Kick, 0.7f},  {cymbal, Crash, 0.4f},
    };
    return Arrange(128, 0.1, parts);
}

Audio MakeKombat() {
    // E minor, driving sixteenths, power chords and a shouting lead.
    const std::string floor = Repeat("x:4 x:4 x:4 x:2 x:2", 8);
    const std::string snare = Repeat(kBackbeatBar, 8);
    const std::string hats = Repeat("x x x x x x x x x x x x x x x x", 8);
    const std::string bass = Repeat(
        "E1 E1 E2 E1 E1 E2 E1 E1 | E1 E1 E2 E1 G1 G2 A1 A2 | "
        "C2 C2 C3 C2 C2 C3 C2 C2 | D2 D2 D3 D2 B1 B1 B2 B1", 4);
    const std::string stabs = Repeat(
        "E4+B4:3 E4+B4:3 .:2 E4+B4:2 G4+D5:2 A4+E5:4 | C4+G4:3 C4+G4:3 .:2 D4+A4:2 B3+F#4:2 B3+F#4:4", 4);
    const char* lead =
        ".:64 | E5:2 .:1 E5:1 G5:2 E5:2 A5:3 G5:1 E5:2 D5:2 | E5:8 .:4 B4:2 D5:2 | "
        "C5:2 .:1 C5:1 E5:2 G5:2 A5:2 B5:2 A5:2 G5:2 | F#5:6 G5:2 F#5:4 D5:2 B4:2";
    const Part parts[] = {
        {floor.c_str(), Kick, 0.85f},     {snare.c_str(), Snare, 0.4f},  {hats.c_str(), HiHat, 0.2f},
        {bass.c_str(), SquareBass, 0.4f}, {stabs.c_str(), SawLead, 0.25f}, {lead, SawLead, 0.35f},
    };
    return Arrange(128, 0.11, parts);
}
