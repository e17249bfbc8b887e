// The robot creatures.
#include "players/creatures.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "figures/robot.h"
#include "players/pib.h"
#include "players/shots.h"
#include "support/helpers.h"
#include "world/board.h"

namespace {

Creature* creatureList = nullptr;

const double kCreatureSpeed = 0.002;
const double kCatchReach = 0.4625;
const double kShotReach = 0.28875;
const int kKnockOutTicks = 1000;
const int kTurnCooldownTicks = 1000;
const int kRampTicks = 650;
const int kAttackFireTick = 210;
const int kAttackEndTick = 320;
const int kBiteTicks = 320;
// A file that claims more creatures than this is taken for a broken one.
const int kMaxCreatures = 10000;
// Coordinates far beyond any board are refused before they reach a cell index.
const double kMaxCoordinate = 100000.0;

// Heading angle about z of the figure and the marker, by direction.
const double kHeadingAngle[4] = {0, 270, 180, 90};

bool IsRamp(int cell) { return cell >= kRampUp0 && cell <= kRampUp3; }
bool IsRaised(int cell) { return cell >= kRaisedBlock && cell <= kBridgeAlongY; }
int StepX(int dir) { return kDirStepX[dir & 3]; }
int StepY(int dir) { return kDirStepY[dir & 3]; }

int CellUnder(const Creature* c) { return GetBoardCell(int(c->x), int(c->y)); }

double Distance(double dx, double dy, double dz) {
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

int BlockedToward(const Creature* c, int dir) {
    if (dir < 0 || dir > 3) return 0;
    double px = c->x + 0.51 * StepX(dir);
    double py = c->y + 0.51 * StepY(dir);
    return IsCreatureMoveBlocked(dir, px, py, c->upper);
}

bool HasFreeTurn(const Creature* c) {
    for (int d = 0; d < 4; ++d) {
        if (d != c->dir && !BlockedToward(c, d)) return true;
    }
    return false;
}

int DrawTurnDirection(int d) {
    if (RandomInRange(1, 2) > 1.66) {
        return RandomInRange(1, 2) > 1.5 ? (d + 1) % 4 : (d + 3) % 4;
    }
    return int(RandomInRange(0.01, 3.99));
}

void StartTurn(Creature* c, int newDir) {
    int d = c->dir;
    c->nextDir = newDir;
    if (newDir == (d + 1) % 4) {
        c->state = kCreatureTurningClockwise;
        c->targetAngle = 90;
    } else if (newDir == (d + 3) % 4) {
        c->state = kCreatureTurningAnticlockwise;
        c->targetAngle = 90;
    } else {
        c->targetAngle = 180;
        c->state = RandomInRange(1, 2) >= 1.5 ? kCreatureTurningClockwise
                                              : kCreatureTurningAnticlockwise;
    }
}

void ScheduleRobotPoses(Robot* robot, int steps, const RobotAction* poses, const int* delays,
                        int count) {
    for (int i = 0; i < count; ++i) ScheduleRobotAction(poses[i], robot, steps, delays[i]);
}

void FireVolley(Creature* c) {
    for (int i = 0; i < 2; ++i) {
        FireShot(c->x, c->y, c->z, CreatureDirX(c), CreatureDirY(c), 0, c->speed * 5, 500, 30,
                 kShotCreature);
    }
}

void StepAttack(Creature* c) {
    c->attackCounter += 1;
    if (c->attackCounter == kAttackFireTick && !c->hasBitten) FireVolley(c);
    if (c->attackCounter == kAttackEndTick) {
        c->attackCounter = 0;
        c->state = kCreatureWalking;
        c->hasBitten = 0;
    }
}

// One step along the way; answers whether the creature walks onto a ramp
// that rises ahead of it.
bool WalkCreature(Creature* c, int here) {
    int dir = c->dir;
    if (dir < 0 || dir > 3) return false;
    c->x = float(c->x + c->speed * StepX(dir));
    c->y = float(c->y + c->speed * StepY(dir));
    int ahead = GetBoardCell(int(c->x + 0.3 * StepX(dir)), int(c->y + 0.3 * StepY(dir)));
    return here == kFloor && ahead == RampRisingToward(dir);
}

void StepTurn(Creature* c) {
    c->turned += c->speed * 200;
    if (c->turned >= c->targetAngle) {
        c->state = kCreatureWalking;
        c->turned = 0;
        c->dir = c->nextDir;
    }
}

// The ramp profile: pitch and lift grow over the first 200 ticks, hold, and
// fall back over the last 200 of 650.
void SetRampProfile(Creature* c, int ticks, double sign) {
    int t = ticks <= 200 ? ticks : (ticks >= 450 ? kRampTicks - ticks : 200);
    c->tilt = sign * t * 45.0 / 200;
    c->lift = t * 0.2 / 200;
}

// One tick of the ramp animation; sign 1 counts a climb up, -1 a descent down.
void StepRamp(Creature* c, int sign) {
    int ticks = sign * c->climb;
    c->climb = sign * (ticks + 1);
    if (ticks > kRampTicks) {
        c->climb = 0;
        c->tilt = c->lift = 0;
        return;
    }
    SetRampProfile(c, ticks, sign);
}

void TurnToHeading(const Creature* c) {
    glRotated(kHeadingAngle[c->dir & 3], 0, 0, 1);
    if (c->state == kCreatureTurningClockwise) glRotated(-c->turned, 0, 0, 1);
    if (c->state == kCreatureTurningAnticlockwise) glRotated(c->turned, 0, 0, 1);
}

// Closes the file first: a test or fuzzer may catch the exit and carry on.
[[noreturn]] void RefuseFile(FILE* file, const char* fileName, int line, const char* problem) {
    std::fclose(file);
    if (line > 0) {
        std::printf("Error in %s, line %d: %s\n", fileName, line, problem);
    } else {
        std::printf("Error in %s: %s\n", fileName, problem);
    }
    std::fflush(stdout);
    ExitProgram(1);
}

bool IsBlankRest(const char* s) {
    for (; *s; ++s) {
        if (*s != ' ' && *s != '\t' && *s != '\r' && *s != '\n') return false;
    }
    return true;
}

// Reads the next line that is not blank; false at the end of the file.
bool ReadContentLine(FILE* file, char* buffer, int size, int* lineNumber) {
    while (std::fgets(buffer, size, file)) {
        ++*lineNumber;
        if (!IsBlankRest(buffer)) return true;
    }
    return false;
}

bool IsSaneCoordinate(float v) { return std::isfinite(v) && std::fabs(v) < kMaxCoordinate; }

int ReadCreatureCount(FILE* file, const char* fileName, int* lineNumber) {
    char line[256];
    int count = 0, used = 0;
    if (!ReadContentLine(file, line, sizeof line, lineNumber)) {
        RefuseFile(file, fileName, 0,
                   "the file is empty; it must start with the number of creatures");
    }
    if (std::sscanf(line, "%d%n", &count, &used) != 1 || !IsBlankRest(line + used)) {
        RefuseFile(file, fileName, *lineNumber, "the first line must hold the number of creatures");
    }
    if (count < 0 || count > kMaxCreatures) {
        RefuseFile(file, fileName, *lineNumber, "the number of creatures must be 0 to 10000");
    }
    return count;
}

Creature* NewCreatureRecord() {
    Creature* c = static_cast<Creature*>(CheckedAlloc(sizeof(Creature)));
    std::memset(c, 0, sizeof(Creature));
    return c;
}

void SetUpRobotCreature(Creature* c) {
    c->state = kCreatureWalking;
    c->speed = kCreatureSpeed;
    c->upper = c->z == 0.5f ? 0 : 1;
    c->robot = NewRobot();
    SetRobotPropellerRate(c->robot, 2.0f);
    SetRobotDanceRate(c->robot, 20.0f);
    SetRobotTreadRate(c->robot, 12.0f);
    SetRobotSwayRate(c->robot, 2.0f);
}

Creature* ReadCreature(FILE* file, const char* fileName, int* lineNumber) {
    char line[256];
    if (!ReadContentLine(file, line, sizeof line, lineNumber)) {
        RefuseFile(file, fileName, 0, "the file ends before every creature of its count is listed");
    }
    int type = 0, dir = 0, used = 0;
    float x = 0, y = 0, z = 0;
    if (std::sscanf(line, "%d %f %f %f %d%n", &type, &x, &y, &z, &dir, &used) != 5 ||
        !IsBlankRest(line + used)) {
        RefuseFile(file, fileName, *lineNumber, "expected: type x y z direction");
    }
    if (!IsSaneCoordinate(x) || !IsSaneCoordinate(y) || !IsSaneCoordinate(z)) {
        RefuseFile(file, fileName, *lineNumber, "the position is not a usable number");
    }
    if (dir < 0 || dir > 3) RefuseFile(file, fileName, *lineNumber, "the direction must be 0 to 3");
    Creature* c = NewCreatureRecord();
    c->x = x;
    c->y = y;
    c->z = z;
    c->type = type;
    c->dir = dir;
    if (type == 0) SetUpRobotCreature(c);
    return c;
}

void DropCreatures() {
    while (creatureList) {
        Creature* next = creatureList->next;
        if (creatureList->robot) DeleteRobot(creatureList->robot);
        std::free(creatureList);
        creatureList = next;
    }
}

}  // namespace

Creature* GetCreatures() { return creatureList; }

void LoadCreatures(const char* fileName) {
    DropCreatures();
    FILE* file = std::fopen(fileName, "r");
    if (!file) {
        std::printf("not ready for creatures.data");
        std::fflush(stdout);
        ExitProgram(1);
    }
    int lineNumber = 0;
    int count = ReadCreatureCount(file, fileName, &lineNumber);
    for (int i = 0; i < count; ++i) {
        Creature* c = ReadCreature(file, fileName, &lineNumber);
        c->next = creatureList;
        creatureList = c;
    }
    std::fclose(file);
}

void CheckCreaturePlaces() {
    for (Creature* c = creatureList; c; c = c->next) {
        if (c->type != 0) continue;
        if (c->x < 0 || c->y < 0 || c->x >= GetBoardWidth() || c->y >= GetBoardHeight()) {
            std::printf("Error: a creature at (%g, %g) stands off the %d by %d board\n", c->x,
                        c->y, GetBoardWidth(), GetBoardHeight());
            std::fflush(stdout);
            ExitProgram(1);
        }
    }
}

void UpdateCreatures() {
    for (Creature* c = creatureList; c; c = c->next) {
        if (c->type != 0) continue;
        UpdateCreature(c);
        int swaying = c->state != kCreatureAttacking && c->biteCounter == 0;
        UpdateRobot(c->robot, swaying);
    }
}

void UpdateCreature(Creature* c) {
    int here = CellUnder(c);
    if (c->dead > 0) {
        c->dead += 1;
        if (c->dead > kKnockOutTicks) ReviveCreature(c);
        return;
    }
    if (!c->hasBitten) CheckCreatureCatch(c);
    if (c->biteCounter > 0) {
        c->biteCounter += 1;
        if (c->biteCounter > kBiteTicks) c->biteCounter = c->hasBitten = 0;
        return;
    }
    if (c->climb > 0) ClimbCreature(c);
    if (c->climb < 0) DescendCreature(c);
    if (c->state == kCreatureWalking && c->climb == 0 && RandomInRange(0, 1) > 0.997 &&
        CreatureSeesPib(c)) {
        StartCreatureAttack(c);
    }
    if (c->state == kCreatureAttacking) StepAttack(c);
    // The band scan behind this test is the costly part of a tick: ask once,
    // and again only after a turn choice has moved the creature to the centre.
    int blocked = c->state == kCreatureWalking && CreatureBlocked(c);
    if (c->state == kCreatureWalking && c->climb == 0 &&
        (blocked || CreatureAtJunction(c, 1) || CreatureAhead(c))) {
        ChooseCreatureTurn(c);
        c->turnCooldown = 1;
        blocked = c->state == kCreatureWalking && CreatureBlocked(c);
    }
    if (c->turnCooldown > 0) {
        c->turnCooldown += 1;
        if (c->turnCooldown > kTurnCooldownTicks) c->turnCooldown = 0;
    }
    bool toClimb = false;
    // A creature with nowhere to go, or one that meets a band on a ramp,
    // waits where it stands rather than walking through.
    if (c->state == kCreatureWalking && !blocked) toClimb = WalkCreature(c, here);
    if (c->state == kCreatureTurningClockwise || c->state == kCreatureTurningAnticlockwise) {
        StepTurn(c);
    }
    int now = CellUnder(c);
    if (toClimb && c->climb == 0) c->climb = 1;
    if (IsRaised(here) && IsRamp(now) && c->climb == 0) c->climb = -1;
    UpdateCreatureHeight(c);
}

void KillCreature(Creature* c) {
    c->dead = 1;
    ClearRobotAnimation(c->robot);
    if (c->state == kCreatureAttacking) {
        c->state = kCreatureWalking;
        c->attackCounter = 0;
    }
    ClearRiderAnimations(c->robot);
    SetRobotSwayRate(c->robot, 0.5f);
    SetRobotShake(c->robot, 1);
}

void ReviveCreature(Creature* c) {
    c->dead = 0;
    SetRobotSwayRate(c->robot, 2.0f);
    ScheduleRiderDance(c->robot);
    SetRobotShake(c->robot, 0);
}

int KillCreaturesNear(double x, double y, double z) {
    int hit = 0;
    for (Creature* c = creatureList; c; c = c->next) {
        if (c->type == 0 && Distance(c->x - x, c->y - y, c->z - z) < kShotReach) {
            KillCreature(c);
            hit = 1;
        }
    }
    return hit;
}

void UpdateCreatureHeight(Creature* c) {
    int cell = CellUnder(c);
    double fx = c->x - int(c->x), fy = c->y - int(c->y);
    switch (cell) {
        case kRampUp0: c->z = float(0.5 + fy); break;
        case kRampUp1: c->z = float(0.5 + fx); break;
        case kRampUp2: c->z = float(0.5 + (1 - fy)); break;
        case kRampUp3: c->z = float(0.5 + (1 - fx)); break;
        case kRaisedBlock: c->z = 1.5f; c->upper = 1; return;
        case kBridgeAlongX: case kBridgeAlongY: if (c->upper) c->z = 1.5f; return;
        default: c->z = 0.5f; c->upper = 0; return;
    }
    if (cell == RampRisingToward(c->dir)) c->upper = 1;
}

int CreatureBlocked(Creature* c) { return BlockedToward(c, c->dir); }

void ChooseCreatureTurn(Creature* c) {
    c->x = float(int(c->x) + 0.5);
    c->y = float(int(c->y) + 0.5);
    // Boxed in on every other side: keep the direction and try again later.
    if (!HasFreeTurn(c)) return;
    int d = c->dir;
    int newDir = d;
    // Random draws find a free direction almost at once; the bound only
    // guards against a generator that keeps repeating itself.
    for (int tries = 0; tries < 1000 && (newDir == d || BlockedToward(c, newDir)); ++tries) {
        newDir = DrawTurnDirection(d);
    }
    for (int k = 1; k < 4 && (newDir == d || BlockedToward(c, newDir)); ++k) newDir = (d + k) % 4;
    StartTurn(c, newDir);
}

int CreatureDirX(Creature* c) { return StepX(c->dir); }
int CreatureDirY(Creature* c) { return StepY(c->dir); }

int CreatureSeesPib(Creature* c) {
    int dx = StepX(c->dir), dy = StepY(c->dir);
    if (dx == 0 && dy == 0) return 0;
    bool onFloor = CellUnder(c) == kFloor;
    // A deck that crosses the line of sight does not hide what lies beyond.
    int crossingDeck = dy != 0 ? kBridgeAlongX : kBridgeAlongY;
    for (int p = 0; p < GetPlayerCount(); ++p) {
        if (IsPibUntouchable(p) || IsPibOnUpperLevel(p) != c->upper) continue;
        int px = int(GetPibX(p)), py = int(GetPibY(p));
        for (int cx = int(c->x) + dx, cy = int(c->y) + dy; IsOnBoard(cx, cy); cx += dx, cy += dy) {
            int cell = GetBoardCell(cx, cy);
            if (onFloor && cell != kFloor && cell != crossingDeck) break;
            if (cx == px && cy == py) return 1;
        }
    }
    return 0;
}

int CreatureAhead(Creature* c) {
    if (!CreatureAtJunction(c, 0)) return 0;
    int ax = int(c->x) + CreatureDirX(c), ay = int(c->y) + CreatureDirY(c);
    for (Creature* o = creatureList; o; o = o->next) {
        if (o != c && o->type == 0 && o->upper == c->upper && int(o->x) == ax && int(o->y) == ay) {
            return 1;
        }
    }
    return 0;
}

void StartCreatureAttack(Creature* c) {
    static const RobotAction kPoses[3] = {RobotWideEyePose, RobotSpinBowtiePose, RobotRestPose};
    static const int kDelays[3] = {0, 110, 220};
    c->state = kCreatureAttacking;
    c->attackCounter = 1;
    ScheduleRobotPoses(c->robot, 100, kPoses, kDelays, 3);
}

void ClimbCreature(Creature* c) { StepRamp(c, 1); }

void DescendCreature(Creature* c) { StepRamp(c, -1); }

void CheckCreatureCatch(Creature* c) {
    static const RobotAction kPoses[5] = {RobotWideEyePose, RobotSpinBowtiePose, RobotWideEyePose,
                                          RobotSpinBowtiePose, RobotRestPose};
    static const int kDelays[5] = {0, 66, 132, 198, 264};
    for (int p = 0; p < GetPlayerCount(); ++p) {
        if (IsPibUntouchable(p)) continue;
        if (Distance(GetPibX(p) - c->x, GetPibY(p) - c->y, GetPibZ(p) - c->z) < kCatchReach) {
            KillPib(p);
            c->biteCounter = 1;
            c->hasBitten = 1;
            ScheduleRobotPoses(c->robot, 60, kPoses, kDelays, 5);
            return;
        }
    }
}

int CreatureAtJunction(Creature* c, int randomised) {
    if (c->turnCooldown > 0) return 0;
    int cell = CellUnder(c);
    if (cell != kFloor && !IsRaised(cell)) return 0;
    double fx = c->x - int(c->x), fy = c->y - int(c->y);
    if (std::fabs(fx - 0.5) > 0.02 || std::fabs(fy - 0.5) > 0.02) return 0;
    return !randomised || RandomInRange(1, 2) < 1.05;
}

void DrawCreatures() {
    for (Creature* c = creatureList; c; c = c->next) {
        if (c->type != 0) continue;
        glPushMatrix();
        glTranslated(c->x, c->y, c->z + c->lift);
        TurnToHeading(c);
        glRotated(c->tilt, 1, 0, 0);
        glRotated(90, -1, 0, 0);
        glRotated(180, 0, 0, 1);
        DrawRobot(c->robot);
        glPopMatrix();
    }
}

void DrawMarkerQuad() {
    glBegin(GL_QUADS);
    glVertex3f(-0.25f, -0.25f, 0);
    glVertex3f(0.25f, -0.25f, 0);
    glVertex3f(0.25f, 0.25f, 0);
    glVertex3f(-0.25f, 0.25f, 0);
    glEnd();
}

void DrawCreatureMarkers(int frame, int period) {
    glColor4f(1, 1, 1, 0.5f);
    for (Creature* c = creatureList; c; c = c->next) {
        if (c->type != 0) continue;
        // A knocked-out creature's marker blinks.
        if (c->dead > 0 && frame < period / 2 - 1) continue;
        glPushMatrix();
        glTranslated(c->x, c->y, 0);
        TurnToHeading(c);
        DrawMarkerQuad();
        glPopMatrix();
    }
}
