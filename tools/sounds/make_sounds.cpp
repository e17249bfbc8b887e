// Makes every sound file the game loads into the folder given on the command
// line: effects and music from our synthesiser, voices from espeak-ng.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "effects.h"
#include "game_format.h"
#include "music.h"
#include "sound/sound.h"
#include "voices.h"

namespace {

struct Synthesised {
    const char* file;
    Audio (*make)();
};

const Synthesised kSynthesised[] = {
    {"techno.wav", MakeTechno},     {"introtechno.wav", MakeIntroTechno},
    {"toccata.wav", MakeToccata},   {"march.wav", MakeMarch},
    {"kombat.wav", MakeKombat},     {"laser.wav", MakeLaser},
    {"robotgun.wav", MakeRobotGun}, {"hitwall.wav", MakeHitWall},
    {"elastic.wav", MakeElastic},   {"death.wav", MakeDeath},
    {"combust.wav", MakeCombust},   {"falling.wav", MakeFalling},
};

bool Write(const std::string& dir, const char* file, const Audio& a, std::set<std::string>& made) {
    if (!WriteGameSound(dir, file, a)) {
        std::fprintf(stderr, "make_sounds: cannot write %s/%s\n", dir.c_str(), file);
        return false;
    }
    made.insert(file);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <data folder>\n");
        return 1;
    }
    const std::string dir = argv[1];
    std::set<std::string> made;
    for (const Synthesised& s : kSynthesised)
        if (!Write(dir, s.file, s.make(), made)) return 1;
    for (int i = 0; i < kVoiceLineCount; ++i) {
        Audio voice;
        std::string error;
        if (!SpeakLine(kVoiceLines[i], dir, voice, error)) {
            std::fprintf(stderr, "make_sounds: %s\n", error.c_str());
            return 1;
        }
        if (!Write(dir, kVoiceLines[i].file, voice, made)) return 1;
    }
    int missing = 0;
    for (const SoundFile& f : kSoundFiles)
        if (!made.count(f.file)) {
            std::fprintf(stderr, "make_sounds: nothing makes %s\n", f.file);
            ++missing;
        }
    return missing ? 1 : 0;
}
