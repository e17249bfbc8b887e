// The Robot's record: its numbered, tweenable fields and what else it
// carries. Included by the figure's own modules and tests.
#pragma once

#include "figures/figure_anim.h"
#include "figures/pose_table.h"

struct GLUquadric;
struct Rodent;

// The fields of one side; the left side's are 0 to 15, the right side's 16
// to 31 (Right(f) in a pose table).
enum RobotSideField {
    kRobotEyeballWidth,
    kRobotEyeballHeight,
    kRobotEyeballXcor,
    kRobotEyeballYcor,
    kRobotEyebrowXloc,
    kRobotEyebrowYloc,
    kRobotEyebrowOrientation,
    kRobotBackarmX,  // the arm segments' X angles are carried, not drawn
    kRobotBackarmY,
    kRobotBackarmZ,
    kRobotForearmX,
    kRobotForearmY,
    kRobotForearmZ,
    kRobotClawX,
    kRobotClawY,
    kRobotClawZ,
    kRobotSideFieldCount
};

// Fields after the two sides.
enum RobotField {
    kRobotHeadAngleX = 2 * kRobotSideFieldCount,
    kRobotHeadAngleY,
    kRobotHeadAngleZ,
    kRobotHeadPosX,
    kRobotHeadPosY,
    kRobotHeadPosZ,
    kRobotBodyAngleX,
    kRobotBodyAngleY,
    kRobotBodyAngleZ,
    kRobotBodyPosX,
    kRobotBodyPosY,
    kRobotBodyPosZ,
    kRobotBowtie,
    kRobotPropeller,  // grows without wrapping
    kRobotFieldCount
};

enum RobotGroup : unsigned {
    kRobotGroupEyeballs = 1u << 0,
    kRobotGroupEyebrows = 1u << 1,
    kRobotGroupBody = 1u << 2,
    kRobotGroupHead = 1u << 3,  // angles and position
    kRobotGroupArms = 1u << 4,  // both sides' backarms, forearms and claws
    kRobotGroupBowtie = 1u << 5,
};

// Things a pose sets at once, after queuing its tweens. Every pose stops the shake.
enum RobotPoseFlag : unsigned {
    kRobotSwayA1B0 = 1u << 0,
    kRobotSwayB1A0 = 1u << 1,
    kRobotSwayNone = 1u << 2,
};

struct Robot {
    float field[kRobotFieldCount];  // numbered as above
    AnimQueues<Robot> anim;         // tweens, and timers that carry no kind
    int shake;                      // while set, each drawing shakes anew
    int swayB, swayA;               // set by the sway poses; nothing reads them
    int treadCounter, danceCounter, swayCounter;
    float treadRate, danceRate, swayRate, propellerRate;
    Rodent* rider[2];
    GLUquadric* quadric;  // the hat dome
};

inline float& RobotSideValue(Robot* r, int side, int f) {
    return r->field[f + side * kRobotSideFieldCount];
}

const FigureLayout& RobotLayout();

// The texture set, in loading order: frame k (1-based) of a cycle is at its
// first index + k - 1.
enum RobotTexture {
    kRobotFrontPanelTexture,
    kRobotBandTextures,                             // 2 frames
    kRobotHamsterTextures = kRobotBandTextures + 2,  // 4 frames each
    kRobotLeftSquishTextures = kRobotHamsterTextures + 4,
    kRobotRightSquishTextures = kRobotLeftSquishTextures + 4,
    kRobotHatTexture = kRobotRightSquishTextures + 4,
    kRobotTextureCount
};
extern unsigned robotTextures[kRobotTextureCount];  // 0 until LoadRobotTextures

// The shake offsets shared by every Robot: NewRobot sets them to 0, each
// drawing of a shaking Robot draws them anew, and every Robot is drawn by them.
void GetRobotShakeOffsets(float* jx, float* jy);
void ResetRobotShakeOffsets();

void RunRobotTimers(Robot* robot);
void RunRobotTweens(Robot* robot);
int CountRobotTweens(const Robot* robot);
int CountRobotTimers(const Robot* robot);

// Which texture frame (1 to 4) the treads' hamster and squish panels show,
// and which band frame (1 or 2), at the Robot's tread counter.
int RobotTreadPanelFrame(const Robot* robot);
int RobotTreadBandFrame(const Robot* robot);
