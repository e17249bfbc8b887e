// The Robot's record functions: construction, textures, the per-update step
// with its three cycles and spinning propeller, its use of the animation
// engine, accessors and the position file.
#include <GL/gl.h>
#include <GL/glu.h>

#include <climits>
#include <cmath>
#include <cstdio>

#include "figures/position_file.h"
#include "figures/robot.h"
#include "figures/robot_record.h"
#include "figures/rodent.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

// Filled by LoadRobotTextures, read by the drawing.
unsigned robotTextures[kRobotTextureCount];

namespace {

constexpr AnimRules kRobotRules{true};  // a tween goes at 0 steps or fewer

// Propeller rates nearer 0 than this are held at it: the propeller turns 1 / rate.
constexpr float kMinPropellerRate = 0.01f;

const char* const kTextureFiles[kRobotTextureCount] = {
    "frontpanel.sgi",   "treads1.sgi",      "treads2.sgi",      "hamster1.sgi",
    "hamster2.sgi",     "hamster3.sgi",     "hamster4.sgi",     "leftsquish1.sgi",
    "leftsquish2.sgi",  "leftsquish3.sgi",  "leftsquish4.sgi",  "rightsquish1.sgi",
    "rightsquish2.sgi", "rightsquish3.sgi", "rightsquish4.sgi", "hat.sgi",
};

struct LayoutTables {
    float rest[kRobotFieldCount];
    unsigned groupsOf[kRobotFieldCount];
};

LayoutTables MakeLayoutTables() {
    static const float kSideRest[kRobotSideFieldCount] = {
        0.033f, 0.0495f, 0.037125f, 0.011f,  // eyeball width, height, Xcor, Ycor
        0.00825f, 0.099f, 60,                // eyebrow X loc, Y loc, orientation
        0, 0, 0, 0, 0, 0, 0, 0, 0,           // backarm, forearm, claw
    };
    static const float kMiddleRest[kRobotFieldCount - kRobotHeadAngleX] = {
        0, 0, 0, -0.1375f, 0.20625f, 0.1375f,  // head angles, position
        0, 0, 0, 0, -0.19f, 0,                 // body angles, position
        90, 90,                                // bowtie, propeller
    };
    LayoutTables t{};
    for (int side = 0; side < 2; ++side)
        for (int f = 0; f < kRobotSideFieldCount; ++f) {
            t.rest[f + side * kRobotSideFieldCount] = kSideRest[f];
            t.groupsOf[f + side * kRobotSideFieldCount] = f < kRobotEyebrowXloc ? kRobotGroupEyeballs
                                                          : f < kRobotBackarmX  ? kRobotGroupEyebrows
                                                                                : kRobotGroupArms;
        }
    for (int f = kRobotHeadAngleX; f < kRobotFieldCount; ++f) {
        t.rest[f] = kMiddleRest[f - kRobotHeadAngleX];
        t.groupsOf[f] = f < kRobotBodyAngleX ? kRobotGroupHead
                        : f < kRobotBowtie   ? kRobotGroupBody
                        : f == kRobotBowtie  ? unsigned(kRobotGroupBowtie)
                                             : 0;  // the propeller only follows the head
    }
    return t;
}

const LayoutTables& Tables() {
    static const LayoutTables tables = MakeLayoutTables();
    return tables;
}

// A cycle's length in updates: its base times the rate, never below 1 (a
// zero period would divide by zero).
int Period(int base, float rate) {
    float v = float(base) * rate;
    if (!(v >= 1.0f)) return 1;
    return v >= float(INT_MAX) ? INT_MAX : int(v);
}

// The rates are ours to keep sane: a rate that is not a finite number, or is
// below 0, is refused.
bool AcceptRate(const char* which, float rate) {
    if (std::isfinite(rate) && rate >= 0.0f) return true;
    std::fprintf(stderr, "Robot %s rate %g refused: it must be a number of 0 or more\n", which,
                 double(rate));
    return false;
}

float* SideRun(Robot* r, int side, int f) {
    return side == 0 || side == 1 ? &RobotSideValue(r, side, f) : nullptr;
}

void StartSwayCycle(Robot* robot) {
    RemoveRobotTweensOfKind(robot, 1);
    RemoveRobotTweensOfKind(robot, 2);
    float s = robot->swayRate;
    int a = int(20 * s), b = int(50 * s);
    ScheduleRobotAction(RobotSwayPoseB, robot, b, a);
    ScheduleRobotAction(RobotSwayPoseA, robot, int(50 * s), int(float(a + b) + 20 * s));
}

}  // namespace

