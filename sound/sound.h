// The sound cues of the game.
#pragma once

void LoadSounds();
void UpdateSound();

void StopTechno();
void StopIntroTechno();
void StopToccata();
void StopMarch();
void StopKombat();

void PlayLaser();
void PlayHitWall();
void PlayDeath();
