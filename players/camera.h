// Each player's camera: five modes, the smooth orbit that follows the pib,
// the held adjustment keys and the fly-in and fly-out of a game.
#pragma once

enum CameraMode {
    kCameraOverhead = 0,
    kCameraFixedChase = 1,
    kCameraHeadingChase = 2,
    kCameraOrbit = 3,
    kCameraFirstPerson = 4,
    kCameraModeCount = 5
};

struct PibCamera {
    int mode;
    double eyeX, eyeY, eyeZ;
    double yaw;
    int targetYaw;
    int underBridge;
    double drop;
    int dropCounter;
    double yawOffset;
    float distX, distY;
    float height;
    int lastKeyState;
    int cameraKey;
    int hidePib;
};

extern PibCamera pibCameras[4];

// Limits of the adjustable distances and height.
const float kCameraNearDist = 1.8f;
const float kCameraNearHeight = 1.2f;
const float kCameraFar = 20.0f;

void InitCamera(int p);
double GetCameraTargetYaw(int p);
void ResetCameraYaw(int p);
void SmoothCameraYaw(int p);
void UpdateCameraEyeX(int p);
void UpdateCameraEyeY(int p);
void UpdateCameraEyeZ(int p);
void UpdateCamera(int p);
void HandleCameraKeys(int p);

// Projection and view of camera p for the viewport the caller has set; the
// caller has loaded the identity on the model-view matrix.
void SetupCameraView(double scaleX, double scaleY, int p);
void LookAtOrbitCamera(int p);

void SetCameraFar(int p);
void SetCameraGameOver(int p);
// Each answers 1 once the camera has arrived.
int StepCameraFlyIn(int p);
int StepCameraFlyOut(int p);

int IsPibModelHidden(int p);
int GetCameraMode(int p);
