// A small synthesiser: band-limited instruments rendered straight at the
// game's rate, and a loop buffer that note patterns are mixed into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio.h"

// Deterministic white noise in [-1, 1]: the same seed gives the same sound.
struct Noise {
    uint32_t state;
    float Next();
};

double NoteFrequency(int midi);

// "C4", "F#3", "Bb2" to a MIDI note number (C4 = 60); -1 when not a note.
int ParseNote(const std::string& name);

// An instrument renders one note held for `held` seconds; what it returns
// includes its release, so it may run longer.
using Instrument = std::vector<float> (*)(double freq, double held);

std::vector<float> Organ(double freq, double held);
std::vector<float> SawLead(double freq, double held);
std::vector<float> SquareBass(double freq, double held);
std::vector<float> Brass(double freq, double held);
std::vector<float> Pad(double freq, double held);
std::vector<float> Pluck(double freq, double held);
std::vector<float> Kick(double freq, double held);
std::vector<float> Snare(double freq, double held);
std::vector<float> HiHat(double freq, double held);
std::vector<float> Crash(double freq, double held);

// Mixes a sound into a buffer from sample `start`. In a loop whatever runs
// past the end comes back in at the start, so the join is seamless.
void MixInto(Audio& target, long start, const std::vector<float>& sound, float gain, bool looped);

// A pattern is a run of tokens, one or more steps each: a note ("A4"), a
// chord ("C4+E4+G4"), a hit ("x", for drums) or a rest ("."), optionally
// followed by ":n" for n steps (default 1). "|" marks bars and is ignored.
// Notes are held for most of their steps so repeated notes stay distinct.
// Returns the number of steps the pattern spans.
int AddPattern(Audio& loop, const std::string& pattern, double stepSeconds, int firstStep,
               Instrument instrument, float gain, int transpose = 0);

// A sound of `seconds` at the game's rate, all silence.
Audio Silence(double seconds);
