// What the fire/smoke/steam emitter and the spark emitter share: the emission
// clock, the slot array of live particles, and camera-facing blended quads.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Emission time is kept in double milliseconds, as whole periods counted
// from an origin: a float of elapsed ms stops advancing by a fraction of a
// millisecond after about 4.7 hours, and adding up rounded periods one by one
// drifts off whole milliseconds.
struct EmissionClock {
    double origin;    // elapsed ms at the start of the count
    int64_t periods;  // whole periods passed since origin
    float rate;       // particles per ms
};

EmissionClock StartEmissionClock(int now, float rate);
// Elapsed ms up to which emission has been accounted for.
double EmissionLastTime(const EmissionClock& clock);
// A new rate counts its periods from the time accounted for so far.
void SetEmissionRate(EmissionClock& clock, float rate);

// Milliseconds since the last whole period (it also holds whatever an
// earlier update left over).
double EmissionDt(const EmissionClock& clock, int now);

// Whole emission periods in dt.
int64_t EmissionPeriods(const EmissionClock& clock, double dt);

// Passes n periods, calling makeOne once per period while canMake() holds.
// Periods in which nothing can be made (inactive or full) pass in one step,
// so a long gap costs no more than a short one.
template <class CanMake, class MakeOne>
void PassEmissionPeriods(EmissionClock& clock, int64_t n, CanMake canMake, MakeOne makeOne) {
    for (int64_t i = 0; i < n; ++i) {
        if (!canMake()) {
            clock.periods += n - i;
            return;
        }
        clock.periods += 1;
        makeOne();
    }
}

// Applies fade to every live particle, then frees those whose life has run
// out; the last slot fills the hole and is looked at in turn.
template <class P, class Fade>
void AgeSlots(std::vector<P>& slots, Fade fade) {
    for (std::size_t i = 0; i < slots.size();) {
        fade(slots[i]);
        if (slots[i].life <= 0) {
            slots[i] = slots.back();
            slots.pop_back();
        } else {
            ++i;
        }
    }
}

// Camera axes taken from the current modelview, and the view volume's six
// planes in the same space.
struct Billboard {
    float right[3];
    float up[3];
    float planes[6][4];  // a x + b y + c z + d >= 0 inside, (a, b, c) of length 1
    float reach;         // farthest a corner lies from the centre, per unit of half-size
};

// Reads the modelview's right and up vectors and the view volume, sets the
// normal toward the viewer, turns depth writes off and blending on.
Billboard BeginBillboards();
// Turns blending off and depth writes back on.
void EndBillboards();
// The parts of BeginBillboards: the axes and volume of the present view, the
// normal toward its viewer, and depth writes off with blending on.
Billboard ViewBillboard();
void FaceViewer(const Billboard& b);
void StartBlendedQuads();

// Quads that share one texture go out in one run, sent as one array with the
// texture bound, which is unbound at the run's end: the renderer pays for
// each call far more than for the quads. Runs keep the particles' slot order.
void BeginQuadRun(unsigned texture);
// Sends the quads gathered so far, keeping the texture bound: a run may go
// on in another view.
void SendQuadRun();
void EndQuadRun();
// 0 when the quad of half-size h at (x, y, z) lies wholly outside the view:
// it would make no pixel, and each quad costs the renderer far more than
// this test.
int BillboardInView(const Billboard& b, float x, float y, float z, float h);
// One quad of half-size h centred at (x, y, z), inside a run, in the
// material set before the run.
void BillboardQuad(const Billboard& b, float x, float y, float z, float h);
// A glowing quad: its colour (rgb, alpha) is its front emission, ambient and
// diffuse material at once. With lighting off it shows its unlit colour
// (rgba), or the current colour when none is given. A run's quads are all
// glowing or none.
void GlowingBillboardQuad(const Billboard& b, float x, float y, float z, float h, const float* rgb, float alpha,
                          const float* unlit);

// Sets the front emission and ambient-and-diffuse colours to (r, g, b, a).
void SetGlowMaterial(const float* rgb, float a);
void SetFrontEmission(float r, float g, float b, float a);
void SetFrontAmbientDiffuse(float r, float g, float b, float a);
