// One tick of a pib: energy, deaths and falls, the figure's poses for turning,
// ramps, bridges, the edge and firing, and then the walk itself.
#include <cmath>
#include <initializer_list>

#include "core/keys.h"
#include "effects/spark_emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "players/pib.h"
#include "players/pib_movement.h"
#include "players/pib_record.h"
#include "players/shots.h"
#include "sound/sound.h"
#include "world/board.h"
#include "world/gems_bands.h"

namespace {

const int kFallLength = 1500;
const int kSpawnProtection = 1000;

// What one tick needs besides the record: the cells under and ahead of the
// pib before it moves, and the time unit of its speed.
struct Tick {
    Pib* pib;
    int p;
    int cellHere;
    int cellAhead;
    double u;  // 1 at the normal speed; durations scale with it
    int armsChanged;
};

// Every duration is given at the normal speed and scaled by the pib's own.
int Frames(const Tick& t, double k) { return int(k * t.u); }

void Schedule(const Tick& t, BunnyPose pose, double frames, double delay) {
    ScheduleBunnyAction(pose, t.pib->model, Frames(t, frames), Frames(t, delay));
}

void Cancel(const Tick& t, std::initializer_list<int> kinds) {
    for (int kind : kinds) CancelBunnyKind(t.pib->model, kind);
}

int IsUnderBridge(const Tick& t) {
    return !t.pib->upper && (t.cellHere == 6 || t.cellHere == 7);
}

// A bridge cell that a pib heading in dir crosses under its deck.
int IsBridgeCrossedUnder(int cell, int dir) {
    return (cell == 6 && (dir == 0 || dir == 2)) || (cell == 7 && (dir == 1 || dir == 3));
}

// The two hands: which fields, kinds and poses belong to each side.
struct ArmSide {
    int Pib::*keyDown;
    int Pib::*armOut;
    int Pib::*gunUp;
    int hand;  // for SetBunnyGunFlag
    int raiseKind, fireKind, restKind, outKind, backKind;
    BunnyPose raise, fire, rest, out, back;
};

const ArmSide kRightArm = {&Pib::rightKeyDown, &Pib::rightArmOut, &Pib::rightGunUp, 1,
                           19, 20, 12, 2, 3,
                           PoseRightArmRaise, PoseRightArmFire, PoseRightArmRest,
                           PoseRightArmOut, PoseRightArmBack};
const ArmSide kLeftArm = {&Pib::leftKeyDown, &Pib::leftArmOut, &Pib::leftGunUp, 0,
                          21, 22, 13, 4, 5,
                          PoseLeftArmRaise, PoseLeftArmFire, PoseLeftArmRest,
                          PoseLeftArmOut, PoseLeftArmBack};

// Counts a running timer on; answers 1 in the tick it runs out.
int RunTimer(int& timer, double limit) {
    if (timer <= 0) return 0;
    timer++;
    if (timer < limit) return 0;
    timer = 0;
    return 1;
}

// The figure drops whatever it was doing and the sparks go out.
void StopForDeath(Pib& pib) {
    ClearBunnyAnimation(pib.model);
    SetSparkEmitterActive(pib.sparksA, 0);
    SetSparkEmitterActive(pib.sparksB, 0);
}

// A death or fall of `length` ticks begins; its poses are already queued.
void BeginDying(Pib& pib, int length) {
    pib.dyingLength = length;
    pib.dying = 1;
    pib.energy = 0;
    pib.spawnCounter = 1;
    TickBunnyAnimation(pib.model);
    UpdateBunnyEmitters(pib.model);
}

void Burn(Tick& t) {
    Pib& pib = *t.pib;
    StopForDeath(pib);
    BeginDying(pib, PlayBunnyDeathSequence(pib.model, 5.0f));
}

void Fall(Tick& t) {
    Pib& pib = *t.pib;
    StopForDeath(pib);
    pib.falling = 1;
    QueueFallWobble(t.p);
    BeginDying(pib, kFallLength);
}

// Starts a burning death or a fall when one is due; answers 1 if it did.
int StartDeathIfDue(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.dying) return 0;
    if (pib.energy <= 0) {
        Burn(t);
        return 1;
    }
    if (pib.killed) {
        Burn(t);
        pib.killed = 0;
        return 1;
    }
    if (pib.turnState == kWalkingStraight && IsOverHole(t.p)) {
        Fall(t);
        return 1;
    }
    return 0;
}

void PlayOutDeath(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.dying == 1) PlayDeath();
    pib.dying++;
    if (pib.dying > pib.dyingLength) {
        RespawnPib(t.p);
        pib.dying = 0;
        pib.falling = 0;
    }
    TickBunnyAnimation(pib.model);
    UpdateBunnyEmitters(pib.model);
}

