#include <GL/glut.h>

#include "core/frame.h"

int main(int argc, char** argv) {
    StartUp(argc, argv);
    glutMainLoop();
    return 0;
}
