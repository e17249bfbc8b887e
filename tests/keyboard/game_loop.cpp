// The game's callbacks for the key tests, in a file of their own: the game's
// display callback shares its name with X's Display type.
#include <GL/freeglut.h>

#include "core/frame.h"

// The game's window at the title menu, where it waits for its players.
void ShowGameAtTitle() {
    glutDisplayFunc(Display);
    ResetToTitle();
}

// One pass of the game's main loop: GLUT's events and the display, which GLUT
// skips for a window it believes hidden, then the game's idle step.
void RunGamePass() {
    glutMainLoopEvent();
    Idle();
}
