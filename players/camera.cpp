#include "players/camera.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdlib>

#include "core/keys.h"
#include "players/pib.h"
#include "support/helpers.h"
#include "world/board.h"

PibCamera pibCameras[4];

namespace {

const double kYawStep = 0.3;
const double kOffsetStep = 0.1;
const float kLowerStep = 0.005f;  // lowering, closing in and both flights are slow
const float kRaiseStep = 0.1f;
const int kDropTicks = 100;
const double kMaxDrop = -0.9;
const double kArrivalTolerance = 0.1;

// Field of view of each mode.
const double kModeFov[kCameraModeCount] = {20, 70, 70, 70, 90};

// The orbit aims behind the pib: directions 0 to 3 as angles.
const double kDirectionYaw[4] = {90, 0, 270, 180};

PibCamera& Cam(int p) { return pibCameras[p & 3]; }

void Lower(float* v, float step, float limit) {
    *v -= step;
    if (*v < limit) *v = limit;
}

void Raise(float* v, float step, float limit) {
    *v += step;
    if (*v > limit) *v = limit;
}

// The fly-in and fly-out circle the pib once: the offset grows while above 0
// and stops at 0 once it has gone all the way round.
void StepFlightCircle(PibCamera& c) {
    if (c.yawOffset > 0) {
        c.yawOffset += kOffsetStep;
        if (c.yawOffset >= 360) c.yawOffset = 0;
    }
}

bool Near(double v, double target) { return std::fabs(v - target) < kArrivalTolerance; }

bool HasArrived(const PibCamera& c, double dist, double height) {
    return std::fabs(c.yawOffset) < kArrivalTolerance && Near(c.distX, dist) &&
           Near(c.distY, dist) && Near(c.height, height);
}

// One tick of a fly-in or fly-out: height and distances move slowly toward
// their end values while the eye circles; answers 1 once there.
int StepFlight(PibCamera& c, void (*move)(float*, float, float), float dist, float height) {
    move(&c.height, kLowerStep, height);
    move(&c.distY, kLowerStep, dist);
    move(&c.distX, kLowerStep, dist);
    StepFlightCircle(c);
    return HasArrived(c, dist, height) ? 1 : 0;
}

void ChangeYaw(PibCamera& c, int d) {
    if (d >= 1 && d <= 179) c.yaw += kYawStep;
    else if (d >= 181) c.yaw -= kYawStep;
    else if (d <= -181) c.yaw += kYawStep;
    else if (d >= -179 && d <= -1) c.yaw -= kYawStep;
    else c.yaw += RandomInRange(0, 1) < 0.5 ? -kYawStep : kYawStep;  // exactly behind
}

// The pib's heading in radians, with the swing of a running quarter turn.
double HeadingRad(int p) { return DegToRad(GetPibDir(p)); }

void HandleHeldCameraKeys(PibCamera& c) {
    if (IsKeyDown('j')) Lower(&c.height, kLowerStep, kCameraNearHeight);
    if (IsKeyDown('k')) Raise(&c.height, kRaiseStep, kCameraFar);
    if (IsKeyDown('u')) {
        Lower(&c.distY, kLowerStep, kCameraNearDist);
        Lower(&c.distX, kLowerStep, kCameraNearDist);
    }
    if (IsKeyDown('i')) {
        Raise(&c.distY, kRaiseStep, kCameraFar);
        Raise(&c.distX, kRaiseStep, kCameraFar);
    }
    if (IsKeyDown('6')) {
        c.yawOffset += kOffsetStep;
        if (c.yawOffset >= 360) c.yawOffset -= 360;
    }
}

}  // namespace

void InitCamera(int p) {
    PibCamera& c = Cam(p);
    c.mode = kCameraOrbit;
    c.lastKeyState = 0;
    c.height = kCameraNearHeight;
    c.distX = kCameraNearDist;
    c.distY = kCameraNearDist;
    c.yaw = GetCameraTargetYaw(p);
    c.targetYaw = int(c.yaw);
    c.yawOffset = 0;
    c.hidePib = 0;
    c.underBridge = 0;
    c.drop = 0;
    c.dropCounter = 0;
    c.cameraKey = '1' + (p & 3);
    UpdateCameraEyeX(p);
    UpdateCameraEyeY(p);
    UpdateCameraEyeZ(p);
}

double GetCameraTargetYaw(int p) {
    double yaw = kDirectionYaw[GetPibDirIndex(p) & 3];
    // A dying pib is watched from the front.
    if (IsPibDying(p)) {
        yaw += 180;
        if (yaw > 360) yaw -= 360;
    }
    return yaw;
}

void ResetCameraYaw(int p) {
    PibCamera& c = Cam(p);
    c.yaw = GetCameraTargetYaw(p);
    c.targetYaw = int(c.yaw);
    UpdateCameraEyeX(p);
    UpdateCameraEyeY(p);
    UpdateCameraEyeZ(p);
}

