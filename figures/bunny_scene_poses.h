// The Bunny's scene poses: the burning death set and its palace copies, the
// opening story's poses, the colour fades and the palace actors' poses, with
// the emitter actions the scenes and the death script schedule. Every pose
// and action takes the figure and a step count, so ScheduleBunnyAction can
// queue it. The in-game poses, the fall wobble and PlayBunnyDeathSequence are
// in figures/bunny_poses.h; the emitter shifts in figures/bunny.h.
#pragma once

struct Bunny;

// The death set.
void PoseFlinch(Bunny* bunny, int frames);
void PoseEyesWide(Bunny* bunny, int frames);
void PoseEarsForward(Bunny* bunny, int frames);
void PoseShudderA(Bunny* bunny, int frames);
void PoseShudderB(Bunny* bunny, int frames);
void PoseBurnTilt(Bunny* bunny, int frames);
void PoseBurnSpin1(Bunny* bunny, int frames);
void PoseBurnSpin2(Bunny* bunny, int frames);
void PoseBurnSpin3(Bunny* bunny, int frames);
void PoseBurnSpin4(Bunny* bunny, int frames);
void PoseBurnStagger(Bunny* bunny, int frames);
void PoseBurnSway(Bunny* bunny, int frames);
void PoseBurnCollapse(Bunny* bunny, int frames);

// The death set placed where the palace's burning actor stands.
void PoseShudderPalaceA(Bunny* bunny, int frames);
void PoseShudderPalaceB(Bunny* bunny, int frames);
void PoseBurnTiltPalace(Bunny* bunny, int frames);
void PoseBurnSpin1Palace(Bunny* bunny, int frames);
void PoseBurnStaggerPalace(Bunny* bunny, int frames);
void PoseBurnSwayPalace(Bunny* bunny, int frames);
void PoseBurnCollapsePalace(Bunny* bunny, int frames);

// The middle emitter: smoke rising from the head for a burst of frames
// updates, and back to fire at the chest (frames ignored).
void StartBunnyEmitter1Smoke(Bunny* bunny, int frames);
void RestoreBunnyEmitter1Fire(Bunny* bunny, int frames);
// The same for the opening's Bunny, whose emitters stand at its place.
void StartBunnyEmitter1SmokeOpening(Bunny* bunny, int frames);
void RestoreBunnyEmitter1FireB(Bunny* bunny, int frames);
void StopBunnyTrembling(Bunny* bunny);

// The colour fades: clothing, ear-back and fur RGB to one grey level.
void PoseFadeGrey(Bunny* bunny, int frames);
void PoseFadeGreyOutfit4(Bunny* bunny, int frames);  // and outfit 4 at once
void PoseFadeBlack(Bunny* bunny, int frames);

// The opening story: peeking, sliding, hopping, standing, waving.
void PosePeekHide(Bunny* bunny, int frames);
void PosePeekUp(Bunny* bunny, int frames);
void PosePeekTurnA(Bunny* bunny, int frames);
void PosePeekTurnB(Bunny* bunny, int frames);
void PoseOpeningLean(Bunny* bunny, int frames);
void PoseOpeningSlide(Bunny* bunny, int frames);
void PoseOpeningEarsBrows(Bunny* bunny, int frames);
void PoseOpeningEyesBack(Bunny* bunny, int frames);
void PoseOpeningEarsRest(Bunny* bunny, int frames);
void PoseOpeningSlideBack(Bunny* bunny, int frames);
void PoseHopGather(Bunny* bunny, int frames);
void PoseHopPush(Bunny* bunny, int frames);
void PoseHopFly(Bunny* bunny, int frames);
void PoseHopReach(Bunny* bunny, int frames);
void PoseHopLand(Bunny* bunny, int frames);
void PoseHopCrouchStart(Bunny* bunny, int frames);
void PoseHopLookA(Bunny* bunny, int frames);
void PoseHopLookB(Bunny* bunny, int frames);
void PoseHopHeadTilt(Bunny* bunny, int frames);
void PoseHopGather2(Bunny* bunny, int frames);
void PoseHopPush2(Bunny* bunny, int frames);
void PoseHopFly2(Bunny* bunny, int frames);
void PoseHopReach2(Bunny* bunny, int frames);
void PoseHopLand2(Bunny* bunny, int frames);
void PoseHopStandUp(Bunny* bunny, int frames);
void PoseOpeningStand(Bunny* bunny, int frames);
void PoseWaveUp(Bunny* bunny, int frames);
void PoseWaveDown(Bunny* bunny, int frames);
void PoseBrowRaise(Bunny* bunny, int frames);
void PoseSquint(Bunny* bunny, int frames);
void PoseHeadStraight(Bunny* bunny, int frames);

// The death set placed at the opening Bunny's standing place.
void PoseFlinchOpening(Bunny* bunny, int frames);
void PoseEyesWideOpening(Bunny* bunny, int frames);
void PoseEarsForwardOpening(Bunny* bunny, int frames);
void PoseShudderOpeningA(Bunny* bunny, int frames);
void PoseShudderOpeningB(Bunny* bunny, int frames);
void PoseBurnTiltOpening(Bunny* bunny, int frames);
void PoseBurnSpin1Opening(Bunny* bunny, int frames);
void PoseBurnSpin2Opening(Bunny* bunny, int frames);
void PoseBurnSpin3Opening(Bunny* bunny, int frames);
void PoseBurnSpin4Opening(Bunny* bunny, int frames);
void PoseBurnStaggerOpening(Bunny* bunny, int frames);
void PoseBurnSwayOpening(Bunny* bunny, int frames);
void PoseBurnCollapseOpening(Bunny* bunny, int frames);

// The palace actors: the lounge-wear actor (outfit 6), then the robed one (7).
void PosePalaceLoungeSeat(Bunny* bunny, int frames);
void PosePalaceLoungeTalk1(Bunny* bunny, int frames);
void PosePalaceLoungeTalk2(Bunny* bunny, int frames);
void PosePalaceLoungeTalk3(Bunny* bunny, int frames);
void PosePalaceLoungeTalk4(Bunny* bunny, int frames);
void PosePalaceLoungeLook(Bunny* bunny, int frames);
void PosePalaceLoungeBrows(Bunny* bunny, int frames);
void PosePalaceLoungeStand(Bunny* bunny, int frames);  // also shifts the emitters
void PosePalaceSeat(Bunny* bunny, int frames);
void PosePalaceRobeTalk1(Bunny* bunny, int frames);
void PosePalaceRobeTalk2(Bunny* bunny, int frames);
void PosePalaceRobeTalk3(Bunny* bunny, int frames);
void PosePalaceRobeTalk4(Bunny* bunny, int frames);
void PosePalaceRobeTalk5(Bunny* bunny, int frames);
void PosePalaceRobeTalk6(Bunny* bunny, int frames);
void PosePalaceRobeStep1(Bunny* bunny, int frames);
void PosePalaceRobeStep2(Bunny* bunny, int frames);
void PosePalaceRobeLook(Bunny* bunny, int frames);
void PosePalaceRobeBrows(Bunny* bunny, int frames);
void PosePalaceRobeNod(Bunny* bunny, int frames);
