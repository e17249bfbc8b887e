// The game's sound effects, synthesised.
#pragma once

#include "audio.h"

Audio MakeLaser();     // a pib fires
Audio MakeRobotGun();  // a robot's gun
Audio MakeHitWall();   // a pib bumps into a wall and turns back
Audio MakeElastic();   // a band is plucked
Audio MakeDeath();     // a pib burns or falls
Audio MakeCombust();   // someone bursts into flames
Audio MakeFalling();   // a long drop
