// The last step for every sound: its level and the game's file format.
#pragma once

#include <string>

#include "audio.h"

// The loudest a file may be: a file whose cue raises the volume is kept that
// much quieter, so that the raised sound still fits in 8 bits.
float PeakFor(const char* file);

// Brings the sound to its level and writes dir/file. False when it cannot.
bool WriteGameSound(const std::string& dir, const char* file, Audio a);
