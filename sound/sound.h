// The sound cues of the game.
#pragma once

void LoadSounds();
void UpdateSound();

void LoopTechno();
void StopTechno();
void LoopIntroTechno();
void StopIntroTechno();
void StopToccata();
void StopMarch();
void StopKombat();
