#include "support/clock.h"

#include <GL/glut.h>

namespace {
int (*clockSource)() = nullptr;
}

int ElapsedMs() {
    if (clockSource) return clockSource();
    return glutGet(GLUT_ELAPSED_TIME);
}

void SetClockSource(int (*source)()) { clockSource = source; }
