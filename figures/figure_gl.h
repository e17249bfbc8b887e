// Drawing helpers shared by the figures.
#pragma once

// Whether a sphere about (x, y, z) at the current modelview matrix reaches
// into the view volume of the current projection. A figure wholly outside
// costs the renderer as much as one in sight, so it is not sent at all.
bool SphereInView(float x, float y, float z, float radius);

// Whether the near plane of the current projection may cut that sphere (or
// the eye lie inside it): then the inside of what it holds can show.
bool SphereReachesNearPlane(float x, float y, float z, float radius);
