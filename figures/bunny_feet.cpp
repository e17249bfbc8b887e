// Where a Bunny's feet are, for the sparks its owner places there. Results
// are (sideways toward the figure's right, forward, height) from the
// figure's origin; each step is worked in double and kept as float.
#include "figures/bunny.h"
#include "figures/bunny_record.h"

#include <cmath>

namespace {
const double kDegree = 3.14 / 180;
double C(double angle) { return std::cos(angle * kDegree); }
double S(double angle) { return std::sin(angle * kDegree); }

const double kThigh = 0.089775, kShin = 0.07182, kFoot = 0.09625;

struct LegAngles {
    double ux, uz, lx, lz, fx, fy;
};

LegAngles ReadLeg(const Bunny* b, int side) {
    auto f = [&](int field) { return double(b->field[field + side * kBunnySideFieldCount]); };
    return {f(kUpperlegX), f(kUpperlegZ), f(kLowerlegX), f(kLowerlegZ), f(kFootX), f(kFootY)};
}

// The hip's height, then thigh and shin: shared by both feet. sideSign is the
// sign the leg's sideways swing is added with.
void AddHipAndLeg(float* out, const LegAngles& a, double bz, double sideSign, bool setSide) {
    out[2] = float(out[2] - 0.08625 * C(bz));
    if (bz > 0) out[2] = float(out[2] + 0.02);
    out[1] = float(out[1] - kThigh * S(a.ux));
    double thighSide = kThigh * S(bz + a.uz);
    out[0] = setSide ? float(thighSide) : float(out[0] + sideSign * thighSide);
    out[2] = float(out[2] - kThigh * (C(a.ux) + C(bz + a.uz)) / 2);
    out[1] = float(out[1] - kShin * S(a.ux + a.lx));
    out[0] = float(out[0] + sideSign * kShin * S(bz + a.uz + a.lz));
    out[2] = float(out[2] - kShin * (C(a.ux + a.lx) + C(bz + a.uz + a.lz)) / 2);
}

void AddFoot(float* out, const LegAngles& a, double sideSign) {
    out[0] = float(out[0] + sideSign * kFoot * S(a.fy));
    out[2] = float(out[2] + kFoot * S(a.ux + a.lx + a.fx));
    out[1] = float(out[1] + (kFoot * C(a.ux + a.lx + a.fx) - kFoot * C(a.fy) - 0.2) / 2);
}
}  // namespace

void GetBunnyLeftFootPos(Bunny* bunny, float* out) {
    const float* f = bunny->field;
    double bz = f[kBodyAngleZ];
    LegAngles a = ReadLeg(bunny, 0);
    out[0] = f[kBodyPosX];
    out[1] = float(f[kBodyPosZ] + 0.075);
    out[2] = f[kBodyPosY];
    out[0] = float(out[0] - 0.0595 * C(bz));
    AddHipAndLeg(out, a, bz, -1, false);
    AddFoot(out, a, 1);
}

void GetBunnyRightFootPos(Bunny* bunny, float* out) {
    const float* f = bunny->field;
    double bz = f[kBodyAngleZ];
    LegAngles a = ReadLeg(bunny, 1);
    out[1] = float(f[kBodyPosZ] + 0.075);
    out[2] = f[kBodyPosY];
    AddHipAndLeg(out, a, bz, 1, true);
    AddFoot(out, a, -1);
    out[0] = float(-out[0] + 0.0595 * C(bz));
    // The duck leans widen the stance on the right.
    if (bunny->stance) {
        if (bz < 0) {
            out[0] = float(out[0] + 0.1);
            out[2] = float(out[2] + 0.1);
        } else {
            out[0] = float(out[0] - 0.1);
        }
    }
}
