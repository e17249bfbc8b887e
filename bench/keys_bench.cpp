// One key pressed and let go on the display, as X's test extension sends it,
// and a pass of the main loop handing both events to the game: read from X
// on the game's own connection, or from GLUT's callbacks where there is
// none, with keys held beside it or not. And a pass with no key at all.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include "core/keys.h"
#include "core/x_keyboard.h"

void DrawGameOnRedisplay();  // bench_main, where the game's Display is not X's
void ShowGameAtTitle();      // tests/keyboard/game_loop.cpp
void RunGamePass();

namespace {
// The game's display reads the keys before it draws; the frame drawn is not
// the key's cost.
void ReadKeysAndDrawNothing() { ReadWindowKeyboard(); }

// At the title menu, whose idle step does least.
void StartPasses() {
    ShowGameAtTitle();
    glutDisplayFunc(ReadKeysAndDrawNothing);
    RunGamePass();
}

// Keys held by other players: x, c and z.
const KeySym kHeldKeys[] = {XK_x, XK_c, XK_z};

void BM_KeyPressAndRelease(benchmark::State& state) {
    Display* x = XOpenDisplay(nullptr);
    Display* game = glXGetCurrentDisplay();
    XTestFakeMotionEvent(x, -1, 300, 200, CurrentTime);
    if (state.range(0)) ListenToKeys();
    else StopWatchingWindowKeyboard();
    int held = int(state.range(1));
    for (int k = 0; k < held; ++k) XTestFakeKeyEvent(x, XKeysymToKeycode(x, kHeldKeys[k]), True, CurrentTime);
    KeyCode key = XKeysymToKeycode(x, XK_period);
    XSync(x, False);
    XSync(game, False);
    StartPasses();
    for (auto _ : state) {
        state.PauseTiming();
        XTestFakeKeyEvent(x, key, True, CurrentTime);
        XSync(x, False);
        XTestFakeKeyEvent(x, key, False, CurrentTime);
        XSync(x, False);
        XSync(game, False);
        state.ResumeTiming();
        RunGamePass();
    }
    for (int k = 0; k < held; ++k) XTestFakeKeyEvent(x, XKeysymToKeycode(x, kHeldKeys[k]), False, CurrentTime);
    XSync(x, False);
    XSync(game, False);
    RunGamePass();
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

void BM_PassWithNoKey(benchmark::State& state) {
    StartPasses();
    for (auto _ : state) RunGamePass();
    DrawGameOnRedisplay();
}
BENCHMARK(BM_PassWithNoKey)->Unit(benchmark::kMicrosecond);
}  // namespace
