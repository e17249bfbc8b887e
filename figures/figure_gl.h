// Drawing helpers shared by the figures.
#pragma once

class TriangleMesh;
class FigureBatch;

// Ambient and diffuse of front and back faces.
void SetFigureMaterial(float r, float g, float b, float a = 1.0f);

// Calls the display list kept in slot, compiling it on first use from the
// mesh that build makes. Fixed geometry is drawn this way; everything that
// moves is placed around it.
void CallFixedList(unsigned& slot, void (*build)(TriangleMesh& mesh));

// Whether a sphere about (x, y, z) at the current modelview matrix reaches
// into the view volume of the current projection. A figure wholly outside
// costs the renderer as much as one in sight, so it is not sent at all.
bool SphereInView(float x, float y, float z, float radius);
