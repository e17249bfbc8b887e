// The 36 sound files in load order. Kept apart from the PLIB code so the
// program that makes the files can read the same volume factors.
#include "sound/sound.h"

#include <cstring>

namespace {
const int kEffect = 5;
const int kDying = 14;  // the death sound and its two unused companions
const int kVoice = 15;
}  // namespace

const SoundFile kSoundFiles[kSoundFileCount] = {
    {"techno.wav", 0.4f, kLoopPriority},
    {"introtechno.wav", 0.4f, kLoopPriority},
    {"laser.wav", 1.0f, kEffect},
    {"robotgun.wav", 1.0f, kEffect},
    {"hitwall.wav", 1.0f, kEffect},
    {"elastic.wav", 1.0f, kEffect},
    {"death.wav", 1.0f, kDying},
    {"story1-b1-1.wav", 1.0f, kVoice},
    {"story1-b2-1.wav", 1.0f, kVoice},
    {"story1-b1-2.wav", 1.0f, kVoice},
    {"story1-b2-2.wav", 1.0f, kVoice},
    {"story1-b1-3.wav", 1.0f, kVoice},
    {"story1-b2-3.wav", 1.0f, kVoice},
    {"combust.wav", 1.0f, kVoice},
    {"toccata.wav", 0.4f, kLoopPriority},
    {"march.wav", 0.4f, kLoopPriority},
    {"kombat.wav", 0.4f, kLoopPriority},
    {"falling.wav", 1.0f, kDying},
    {"scream.wav", 1.0f, kDying},
    {"marsk.wav", 1.0f, kVoice},
    {"terlurio.wav", 1.0f, kVoice},
    {"tobbin.wav", 1.0f, kVoice},
    {"crail.wav", 1.0f, kVoice},
    {"stopmenace.wav", 2.0f, kVoice},
    {"fourheros.wav", 2.0f, kVoice},
    {"gr1.wav", 1.0f, kVoice},
    {"gr2.wav", 1.0f, kVoice},
    {"gr3a.wav", 2.2f, kVoice},
    {"gr3b.wav", 2.0f, kVoice},
    {"gr3c.wav", 2.5f, kVoice},
    {"gr4.wav", 2.2f, kVoice},
    {"gr5.wav", 2.2f, kVoice},
    {"newbie1.wav", 1.0f, kVoice},
    {"newbie2.wav", 1.0f, kVoice},
    {"newbie3.wav", 1.0f, kVoice},
    {"newbie4.wav", 2.2f, kVoice},
};

const SoundFile* FindSoundFile(const char* file) {
    for (const SoundFile& f : kSoundFiles)
        if (std::strcmp(f.file, file) == 0) return &f;
    return nullptr;
}
