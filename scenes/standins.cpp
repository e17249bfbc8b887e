// STAND-INS for the scenes, which are not built yet: each ends at once, so the
// flow goes straight on to the next state.
#include "scenes/opening.h"
#include "support/sgi_image.h"

namespace {
// The two opening-scene pictures that the title page shows as well.
unsigned whitePibTexture = 0;
unsigned finalTexture = 0;
}  // namespace

void LoadOpeningTextures() {
    whitePibTexture = LoadSgiTexture("whitepib.sgi");
    finalTexture = LoadSgiTexture("final3.sgi");
}
void StartOpeningScene() {}
int RunOpeningScript() { return 1; }
void DrawOpeningFrame(int, int) {}

unsigned GetWhitePibTexture() { return whitePibTexture; }
unsigned GetFinalTexture() { return finalTexture; }
