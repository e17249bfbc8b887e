// Drawing helpers shared by the figures.
#pragma once

// Ambient and diffuse of front and back faces.
void SetFigureMaterial(float r, float g, float b, float a = 1.0f);

// Calls the display list kept in slot, compiling it from draw on first use.
// Fixed geometry is drawn this way; everything that moves stays outside.
void CallFixedList(unsigned& slot, void (*draw)());

// Prisms over an outline of points (a, b), extruded along c from c0 to c1.
// Along z, (a, b, c) is (x, y, z); along x it is (z, y, x).
enum class PrismAxis { kZ, kX };

// The side faces of edges first to first + count - 1 (edge i runs from point
// i to point i + 1, the last back to point 0), each with its outward normal
// whichever way the outline runs. Textured, s runs along c and t along the edge.
void DrawPrismSides(const float (*outline)[2], int points, int first, int count, float c0, float c1,
                    PrismAxis axis, bool textured);
// A convex piece of a prism's end at c, facing +c (facing 1) or -c (-1).
void DrawPrismCap(const float (*outline)[2], const int* piece, int corners, float c, int facing,
                  PrismAxis axis);
// A whole prism over a convex outline: both ends and every side.
void DrawConvexPrism(const float (*outline)[2], int points, float c0, float c1);

// A triangle with its apex at the origin and its base from (-w/2, l) to
// (w/2, l), extruded from z = 0 to z = t.
void DrawWedge(float w, float l, float t);
