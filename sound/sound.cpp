#include "sound/sound.h"

#include <plib/sl.h>
#include <plib/sm.h>

#include <cstdlib>

namespace {

// Load order; the cue functions name their sample by it.
enum SoundIndex {
    kTechno, kIntroTechno, kLaser, kRobotGun, kHitWall, kElastic, kDeath,
    kStoryB1_1, kStoryB2_1, kStoryB1_2, kStoryB2_2, kStoryB1_3, kStoryB2_3,
    kCombust, kToccata, kMarch, kKombat, kFalling, kScream,
    kMarsk, kTerLurio, kTobbin, kCrail, kStopMenace, kFourHeros,
    kGr1, kGr2, kGr3a, kGr3b, kGr3c, kGr4, kGr5,
    kNewbie1, kNewbie2, kNewbie3, kNewbie4
};

slScheduler* soundScheduler = nullptr;
smMixer* soundMixer = nullptr;
slSample* soundSamples[kSoundFileCount];
std::vector<SoundCueRecord>* cueRecorder = nullptr;

void Record(int index, SoundAction action, int priority, int preempt) {
    if (cueRecorder)
        cueRecorder->push_back({kSoundFiles[index].file, action, priority, preempt});
}

// A sample whose file was missing holds no sound; PLIB has already said so,
// and handing it on would only make trouble (a stop of a null sample would
// stop every sound).
slSample* LoadedSample(int index) {
    return IsSoundLoaded(index) ? soundSamples[index] : nullptr;
}

void Play(int index) {
    slSample* s = LoadedSample(index);
    if (!s || !soundScheduler) return;
    int priority = kSoundFiles[index].priority;
    Record(index, kSoundPlay, priority, SL_SAMPLE_ABORT);
    soundScheduler->playSample(s, priority, SL_SAMPLE_ABORT, 0, nullptr);
}

void Loop(int index) {
    slSample* s = LoadedSample(index);
    if (!s || !soundScheduler) return;
    Record(index, kSoundLoop, kLoopPriority, SL_SAMPLE_CONTINUE);
    soundScheduler->loopSample(s, kLoopPriority, SL_SAMPLE_CONTINUE, 0, nullptr);
}

void Stop(int index) {
    slSample* s = LoadedSample(index);
    if (!s || !soundScheduler) return;
    Record(index, kSoundStop, 0, -1);
    soundScheduler->stopSample(s);
}

}  // namespace

void ConstructSoundScheduler() { soundScheduler = new slScheduler(8000); }

void DestroySoundScheduler() {
    delete soundScheduler;
    soundScheduler = nullptr;
}

void RegisterSoundSchedulerExit() { std::atexit(DestroySoundScheduler); }

void InitSoundSchedulerGlobal() {
    ConstructSoundScheduler();
    RegisterSoundSchedulerExit();
}

void ConstructSoundMixer() { soundMixer = new smMixer("/dev/mixer"); }

void DestroySoundMixer() {
    delete soundMixer;
    soundMixer = nullptr;
}

void RegisterSoundMixerExit() { std::atexit(DestroySoundMixer); }

void InitSoundMixerGlobal() {
    ConstructSoundMixer();
    RegisterSoundMixerExit();
}

// Scheduler first, so the exit handlers take the mixer down before the
// scheduler.
void StartSoundDevice() {
    static bool started = false;
    if (started) return;
    started = true;
    InitSoundSchedulerGlobal();
    InitSoundMixerGlobal();
}

void LoadSounds() {
    if (soundMixer) soundMixer->setMasterVolume(100);
    if (soundScheduler) soundScheduler->setSafetyMargin(0.125f);
    for (int i = 0; i < kSoundFileCount; ++i) {
        if (soundSamples[i]) continue;  // samples are made once and kept
        soundSamples[i] = new slSample(kSoundFiles[i].file, soundScheduler);
        if (kSoundFiles[i].volume != 1.0f) soundSamples[i]->adjustVolume(kSoundFiles[i].volume);
    }
}

void UpdateSound() {
    if (soundScheduler) soundScheduler->update();
}

void RecordSoundCues(std::vector<SoundCueRecord>* into) { cueRecorder = into; }

int IsSoundLoaded(int index) {
    if (index < 0 || index >= kSoundFileCount) return 0;
    const slSample* s = soundSamples[index];
    return s && s->getBuffer() && s->getLength() > 0;
}

void LoopTechno() { Loop(kTechno); }
void StopTechno() { Stop(kTechno); }
void LoopIntroTechno() { Loop(kIntroTechno); }
void StopIntroTechno() { Stop(kIntroTechno); }
void LoopToccata() { Loop(kToccata); }
void StopToccata() { Stop(kToccata); }
void LoopMarch() { Loop(kMarch); }
void StopMarch() { Stop(kMarch); }
void LoopKombat() { Loop(kKombat); }
void StopKombat() { Stop(kKombat); }

void PlayLaser() { Play(kLaser); }
void PlayRobotGun() { Play(kRobotGun); }
void PlayHitWall() { Play(kHitWall); }
void PlayElastic() { Play(kElastic); }
void PlayDeath() { Play(kDeath); }
void PlayCombust() { Play(kCombust); }
void PlayFalling() { Play(kFalling); }
void PlayScream() { Play(kScream); }

void PlayMarsk() { Play(kMarsk); }
void PlayTerLurio() { Play(kTerLurio); }
void PlayTobbin() { Play(kTobbin); }
void PlayCrail() { Play(kCrail); }
void PlayFourHeros() { Play(kFourHeros); }

void PlayStory1B1_1() { Play(kStoryB1_1); }
void PlayStory1B2_1() { Play(kStoryB2_1); }
void PlayStory1B1_2() { Play(kStoryB1_2); }
void PlayStory1B2_2() { Play(kStoryB2_2); }
void PlayStory1B1_3() { Play(kStoryB1_3); }
void PlayStory1B2_3() { Play(kStoryB2_3); }

void PlayStopMenace() { Play(kStopMenace); }
void PlayGr1() { Play(kGr1); }
void PlayGr2() { Play(kGr2); }
void PlayGr3a() { Play(kGr3a); }
void PlayGr3b() { Play(kGr3b); }
void PlayGr3c() { Play(kGr3c); }
void PlayGr4() { Play(kGr4); }
void PlayGr5() { Play(kGr5); }
void PlayNewbie1() { Play(kNewbie1); }
void PlayNewbie2() { Play(kNewbie2); }
void PlayNewbie3() { Play(kNewbie3); }
void PlayNewbie4() { Play(kNewbie4); }
