// One key pressed and let go on the display, as X's test extension sends it,
// and a pass of the main loop handing both events to the game: read from X
// on the game's own connection, or from GLUT's callbacks where there is
// none, with keys held beside it or not.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include "core/keys.h"
#include "core/x_keyboard.h"

void DrawGameOnRedisplay();  // bench_main, where the game's Display is not X's

namespace {
void Nothing() {}

// Keys held by other players: x, c and z.
const KeySym kHeldKeys[] = {XK_x, XK_c, XK_z};

void BM_KeyPressAndRelease(benchmark::State& state) {
    Display* x = XOpenDisplay(nullptr);
    Display* game = glXGetCurrentDisplay();
    XTestFakeMotionEvent(x, -1, 300, 200, CurrentTime);
    // A press posts a redisplay: the frame drawn is not the key's cost.
    glutDisplayFunc(Nothing);
    if (state.range(0)) ListenToKeys();
    else StopWatchingWindowKeyboard();
    int held = int(state.range(1));
    for (int k = 0; k < held; ++k) XTestFakeKeyEvent(x, XKeysymToKeycode(x, kHeldKeys[k]), True, CurrentTime);
    KeyCode key = XKeysymToKeycode(x, XK_period);
    XSync(x, False);
    XSync(game, False);
    glutMainLoopEvent();
    ReadWindowKeyboard();
    for (auto _ : state) {
        state.PauseTiming();
        XTestFakeKeyEvent(x, key, True, CurrentTime);
        XSync(x, False);
        XTestFakeKeyEvent(x, key, False, CurrentTime);
        XSync(x, False);
        XSync(game, False);
        state.ResumeTiming();
        glutMainLoopEvent();
        ReadWindowKeyboard();
    }
    for (int k = 0; k < held; ++k) XTestFakeKeyEvent(x, XKeysymToKeycode(x, kHeldKeys[k]), False, CurrentTime);
    XSync(x, False);
    XSync(game, False);
    glutMainLoopEvent();
    ReadWindowKeyboard();
    ClearKeyStates();
    ListenToKeys();
    DrawGameOnRedisplay();
    XCloseDisplay(x);
}
BENCHMARK(BM_KeyPressAndRelease)
    ->ArgNames({"x", "held"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 3})
    ->Unit(benchmark::kMicrosecond);
}  // namespace
