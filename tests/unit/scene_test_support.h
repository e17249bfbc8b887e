// Shared by the story scenes' tests: sound cues stamped with their frame,
// pictures read back and saved, and a count of texture names in use.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "sound/sound.h"

struct LoggedCue {
    int frame;
    std::string file;
    SoundAction action;
    bool operator==(const LoggedCue& o) const {
        return frame == o.frame && file == o.file && action == o.action;
    }
};
std::ostream& operator<<(std::ostream& os, const LoggedCue& c);

// Moves the recorded cues to the log, stamped with frame.
void TakeCues(std::vector<SoundCueRecord>* records, std::vector<LoggedCue>* log, int frame);

// Pictures are read back at this size.
constexpr int kShotW = 600, kShotH = 450;
// Saves the picture just drawn (the back buffer) as dir/name.png; answers
// its mean brightness, 0 to 255.
double SaveFrame(const std::string& dir, const std::string& name);

// Names in use, counted the slow way: every texture name up to a fresh one.
int CountGlTextures();
// Display lists in use among the first names up to a fresh one.
int CountGlLists();
