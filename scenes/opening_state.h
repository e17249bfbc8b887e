// The opening scene's state, one instance for the whole program; read by the
// tests and the benchmarks to follow the scene.
#pragma once

struct Bunny;

struct OpeningScene {
    Bunny* star = nullptr;  // the one figure
    unsigned whitePibTexture = 0, finalTexture = 0, alpsTexture = 0;
    int viewW = 0, viewH = 0;  // viewport of the last frame drawn
    float sceneYaw = 0;        // the figure's space about y, degrees
    float angle1 = 0, angle2 = 0;  // title pictures' spin about z, degrees
    float spin1 = 0, spin2 = 0;    // added to the angles every frame
    float z1 = -1200, z2 = -1200;  // title pictures' depths
    float z1Speed = 0, z2Speed = 0;
    float backdropAngle = -110;  // tilt about x, degrees
    float backdropSpeed = 0, backdropAccel = 0;
    int starVisible = 0;
    int frame = 0;  // frames counted so far
    int lastFrameMs = 0;
    float nearPlane = 1, farPlane = 1000;
};

const OpeningScene& GetOpeningScene();

// The frame from which the script answers that the scene is over.
constexpr int kOpeningEndFrame = 3772;
