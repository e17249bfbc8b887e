// The game opens its sound device before main, so PLIB's word on a missing
// device comes before the game's first line. Linked into the game binaries
// alone: the tests, the fuzzers and the benchmarks share the library, and a
// program that only lists its tests must open no device.
#include "sound/sound.h"

namespace {

struct SoundGlobals {
    SoundGlobals() { StartSoundDevice(); }
} soundGlobals;

}  // namespace
