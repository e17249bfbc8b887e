#include "voices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "synth.h"

namespace {

// The palace: the robed host (glasses) and the guest in lounge wear.
const Speaker kRobed[] = {{"en-gb-x-rp+m3", 32, 150}};
const Speaker kLounge[] = {{"en-us+m1", 58, 160}};
// The army: the lilac commander and the olive recruit.
const Speaker kLilac[] = {{"en-gb-scotland+m4", 72, 165}};
const Speaker kOlive[] = {{"en-us+f3", 88, 175}};
const Speaker kHerald[] = {{"en-gb+m2", 45, 140}};
const Speaker kScreamer[] = {{"en+f4", 99, 80}};
const Speaker kRanks[] = {
    {"en-gb-scotland+m4", 72, 150}, {"en-us+m3", 80, 155}, {"en-gb+m7", 66, 145}, {"en-us+f2", 90, 160},
};

// Line budgets come from the scenes' cue frames: the palace runs at 30 ms a
// frame, the army at 40 ms.
const double kPalaceFrame = 0.03;
const double kArmyFrame = 0.04;

}  // namespace

const VoiceLine kVoiceLines[] = {
    {"story1-b1-1.wav", kRobed, 1,
     "Welcome, my friend. Sit down, have some tea. We have grave matters to discuss.", (247 - 3) * kPalaceFrame},
    {"story1-b2-1.wav", kLounge, 1,
     "Grave matters? I was enjoying my day off. The garden is warm, the tea is hot, and nobody "
     "has set anything on fire all week.",
     (647 - 247) * kPalaceFrame},
    {"story1-b1-2.wav", kRobed, 1, "That is exactly what worries me.", (807 - 647) * kPalaceFrame},
    {"story1-b2-2.wav", kLounge, 1,
     "You worry too much. What could possibly happen to a bunny sitting quietly in a palace?",
     (1080 - 807) * kPalaceFrame},
    {"story1-b1-3.wav", kRobed, 1,
     "Listen to me. The rats have built an army. Their robots roam the grids beyond the palace "
     "walls, and the gems that keep us bunnies from burning are vanishing, one by one. Without "
     "those gems, any one of us could go up in flames.",
     (1679 - 1080) * kPalaceFrame},
    {"story1-b2-3.wav", kLounge, 1, "Up in flames? Nonsense. I feel perfectly... is it getting warm in here?",
     (1912 - 1679) * kPalaceFrame},
    {"newbie1.wav", kOlive, 1,
     "Excuse me, sir! I'm new here. They gave me a helmet, told me to march, and now there are "
     "forty of us standing in the desert. What exactly are we doing?",
     (479 - 98) * kArmyFrame},
    {"gr1.wav", kLilac, 1, "Silence, recruit! You speak when spoken to!", (588 - 479) * kArmyFrame},
    {"newbie2.wav", kOlive, 1, "Yes, sir.", (630 - 588) * kArmyFrame},
    {"gr2.wav", kLilac, 1,
     "Listen well. The bunnies hide their gems all over the grids. Every gem they find makes them "
     "stronger. We will not let that happen.",
     (903 - 630) * kArmyFrame},
    {"newbie3.wav", kOlive, 1, "Gems?", (927 - 903) * kArmyFrame},
    {"gr3a.wav", kLilac, 1,
     "Gems! Shiny, sparkly gems, and the bunnies go wild for them. They run along the grids, they "
     "turn at every pole, and they string their rubber bands across our paths.",
     (1237 - 927) * kArmyFrame},
    {"gr3b.wav", kLilac, 1,
     "So we train. We hop, we sit, we bow and we roll, until this army moves as one. And our robots "
     "patrol the grids and shoot every bunny on sight.",
     (1557 - 1237) * kArmyFrame},
    {"gr3c.wav", kLilac, 1, "And now, behold our secret weapon!", (1701 - 1557) * kArmyFrame},
    {"newbie4.wav", kOlive, 1, "It's very small, sir. And red. Is it meant to spin like that?",
     (1856 - 1701) * kArmyFrame},
    {"gr4.wav", kLilac, 1,
     "That is the model, you fool. The real one is much bigger. Back in line, and roll with the others!",
     (2086 - 1856) * kArmyFrame},
    {"gr5.wav", kLilac, 1,
     "Here it comes. Steel wheels, a cannon on each arm, and two of our finest riders at the "
     "controls. Let the bunnies come looking for their gems. They will not get far.",
     (2473 - 2086) * kArmyFrame},
    {"stopmenace.wav", kRanks, 4, "Stop the bunny menace!", (2608 - 2473) * kArmyFrame},
    {"marsk.wav", kHerald, 1, "Marsk!", 3.0},
    {"terlurio.wav", kHerald, 1, "ter Lurio!", 3.0},
    {"tobbin.wav", kHerald, 1, "Tobbin!", 3.0},
    {"crail.wav", kHerald, 1, "Crail!", 3.0},
    {"fourheros.wav", kHerald, 1, "The four heroes!", 4.0},
    {"scream.wav", kScreamer, 1, "Aaaaaaaaaah!", 3.0},
};
const int kVoiceLineCount = int(sizeof kVoiceLines / sizeof kVoiceLines[0]);

namespace {

const double kFitMargin = 0.95;  // leave a breath before the next line

bool Speak(const Speaker& s, int speed, const std::string& textFile, const std::string& wavFile,
           Audio& out, std::string& error) {
    char command[1024];
    std::snprintf(command, sizeof command, "espeak-ng -v '%s' -p %d -s %d -f '%s' -w '%s' 2>&1", s.voice,
                  s.pitch, speed, textFile.c_str(), wavFile.c_str());
    if (std::system(command) != 0) {
        error = std::string("espeak-ng failed (is it installed?): ") + command;
        return false;
    }
    Audio raw;
    if (!ReadWav(wavFile, raw, error)) return false;
    TrimSilence(raw, 0.01f, 0.04);
    out = Resample(raw, kGameRate, false);
    return true;
}

// All speakers of a crowd line at once, each a few milliseconds after the last.
bool SpeakAll(const VoiceLine& line, int extraSpeed, const std::string& textFile, const std::string& wavFile,
              Audio& out, std::string& error) {
    out = Silence(0.0);
    for (int i = 0; i < line.speakerCount; ++i) {
        Audio one;
        if (!Speak(line.speakers[i], line.speakers[i].speed + extraSpeed, textFile, wavFile, one, error))
            return false;
        long at = long(i * 0.035 * kGameRate);
        if (out.samples.size() < one.samples.size() + at) out.samples.resize(one.samples.size() + at, 0.0f);
        for (size_t k = 0; k < one.samples.size(); ++k) out.samples[k + at] += one.samples[k];
    }
    return true;
}

}  // namespace

bool SpeakLine(const VoiceLine& line, const std::string& scratchDir, Audio& out, std::string& error) {
    const std::string textFile = scratchDir + "/voice-line.txt";
    const std::string wavFile = scratchDir + "/voice-line.wav";
    FILE* f = std::fopen(textFile.c_str(), "w");
    if (!f) {
        error = "cannot write " + textFile;
        return false;
    }
    std::fputs(line.text, f);
    std::fclose(f);
    bool ok = true;
    for (int extra = 0; ok; extra += 10) {
        ok = SpeakAll(line, extra, textFile, wavFile, out, error);
        if (ok && Seconds(out) <= line.budget * kFitMargin) break;
        if (extra > 300) {
            error = std::string(line.file) + " does not fit its time even spoken fast";
            ok = false;
        }
    }
    std::remove(textFile.c_str());
    std::remove(wavFile.c_str());
    return ok;
}