void EndTurnIfSwung(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.turnState == kWalkingStraight || pib.speed * 200 + pib.turnAngle < 90) return;
    EndPibTurn(t.p);
    Cancel(t, {7, 6});
    if (pib.duckTimer == 0 && !IsUnderBridge(t)) Schedule(t, PoseWalk, 50, 0);
    pib.turnEndTimer++;
}

void RunTimers(Tick& t) {
    Pib& pib = *t.pib;
    RunTimer(pib.turnEndTimer, 10 * t.u);
    RunTimer(pib.climbTimer, 450 * t.u);
    RunTimer(pib.descendTimer, 350 * t.u);
    RunTimer(pib.duckTimer, 250 * t.u);
    if (RunTimer(pib.flipTimer, 300 * t.u)) pib.flipping = 0;
    if (pib.bumpTimer == 1) PlayHitWall();
    if (RunTimer(pib.bumpTimer, 60 * t.u)) SetBunnyTrembling(pib.model, 0);
    if (RunTimer(pib.fireTimer, 200 * t.u)) pib.fireLatch = 0;
}

void ReadTurnKeys(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.turnState != kWalkingStraight) return;
    pib.rightKeyDown = IsKeyDown(pib.keyRight);
    pib.leftKeyDown = IsKeyDown(pib.keyLeft);
}

// A held turn key raises that side's arm as a signal; a raised gun in that
// hand comes down first, which ends the fire cycle.
void SignalWithArm(Tick& t, const ArmSide& side) {
    Pib& pib = *t.pib;
    if (pib.*side.keyDown && !(pib.*side.armOut) &&
        (pib.flipTimer == 0 || pib.flipTimer > 250 * t.u)) {
        if (pib.*side.gunUp) {
            Cancel(t, {side.raiseKind, side.fireKind, side.restKind});
            SetBunnyGunFlag(pib.model, side.hand, 0);
            ScheduleBunnyAction(side.rest, pib.model, 1, 0);
            pib.*side.gunUp = 0;
            pib.fireTimer = 0;
            pib.fireLatch = 0;
        }
        Cancel(t, {side.backKind});
        // The signal waits two ticks after the key.
        ScheduleBunnyAction(side.out, pib.model, Frames(t, 20), 2);
        pib.*side.armOut = 1;
        t.armsChanged = 1;
    } else if (!(pib.*side.keyDown) && pib.*side.armOut) {
        Cancel(t, {side.outKind});
        Schedule(t, side.back, 20, 0);
        pib.*side.armOut = 0;
        t.armsChanged = 1;
    }
}

// Near the end of a somersault the arms go back to what the signals say.
void RestoreArmsAfterFlip(Tick& t) {
    Pib& pib = *t.pib;
    if (t.armsChanged || pib.flipTimer != int(std::floor(249 * t.u))) return;
    if (!pib.rightArmOut) Schedule(t, PoseRightArmBack, 20, 0);
    if (!pib.leftArmOut) Schedule(t, PoseLeftArmBack, 20, 0);
    if (pib.rightArmOut) Schedule(t, PoseRightArmOut, 20, 0);
    if (pib.leftArmOut) Schedule(t, PoseLeftArmOut, 20, 0);
}

void SomersaultAtEdge(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.turnState != kWalkingStraight || pib.flipping || pib.turnEndTimer) return;
    if (t.cellAhead != 9 && t.cellAhead != -1) return;
    if (IsUnderBridge(t)) return;
    if (!IsPibMoveBlocked(pib.dir, GetPibNextTileX(t.p), GetPibNextTileY(t.p), pib.upper))
        return;
    Schedule(t, PoseJump, 50, 100);
    Schedule(t, PoseHalfFlip, 50, 150);
    Schedule(t, PoseFullFlip, 50, 200);
    Schedule(t, PoseStandUp, 50, 250);
    pib.flipping = 1;
    pib.flipTimer++;
}

int MayReactToCellAhead(const Pib& pib) {
    return pib.turnState == kWalkingStraight && pib.turnEndTimer == 0;
}

void ClimbAndDescend(Tick& t) {
    Pib& pib = *t.pib;
    if (MayReactToCellAhead(pib) && !pib.climbing && t.cellAhead == RampRisingToward(pib.dir)) {
        pib.climbing = 1;
        Schedule(t, PoseClimbLean, 100, 150);
        Schedule(t, PoseStandUp, 100, 350);
        pib.climbTimer++;
    }
    if (pib.climbing && (t.cellHere == 5 || t.cellHere == 6 || t.cellHere == 7))
        pib.climbing = 0;
    if (MayReactToCellAhead(pib) && !pib.descending && pib.upper &&
        t.cellAhead == RampFallingToward(pib.dir)) {
        pib.descending = 1;
        Schedule(t, PoseDescendLean, 100, 150);
        Schedule(t, PoseStandUp, 100, 250);
        pib.descendTimer++;
    }
    if (pib.descending && (t.cellHere == 0 || t.cellHere == 10)) pib.descending = 0;
}

