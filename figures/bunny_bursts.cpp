// A Bunny's three emitters: bursts of a set number of steps.
#include <climits>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"

namespace {
void StartBurst(Bunny* bunny, int slot, int frames) {
    BunnyEmitterSlot& s = bunny->emitters[slot];
    s.stepCount = 0;
    s.burstLength = frames;
    if (s.emitter) SetEmitterActive(s.emitter, 1);
}
}  // namespace

void StartBunnyEmitter0(Bunny* bunny, int frames) { StartBurst(bunny, 0, frames); }
void StartBunnyEmitter1(Bunny* bunny, int frames) { StartBurst(bunny, 1, frames); }
void StartBunnyEmitter2(Bunny* bunny, int frames) { StartBurst(bunny, 2, frames); }

void UpdateBunnyEmitters(Bunny* bunny) {
    for (BunnyEmitterSlot& s : bunny->emitters) {
        // Held at the top, so an endless burst cannot wrap round into a
        // length it would then stop at.
        if (s.stepCount < INT_MAX) ++s.stepCount;
        if (s.emitter) UpdateEmitter(s.emitter);
    }
    for (BunnyEmitterSlot& s : bunny->emitters)
        if (s.stepCount == s.burstLength && s.emitter) SetEmitterActive(s.emitter, 0);
}
