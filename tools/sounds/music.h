// The five music loops, each a few bars long and seamless at its join.
#pragma once

#include "audio.h"

Audio MakeTechno();       // play
Audio MakeIntroTechno();  // get ready
Audio MakeToccata();      // the palace, on the organ
Audio MakeMarch();        // the army, one beat per 400 ms step
Audio MakeKombat();       // the spiral fight
