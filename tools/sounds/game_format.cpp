#include "game_format.h"

#include <algorithm>

#include "sound/sound.h"

float PeakFor(const char* file) {
    const SoundFile* entry = FindSoundFile(file);
    float factor = entry ? entry->volume : 1.0f;
    return 0.9f / std::max(1.0f, factor);
}

bool WriteGameSound(const std::string& dir, const char* file, Audio a) {
    NormalizePeak(a, PeakFor(file));
    return WriteWav8(dir + "/" + file, a);
}
