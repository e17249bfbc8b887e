// Shared by the Bunny scene-pose tests.
#pragma once

struct Bunny;
struct Emitter;

// A figure in outfit 0, at rest, with its three emitters at their places
// and no GL parts; DeleteBunny frees it.
Bunny* RestingBunny();

// Where an emitter makes its particles and whether as smoke: it is switched
// on for two seconds of the driven clock and its newest particle tells.
struct EmitterBirth {
    float x, y, z;
    bool smoke;
};
EmitterBirth NewestBirth(Emitter* e);
