// STAND-INS for the sound cues, which are not built yet: silence.
#include "sound/sound.h"

void LoadSounds() {}
void UpdateSound() {}
void StopTechno() {}
void StopIntroTechno() {}
void StopToccata() {}
void StopMarch() {}
void StopKombat() {}
void PlayLaser() {}
void PlayHitWall() {}
void PlayDeath() {}