// A turn whose arc passes under a bridge at the pole's corner.
int TurnsUnderBridge(const Tick& t) {
    const Pib& pib = *t.pib;
    int to = pib.turnToDir & 3;
    int px = int(pib.poleX), py = int(pib.poleY);
    int next = GetBoardCell(int(pib.x) + kDirStepX[to], int(pib.y) + kDirStepY[to]);
    int corner;
    if (to < 2)
        corner = GetBoardCell(px, py) == (to == 0 ? 6 : 7);
    else
        corner = GetBoardCell(px - 1, py - 1) == (to == 2 ? 6 : 7);
    return corner && IsBridgeCrossedUnder(next, to);
}

void Duck(Tick& t) {
    Pib& pib = *t.pib;
    if (MayReactToCellAhead(pib) && !pib.ducking && !pib.upper &&
        IsBridgeCrossedUnder(t.cellAhead, pib.dir)) {
        pib.ducking = 1;
        Cancel(t, {23, 24, 14});
        Schedule(t, PoseDuck, 100, 50);
        pib.duckTimer = 1;
    }
    if (pib.turnState != kWalkingStraight && !pib.ducking && !pib.upper && TurnsUnderBridge(t)) {
        int left = pib.turnState == kTurningLeft;
        Cancel(t, {left ? 6 : 7});
        pib.ducking = 1;
        Cancel(t, {11});
        Schedule(t, left ? PoseDuckLeanLeft : PoseDuckLeanRight, 100, 0);
        pib.duckTimer = 1;
    }
    if (pib.ducking && pib.duckTimer == 0 && (t.cellHere == 0 || t.cellHere == 10)) {
        Schedule(t, PoseStandUp, 50, 0);
        pib.ducking = 0;
    }
}

void RaiseGun(Tick& t, const ArmSide& side) {
    Pib& pib = *t.pib;
    Schedule(t, side.raise, 20, 0);
    pib.*side.gunUp = 1;
    Schedule(t, side.fire, 40, 20);
    SetBunnyGunFlag(pib.model, side.hand, 1);
}

// Brings down whichever gun is raised, the left one first.
void LowerRaisedGun(Tick& t, int frames, int restDelay) {
    Pib& pib = *t.pib;
    const ArmSide* side = pib.leftGunUp ? &kLeftArm : pib.rightGunUp ? &kRightArm : nullptr;
    if (!side) return;
    ScheduleBunnyAction(side->raise, pib.model, frames, 0);
    ScheduleBunnyAction(side->rest, pib.model, frames, restDelay);
    pib.*side->gunUp = 0;
}

// The gun goes up while a fire cycle runs and comes down after it; the left
// hand takes it unless its arm is signalling.
void MoveGunArm(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.fireLatch && !pib.leftGunUp && !pib.rightGunUp && pib.flipTimer == 0) {
        if (!pib.leftKeyDown) {
            Cancel(t, {kLeftArm.restKind});
            RaiseGun(t, kLeftArm);
        } else {
            if (!pib.rightKeyDown) Cancel(t, {kRightArm.restKind});
            RaiseGun(t, kRightArm);
        }
    }
    if (!pib.fireLatch) LowerRaisedGun(t, Frames(t, 20), Frames(t, 20));
}

void FireFromGun(Tick& t) {
    Pib& pib = *t.pib;
    double ox = 0, oy = 0;
    if (pib.turnState == kWalkingStraight) {
        // Beside the raised left gun, else on the right side.
        int leftDir = (pib.dir + 3) % 4;
        double side = pib.leftGunUp ? 0.1 : -0.1;
        ox = side * kDirStepX[leftDir];
        oy = side * kDirStepY[leftDir];
    }
    FireShot(GetPibX(t.p) + ox, GetPibY(t.p) + oy, GetPibZ(t.p), GetPibDirCos(t.p),
             GetPibDirSin(t.p), GetPibSlope(t.p), 0.025, 200.0, 24.0, t.p);
    PlayLaser();
    if (pib.flipTimer == 0 && !pib.ducking && !IsUnderBridge(t) && pib.climbTimer <= 150 * t.u &&
        pib.descendTimer <= 150 * t.u && pib.turnState == kWalkingStraight) {
        Schedule(t, PoseRecoil, 30, 0);
        Schedule(t, PoseRecoilBack, 20, 30);
    }
    pib.fireTimer = 1;
    pib.fireHeld = 1;
    pib.fireLatch = 1;
}

