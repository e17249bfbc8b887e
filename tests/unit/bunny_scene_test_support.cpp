#include "bunny_scene_test_support.h"

#include <algorithm>
#include <cmath>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "game_test_support.h"

// Built by hand, as NewBunny builds it but for the GL parts, so the tests
// need no window.
Bunny* RestingBunny() {
    Bunny* b = new Bunny();
    const float* rest = BunnyLayout().rest;
    std::copy(rest, rest + kBunnyPoseFieldCount, b->field);
    SetBunnyColorScheme(b, 0);
    const float place[3][4] = {{0, 0.4f, -0.15f, 0.16f}, {0, -0.07f, -0.15f, 0.2f},
                               {0, -0.52f, -0.15f, 0.24f}};
    for (int i = 0; i < 3; ++i)
        b->emitters[i] = {CreateEmitter(place[i][0], place[i][1], place[i][2], place[i][3]), 1, 0};
    return b;
}

EmitterBirth NewestBirth(Emitter* e) {
    SetEmitterActive(e, 1);
    fakeNow += 2000;
    UpdateEmitter(e);
    int n = EmitterCount(e);
    if (n == 0) return {NAN, NAN, NAN, false};
    const Particle* p = EmitterParticle(e, n - 1);
    return {p->x, p->y, p->z, p->size > 1.2f};
}
