// Ten Robots with their riders, or ten Rodents, drawn in a quarter-screen
// view, as creatures are drawn in a four-player game; the clear alone beside.
#include <GL/glut.h>
#include <benchmark/benchmark.h>

#include "figures/robot.h"
#include "figures/rodent.h"

namespace {

void SetUpQuarterView() {
    glViewport(0, 0, 300, 225);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 300.0 / 225.0, 0.1, 50);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_TEXTURE_2D);
}

void BM_DrawRobot(benchmark::State& state) {
    LoadRobotTextures();
    Robot* robot = NewRobot();
    SetUpQuarterView();
    for (auto _ : state) {
        UpdateRobot(robot, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(0, 0, -2.5f);
        for (int i = 0; i < int(state.range(0)); ++i) DrawRobot(robot);
        glFinish();
    }
    DeleteRobot(robot);
}
BENCHMARK(BM_DrawRobot)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_DrawRodent(benchmark::State& state) {
    Rodent* rodent = NewRodent();
    SetUpQuarterView();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glTranslatef(0, 0, -0.5f);
        for (int i = 0; i < int(state.range(0)); ++i) DrawRodent(rodent);
        glFinish();
    }
    DeleteRodent(rodent);
}
BENCHMARK(BM_DrawRodent)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {
void BM_ClearQuarterView(benchmark::State& state) {
    SetUpQuarterView();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
}
BENCHMARK(BM_ClearQuarterView)->Unit(benchmark::kMicrosecond);
}  // namespace