// One shot per press of the fire key, and no more than one per 50 ticks.
void HandleFireKey(Tick& t) {
    Pib& pib = *t.pib;
    if (!IsKeyDown(pib.keyFire)) {
        pib.fireHeld = 0;
        return;
    }
    if ((pib.fireTimer == 0 || pib.fireTimer > 50 * t.u) && !pib.fireHeld) FireFromGun(t);
}

// A somersault throws the gun arm down at once: one frame, two ticks apart,
// whatever the speed.
void LowerGunForFlip(Tick& t) {
    if (t.pib->flipTimer > 90 * t.u) LowerRaisedGun(t, 1, 2);
}

// A turn breaks off a somersault.
void BreakOffFlip(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.flipTimer == 0) return;
    Cancel(t, {16, 17, 18, 14});
    pib.flipping = 0;
    pib.flipTimer = 0;
}

// Leans into a turn and starts it.
void LeanIntoTurn(Tick& t, std::initializer_list<int> kinds, BunnyPose lean,
                  void (*start)(int)) {
    Cancel(t, kinds);
    BreakOffFlip(t);
    if (!t.pib->ducking && !t.pib->duckTimer) Schedule(t, lean, 20, 0);
    start(t.p);
}

void StartTurns(Tick& t) {
    if (t.pib->turnState != kWalkingStraight) return;
    if (ShouldTurnLeft(t.p)) LeanIntoTurn(t, {7, 8, 24, 9, 23}, PoseLeanLeft, StartTurnLeft);
    // Checked after a left start too, so with both keys held right wins.
    if (ShouldTurnRight(t.p)) LeanIntoTurn(t, {8, 6, 9, 24, 23}, PoseLeanRight, StartTurnRight);
}

void Move(Tick& t) {
    Pib& pib = *t.pib;
    if (pib.turnState != kWalkingStraight)
        StepPibTurn(t.p);
    else
        StepPibStraight(t.p);
    UpdatePibHeight(t.p);
    if (pib.skipSparkPlacement)
        pib.skipSparkPlacement = 0;
    else
        PlacePibSparks(t.p);
    float aimX = float(GetPibDirCos(t.p) * 0.025 / pib.speed);
    float aimY = float(GetPibDirSin(t.p) * 0.025 / pib.speed);
    SetSparkEmitterAim(pib.sparksA, aimX, aimY);
    SetSparkEmitterAim(pib.sparksB, aimX, aimY);
}

}  // namespace

void QueueFallWobble(int p) {
    Pib* pib = FindPib(p);
    if (!pib) return;
    // The flailing quickens halfway: eight slow swings, then eight fast ones.
    int delay = 0;
    for (int i = 0; i < 16; i++) {
        int frames = i < 8 ? 125 : 62;
        ScheduleBunnyAction(i % 2 == 0 ? PoseFallWobbleA : PoseFallWobbleB, pib->model, frames,
                            delay);
        delay += frames;
    }
}

void UpdatePib(int p) {
    Pib* pib = FindPib(p);
    // A pib that is out stays where it ended: updating it would only burn it
    // again and replay the death sound before the game screen ends the game.
    if (!pib || pib->out) return;
    Tick t = {pib, p, GetBoardCell(int(pib->x), int(pib->y)),
              GetCellAhead(int(pib->x), int(pib->y), p), 0.005 / pib->speed, 0};
    if (pib->spawnCounter > 0 && ++pib->spawnCounter > kSpawnProtection) pib->spawnCounter = 0;
    pib->energy -= pib->drain;
    if (StartDeathIfDue(t)) return;
    if (pib->dying) {
        PlayOutDeath(t);
        return;
    }
    EndTurnIfSwung(t);
    RunTimers(t);
    ReadTurnKeys(t);
    SignalWithArm(t, kRightArm);
    SignalWithArm(t, kLeftArm);
    RestoreArmsAfterFlip(t);
    SomersaultAtEdge(t);
    ClimbAndDescend(t);
    Duck(t);
    MoveGunArm(t);
    HandleFireKey(t);
    LowerGunForFlip(t);
    StartTurns(t);
    DiscoverGems(p);
    TickBunnyAnimation(pib->model);
    UpdateBunnyEmitters(pib->model);
    if (pib->turnState == kWalkingStraight && pib->turnEndTimer == 0) PlaceBand(p);
    Move(t);
}
