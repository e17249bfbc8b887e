// The 36 sound files the build makes, read back the way the game reads them.
#include <gtest/gtest.h>
#include <plib/sl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "sound/sound.h"

namespace {

struct Loaded {
    std::unique_ptr<slSample> sample;
    const unsigned char* bytes() const { return sample->getBuffer(); }
    int length() const { return sample->getLength(); }
};

Loaded LoadFromData(const char* file) {
    return {std::make_unique<slSample>((std::string(PIB_DATA_DIR) + "/" + file).c_str())};
}

// Distance of an unsigned 8-bit sample from silence (128).
int Swing(unsigned char v) { return std::abs(int(v) - 128); }

double Rms(const Loaded& s) {
    double sum = 0.0;
    for (int i = 0; i < s.length(); ++i) sum += double(Swing(s.bytes()[i])) * Swing(s.bytes()[i]);
    return std::sqrt(sum / s.length()) / 128.0;
}

int Peak(const Loaded& s) {
    int top = 0;
    for (int i = 0; i < s.length(); ++i) top = std::max(top, Swing(s.bytes()[i]));
    return top;
}

// Each voice line must end before the scene's next cue: the frames at which
// the scenes start each sound, and their frame periods.
struct Cue {
    const char* file;
    int frame;
    int nextFrame;
    double period;
};
const Cue kPalaceCues[] = {
    {"story1-b1-1.wav", 3, 247, 0.03},     {"story1-b2-1.wav", 247, 647, 0.03},
    {"story1-b1-2.wav", 647, 807, 0.03},   {"story1-b2-2.wav", 807, 1080, 0.03},
    {"story1-b1-3.wav", 1080, 1679, 0.03},
    {"story1-b2-3.wav", 1679, 1912, 0.03},  // the speaker catches fire at 1912
    {"combust.wav", 2307, 2509, 0.03},      // the scene ends at 2509
};
const Cue kArmyCues[] = {
    {"newbie1.wav", 98, 479, 0.04},    {"gr1.wav", 479, 588, 0.04},     {"newbie2.wav", 588, 630, 0.04},
    {"gr2.wav", 630, 903, 0.04},       {"newbie3.wav", 903, 927, 0.04}, {"gr3a.wav", 927, 1237, 0.04},
    {"gr3b.wav", 1237, 1557, 0.04},    {"gr3c.wav", 1557, 1701, 0.04},  {"newbie4.wav", 1701, 1856, 0.04},
    {"gr4.wav", 1856, 2086, 0.04},     {"gr5.wav", 2086, 2473, 0.04},
    {"stopmenace.wav", 2473, 2608, 0.04},  // the scene ends at 2608
};

const char* const kLoops[] = {"techno.wav", "introtechno.wav", "toccata.wav", "march.wav", "kombat.wav"};

}  // namespace

TEST(SoundFiles, EveryFileLoadsAsEightKilohertzEightBitMonoWithSound) {
    for (const SoundFile& f : kSoundFiles) {
        SCOPED_TRACE(f.file);
        Loaded s = LoadFromData(f.file);
        ASSERT_NE(s.bytes(), nullptr);
        ASSERT_GT(s.length(), 800);  // a tenth of a second at least
        EXPECT_EQ(s.sample->getRate(), 8000);
        EXPECT_EQ(s.sample->getBps(), 8);
        EXPECT_EQ(s.sample->getStereo(), 0);
        EXPECT_GT(Rms(s), 0.02);
    }
}

TEST(SoundFiles, RaisedFilesLeaveRoomForTheirVolumeFactor) {
    for (const SoundFile& f : kSoundFiles) {
        SCOPED_TRACE(f.file);
        Loaded s = LoadFromData(f.file);
        ASSERT_GT(s.length(), 0);
        // What the scheduler will play after the cue's volume change.
        double raised = Peak(s) * std::max(1.0f, f.volume);
        EXPECT_LE(raised, 127.0);
    }
}

TEST(SoundFiles, VoicesEndBeforeTheSceneMovesOn) {
    std::map<std::string, double> budgets;
    for (const Cue& c : kPalaceCues) budgets[c.file] = (c.nextFrame - c.frame) * c.period;
    for (const Cue& c : kArmyCues) budgets[c.file] = (c.nextFrame - c.frame) * c.period;
    ASSERT_EQ(budgets.size(), 19u);
    for (const auto& [file, budget] : budgets) {
        SCOPED_TRACE(file);
        Loaded s = LoadFromData(file.c_str());
        ASSERT_GT(s.length(), 0);
        EXPECT_LE(s.sample->getDuration(), budget);
    }
}

TEST(SoundFiles, LoopsJoinWithoutAClick) {
    for (const char* file : kLoops) {
        SCOPED_TRACE(file);
        Loaded s = LoadFromData(file);
        ASSERT_GT(s.length(), 8000 * 4);  // a few bars, not a blip
        const unsigned char* b = s.bytes();
        int join = std::abs(int(b[s.length() - 1]) - int(b[0]));
        EXPECT_LE(join, 16);
        // The step across the join is no bigger than the loop's own ordinary steps.
        std::vector<int> steps;
        for (int i = 1; i < s.length(); ++i) steps.push_back(std::abs(int(b[i]) - int(b[i - 1])));
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        EXPECT_LE(join, std::max(4, steps[steps.size() * 99 / 100]));
    }
}

TEST(SoundFiles, MarchKeepsTheArmysStep) {
    // The army steps every 10 frames of 40 ms; whole bars of such beats loop
    // in step with it.
    Loaded s = LoadFromData("march.wav");
    const int beat = 8000 * 400 / 1000;
    EXPECT_EQ(s.length() % (beat * 4), 0);
    // The loud moments fall on the beats: the first sample of each beat is
    // where the drum hits, so the beats carry more energy than the off-beats.
    double on = 0.0, off = 0.0;
    for (int i = 0; i < s.length(); ++i) {
        int inBeat = i % beat;
        double e = double(Swing(s.bytes()[i])) * Swing(s.bytes()[i]);
        if (inBeat < beat / 8) on += e;
        else if (inBeat >= beat / 2 && inBeat < beat / 2 + beat / 8) off += e;
    }
    EXPECT_GT(on, off * 1.2);
}
