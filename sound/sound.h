// The sound cues of the game: one global PLIB scheduler and mixer, 36 samples
// loaded once at start-up, and one cue function per sound and action. Nothing
// else in the game touches PLIB.
#pragma once

#include <vector>

// Loads the 36 samples from the working directory (bare file names) and sets
// the mixer and the scheduler up. Call once, at start-up.
void LoadSounds();

// One scheduler update; once per idle call.
void UpdateSound();

// Opens the sound device: builds the scheduler, then the mixer, once. The
// game does it before main (sound_globals.cpp), a test before it plays; a
// program that never calls it opens no device. Both live until the exit
// handlers run; the mixer goes first.
void StartSoundDevice();
void InitSoundSchedulerGlobal();
void InitSoundMixerGlobal();
void ConstructSoundScheduler();
void RegisterSoundSchedulerExit();
void DestroySoundScheduler();
void ConstructSoundMixer();
void RegisterSoundMixerExit();
void DestroySoundMixer();

// Music loops.
void LoopTechno();
void StopTechno();
void LoopIntroTechno();
void StopIntroTechno();
void LoopToccata();
void StopToccata();
void LoopMarch();
void StopMarch();
void LoopKombat();
void StopKombat();

// Effects.
void PlayLaser();
void PlayRobotGun();
void PlayHitWall();
void PlayElastic();
void PlayDeath();
void PlayCombust();
void PlayFalling();
void PlayScream();

// The heroes' names.
void PlayMarsk();
void PlayTerLurio();
void PlayTobbin();
void PlayCrail();
void PlayFourHeros();

// The palace scene's voices.
void PlayStory1B1_1();
void PlayStory1B2_1();
void PlayStory1B1_2();
void PlayStory1B2_2();
void PlayStory1B1_3();
void PlayStory1B2_3();

// The army scene's voices.
void PlayStopMenace();
void PlayGr1();
void PlayGr2();
void PlayGr3a();
void PlayGr3b();
void PlayGr3c();
void PlayGr4();
void PlayGr5();
void PlayNewbie1();
void PlayNewbie2();
void PlayNewbie3();
void PlayNewbie4();

// ---- The table behind the cues, open to tests and tools ----

enum SoundAction { kSoundPlay, kSoundLoop, kSoundStop };

// One sound file, in load order: its volume factor (1 leaves it as it is) and
// the priority its play cue uses (loops always use kLoopPriority).
struct SoundFile {
    const char* file;
    float volume;
    int priority;
};

enum { kSoundFileCount = 36, kLoopPriority = 16 };
extern const SoundFile kSoundFiles[kSoundFileCount];

// The table's entry for a file name, or null.
const SoundFile* FindSoundFile(const char* file);

// What a cue handed to the scheduler. preempt is PLIB's preemption mode
// (1 abort for plays, 0 continue for loops, -1 for stops).
struct SoundCueRecord {
    const char* file;
    SoundAction action;
    int priority;
    int preempt;
};

// While a list is given, every cue that reaches the scheduler is appended to
// it; null stops the recording. A cue whose sample is not loaded reaches
// nothing and is not recorded.
void RecordSoundCues(std::vector<SoundCueRecord>* into);

// 1 when the sample of that file (by load order) is loaded and holds sound.
int IsSoundLoaded(int index);
