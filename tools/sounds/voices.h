// The spoken lines: written here, spoken by espeak-ng, brought to the game's
// format by our own code.
#pragma once

#include <string>

#include "audio.h"

struct Speaker {
    const char* voice;  // espeak-ng voice and variant
    int pitch;          // 0..99
    int speed;          // words per minute to start from
};

struct VoiceLine {
    const char* file;
    const Speaker* speakers;  // several speak together as a crowd
    int speakerCount;
    const char* text;
    double budget;  // seconds until the scene's next cue
};

extern const VoiceLine kVoiceLines[];
extern const int kVoiceLineCount;

// Speaks the line, faster where it must, until it fits its budget. Returns
// false, with a reason, when espeak-ng is missing or fails.
bool SpeakLine(const VoiceLine& line, const std::string& scratchDir, Audio& out, std::string& error);