void SmoothCameraYaw(int p) {
    PibCamera& c = Cam(p);
    c.targetYaw = int(GetCameraTargetYaw(p));
    int d = int(c.targetYaw - c.yaw);
    if (d == 0) return;
    // The camera holds still while the pib swings round a pole.
    if (GetPibTurnState(p) != 0 && !IsPibDying(p)) return;
    ChangeYaw(c, d);
    if (c.yaw > 360) c.yaw -= 360;
    if (c.yaw < 0) c.yaw += 360;
}

void UpdateCameraEyeX(int p) {
    PibCamera& c = Cam(p);
    c.eyeX = GetPibX(p) - std::cos(DegToRad(c.yaw + c.yawOffset)) * c.distX;
}

void UpdateCameraEyeY(int p) {
    PibCamera& c = Cam(p);
    c.eyeY = GetPibY(p) - std::sin(DegToRad(c.yaw + c.yawOffset)) * c.distY;
}

void UpdateCameraEyeZ(int p) {
    PibCamera& c = Cam(p);
    int cell = GetBoardCell(int(GetPibX(p)), int(GetPibY(p)));
    bool bridge = cell == 6 || cell == 7;
    c.underBridge = bridge && !IsPibOnUpperLevel(p) ? 1 : 0;
    c.eyeZ = (GetPibZ(p) - 0.5) * 1.5 + 0.5 + c.height;
    // The eye sinks slowly under a bridge and rises back as slowly.
    if (c.underBridge && c.dropCounter < kDropTicks) ++c.dropCounter;
    if (!c.underBridge && c.dropCounter > 0) --c.dropCounter;
    c.drop = double(c.dropCounter) / kDropTicks * kMaxDrop;
    c.eyeZ += c.drop;
}

void UpdateCamera(int p) {
    SmoothCameraYaw(p);
    UpdateCameraEyeX(p);
    UpdateCameraEyeY(p);
    UpdateCameraEyeZ(p);
}

void HandleCameraKeys(int p) {
    PibCamera& c = Cam(p);
    if (KeyPressed(c.cameraKey, &c.lastKeyState)) {
        c.mode = (c.mode + 1) % kCameraModeCount;
        c.hidePib = c.mode == kCameraFirstPerson ? 1 : 0;
    }
    HandleHeldCameraKeys(c);
    UpdateCamera(p);
}

void LookAtOrbitCamera(int p) {
    const PibCamera& c = Cam(p);
    double px = GetPibX(p), py = GetPibY(p), pz = GetPibZ(p);
    gluLookAt(c.eyeX, c.eyeY, c.eyeZ, px, py, pz - 0.5, px - c.eyeX, py - c.eyeY, 1);
}

void SetupCameraView(double scaleX, double scaleY, int p) {
    const PibCamera& c = Cam(p);
    int mode = c.mode >= 0 && c.mode < kCameraModeCount ? c.mode : kCameraOrbit;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glScalef(float(scaleX), float(scaleY), 1);
    gluPerspective(kModeFov[mode], 1.0, 0.1, 50);
    glMatrixMode(GL_MODELVIEW);
    double px = GetPibX(p), py = GetPibY(p), pz = GetPibZ(p);
    double h = HeadingRad(p);
    switch (mode) {
    case kCameraOverhead: {
        double cx = GetBoardWidth() / 2, cy = GetBoardHeight() / 2;
        gluLookAt(cx, cy, 46, cx, cy, 0, 0, 1, 0);
        break;
    }
    case kCameraFixedChase:
        gluLookAt(px, py - c.distY, pz + c.height, px, py, 0, 0, 1, 1);
        break;
    case kCameraHeadingChase:
        // The eye's height here is absolute, not above the pib's level.
        gluLookAt(px - std::cos(h) * c.distX, py - std::sin(h) * c.distY, c.height, px, py,
                  0.5, 10 * std::cos(h), 10 * std::sin(h), 5);
        break;
    case kCameraFirstPerson:
        gluLookAt(px, py, pz, px + std::cos(h), py + std::sin(h), pz, 0, 0, 1);
        break;
    default:
        LookAtOrbitCamera(p);
    }
}

void SetCameraFar(int p) {
    PibCamera& c = Cam(p);
    c.distX = c.distY = c.height = kCameraFar;
    c.yawOffset = kOffsetStep;
}

void SetCameraGameOver(int p) {
    PibCamera& c = Cam(p);
    c.yawOffset = kOffsetStep;
    c.hidePib = 1;
}

int StepCameraFlyIn(int p) {
    return StepFlight(Cam(p), Lower, kCameraNearDist, kCameraNearHeight);
}

int StepCameraFlyOut(int p) { return StepFlight(Cam(p), Raise, kCameraFar, kCameraFar); }

int IsPibModelHidden(int p) { return Cam(p).hidePib; }
int GetCameraMode(int p) { return Cam(p).mode; }
