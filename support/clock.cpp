#include "support/clock.h"

#include <GL/glut.h>

namespace {
int (*clockSource)() = nullptr;
}

int ElapsedMs() {
    if (clockSource) return clockSource();
    return glutGet(GLUT_ELAPSED_TIME);
}

int WaitForPeriodAfter(int sinceMs, int periodMs) {
    int now = ElapsedMs();
    while (now - sinceMs < periodMs) now = ElapsedMs();
    return now;
}

void SetClockSource(int (*source)()) { clockSource = source; }
