// Drawing the board in fixed-function OpenGL: cells by floor type, the wall
// ring, poles, found gems and bands, and the flat markers of the minimap.
#pragma once

#include "support/view_steps.h"

struct GemSlot;
struct NurbsPatch;

// Called by the world load.
void LoadWorldTextures();
void BuildBoardLists();
// The board changed: the cached drawings of its cells are compiled again at
// the next drawing. Needs no GL context.
void ForgetBoardLists();
void ClearTexturingFlag();
void ResetGemSpin();

// Once per tick: the "0" key held switches texturing off.
void UpdateTexturingKey();
int IsTexturingOn();

// Once per player's view, inside its camera transform.
void DrawWorld();
// The parts of DrawWorld for several views a step at a time: the cells, the
// wall ring and the poles, the same in every view; the hole pads, turned by
// firstSpin in the first view and one degree more in each view after (each
// view's DrawGems turns the gems on by one). The found gems and the bands
// are drawn view by view.
void DrawFixedBoardInViews(const ViewSteps& views);
void DrawHolesInViews(const ViewSteps& views, int firstSpin);
void DrawFloor();
void DrawExterior();
void DrawPoles();
void DrawGems(int mapMode);
void DrawBands();

// The minimap's markers; the caller sets the band icons' colour.
void DrawPoleMarkers();
void DrawBandMapIcons();

// Cell and part models, each in a unit cube at the origin.
void DrawFreePole();
void DrawGemMapIcon(const GemSlot* gem);
void DrawBandObject(NurbsPatch* surface);

int GetGemSpin();
