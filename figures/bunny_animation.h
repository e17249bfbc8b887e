// A figure's tween and delayed-action queues.
#pragma once

struct Bunny;

typedef void (*BunnyPose)(Bunny* bunny, int frames);

void TickBunnyAnimation(Bunny* bunny);
// With delay 0 the pose runs at once; otherwise it waits that many steps.
void ScheduleBunnyAction(BunnyPose action, Bunny* bunny, int frames, int delay);
void ClearBunnyAnimation(Bunny* bunny);
void CancelBunnyKind(Bunny* bunny, int kind);
