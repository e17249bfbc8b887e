// Drawing helpers shared by the figures.
#pragma once

// Whether a sphere about (x, y, z) at the current modelview matrix reaches
// into the view volume of the current projection. A figure wholly outside
// costs the renderer as much as one in sight, so it is not sent at all.
bool SphereInView(float x, float y, float z, float radius);
