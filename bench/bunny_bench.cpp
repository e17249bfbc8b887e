// One Bunny drawn on its own, lit as in play: what each figure adds to a
// game frame (the four-player frame draws sixteen).
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "figures/bunny.h"
#include "figures/bunny_draw_parts.h"
#include "figures/bunny_record.h"
#include "figures/figure_pool.h"

namespace {
void SetUpFigureView() {
    glViewport(0, 0, 300, 225);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 300.0 / 225.0, 0.1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float light[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTranslatef(0, -0.2f, -3);
}

// Sixteen figures a frame, each batch sent as one array (1) or vertex by
// vertex (0); held and sent together, one batch per texture, as the game's
// views hold them (1), or each figure's parts sent at the end of its drawing
// (0).
void BM_DrawSixteenBunnies(benchmark::State& state) {
    SetBunnyPartLists(int(state.range(0)));
    bool held = state.range(1) != 0;
    Bunny* b = NewBunny(0, 1);
    b->field[kGunScale] = 1;
    SetUpFigureView();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (held) HoldFigures();
        for (int k = 0; k < 16; ++k) {
            glPushMatrix();
            DrawBunny(b);
            DrawBunnyEmitters(b);
            glPopMatrix();
        }
        if (held) StopHoldingFigures();
        glutSwapBuffers();
        glFinish();
    }
    DeleteBunny(b);
    SetBunnyPartLists(1);
}
BENCHMARK(BM_DrawSixteenBunnies)
    ->ArgNames({"arrays", "held"})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.5);
}  // namespace