const FigureLayout& RobotLayout() {
    static const FigureLayout layout{kRobotFieldCount, kRobotSideFieldCount, Tables().rest,
                                     Tables().groupsOf, kRobotHeadAngleY, kRobotPropeller};
    return layout;
}

void LoadRobotTextures() {
    // Every army scene start asks again: the first set serves them all.
    LoadSgiTexturesOnce(robotTextures, kTextureFiles, kRobotTextureCount);
    // These reach only the texture bound last, the hat's.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

Robot* NewRobot() {
    SeedRandom();
    ResetRobotShakeOffsets();
    Robot* r = new Robot();
    for (int f = 0; f < kRobotFieldCount; ++f) r->field[f] = Tables().rest[f];
    r->treadRate = r->danceRate = r->swayRate = r->propellerRate = 1.0f;
    r->rider[0] = NewRodent();
    r->rider[1] = NewRodent();
    r->quadric = gluNewQuadric();
    gluQuadricTexture(r->quadric, GL_TRUE);
    return r;
}

void DeleteRobot(Robot* robot) {
    if (!robot) return;
    ClearRobotAnimation(robot);
    gluDeleteQuadric(robot->quadric);
    DeleteRodent(robot->rider[0]);
    DeleteRodent(robot->rider[1]);
    delete robot;
}

void RunRobotTimers(Robot* robot) { RunAnimActions(robot->anim, robot); }

void RunRobotTweens(Robot* robot) {
    RunAnimTweens(robot->anim, kRobotRules, &robot->field[kRobotBodyAngleX]);
}

void UpdateRobot(Robot* robot, int swaying) {
    RunRobotTimers(robot);
    RunRobotTweens(robot);
    TickRodentAnimation(robot->rider[0]);
    TickRodentAnimation(robot->rider[1]);
    robot->treadCounter %= Period(20, robot->treadRate);
    robot->danceCounter %= Period(136, robot->danceRate);
    if (swaying) {
        robot->swayCounter %= Period(140, robot->swayRate);
        if (robot->swayCounter == 0) StartSwayCycle(robot);
    }
    if (robot->danceCounter == 0) ScheduleRiderDance(robot);
    robot->field[kRobotPropeller] += 1.0f / robot->propellerRate;
    ++robot->treadCounter;
    ++robot->swayCounter;
    ++robot->danceCounter;
}

void ScheduleRobotAction(RobotAction fn, Robot* robot, int arg, int delay) {
    ScheduleAnimAction(robot->anim, fn, robot, arg, delay, kNoAnimKind);
}

void ClearRobotTweens(Robot* robot) { ClearAnimTweens(robot->anim); }
void ClearRobotTimers(Robot* robot) { ClearAnimActions(robot->anim); }
void ClearRobotAnimation(Robot* robot) {
    ClearRobotTweens(robot);
    ClearRobotTimers(robot);
}
void RemoveRobotTweensOfKind(Robot* robot, int kind) { RemoveAnimTweensOfKind(robot->anim, kind); }

void ClearRiderAnimations(Robot* robot) {
    ClearRodentAnimation(robot->rider[0]);
    ClearRodentAnimation(robot->rider[1]);
}

void SetRobotShake(Robot* robot, int flag) { robot->shake = flag; }

void SetRobotTreadRate(Robot* robot, float rate) {
    if (AcceptRate("tread", rate)) robot->treadRate = rate;
}
void SetRobotDanceRate(Robot* robot, float rate) {
    if (AcceptRate("dance", rate)) robot->danceRate = rate;
}
void SetRobotSwayRate(Robot* robot, float rate) {
    if (AcceptRate("sway", rate)) robot->swayRate = rate;
}
void SetRobotPropellerRate(Robot* robot, float rate) {
    if (!std::isfinite(rate)) {
        std::fprintf(stderr, "Robot propeller rate %g refused: it must be a number\n", double(rate));
        return;
    }
    if (std::fabs(rate) < kMinPropellerRate) rate = std::signbit(rate) ? -kMinPropellerRate : kMinPropellerRate;
    robot->propellerRate = rate;
}

void ResetRobotTreadCounter(Robot* robot) { robot->treadCounter = 0; }
void ResetRobotDanceCounter(Robot* robot) { robot->danceCounter = 0; }
void ResetRobotSwayCounter(Robot* robot) { robot->swayCounter = 0; }

void NudgeRobotBowtie(Robot* r, float d) { r->field[kRobotBowtie] += d; }
void NudgeRobotPropeller(Robot* r, float d) { r->field[kRobotPropeller] += d; }
void NudgeRobotEyebrow(Robot* r, int i, float xloc, float yloc, float orientation) {
    NudgeFieldRun(SideRun(r, i, kRobotEyebrowXloc), {xloc, yloc, orientation});
}
void NudgeRobotEyeball(Robot* r, int i, float width, float height, float xcor, float ycor) {
    NudgeFieldRun(SideRun(r, i, kRobotEyeballWidth), {width, height, xcor, ycor});
}
void NudgeRobotHead(Robot* r, float ax, float ay, float az, float px, float py, float pz) {
    NudgeFieldRun(&r->field[kRobotHeadAngleX], {ax, ay, az, px, py, pz});
}
void NudgeRobotBody(Robot* r, float ax, float ay, float az, float px, float py, float pz) {
    NudgeFieldRun(&r->field[kRobotBodyAngleX], {ax, ay, az, px, py, pz});
}
void NudgeRobotBackarm(Robot* r, int i, float x, float y, float z) {
    NudgeFieldRun(SideRun(r, i, kRobotBackarmX), {x, y, z});
}
void NudgeRobotForearm(Robot* r, int i, float x, float y, float z) {
    NudgeFieldRun(SideRun(r, i, kRobotForearmX), {x, y, z});
}
void NudgeRobotClaw(Robot* r, int i, float x, float y, float z) {
    NudgeFieldRun(SideRun(r, i, kRobotClawX), {x, y, z});
}
void SetRobotHead(Robot* r, float ax, float ay, float az, float px, float py, float pz) {
    SetFieldRun(&r->field[kRobotHeadAngleX], {ax, ay, az, px, py, pz});
}
void SetRobotBody(Robot* r, float ax, float ay, float az, float px, float py, float pz) {
    SetFieldRun(&r->field[kRobotBodyAngleX], {ax, ay, az, px, py, pz});
}

int CountRobotTweens(const Robot* robot) { return CountAnimTweens(robot->anim); }
int CountRobotTimers(const Robot* robot) { return CountAnimActions(robot->anim); }

void PrintRobotPosition(Robot* robot) {
    static const char* const kEyeball[4] = {"width", "height", "Xcor", "Ycor"};
    static const char* const kEyebrow[3] = {"X loc", "Y loc", "orientation"};
    const float* f = robot->field;
    const int stride = kRobotSideFieldCount;
    PositionFile out("Robot Position Data");
    out.SidedLines("eyeball", kEyeball, 4, &f[kRobotEyeballWidth], stride);
    out.SidedLines("eyebrow", kEyebrow, 3, &f[kRobotEyebrowXloc], stride);
    out.Group();
    out.Lines("Body", kAngleAndPosition, 6, &f[kRobotBodyAngleX]);
    out.Group();
    out.Lines("Head", kAngleAndPosition, 6, &f[kRobotHeadAngleX]);
    out.SidedLines("backarm", kAngleXyz, 3, &f[kRobotBackarmX], stride);
    out.SidedLines("forearm", kAngleXyz, 3, &f[kRobotForearmX], stride);
    out.SidedLines("claw", kAngleXyz, 3, &f[kRobotClawX], stride);
    out.Group();
    out.Line("Bowtie angle", f[kRobotBowtie]);
}
