// STAND-INS for the sound cues, which are not built yet: silence.
#include "sound/sound.h"

void LoadSounds() {}
void UpdateSound() {}
void LoopTechno() {}
void StopTechno() {}
void LoopIntroTechno() {}
void StopIntroTechno() {}
void StopToccata() {}
void StopMarch() {}
void StopKombat() {}
