// The Bunny's record: construction, outfits and their textures, flags, the
// joint accessors and the position dump.
#include "figures/bunny.h"

#include <GL/gl.h>

#include <cstdio>
#include <initializer_list>

#include "effects/emitter.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_record.h"
#include "support/helpers.h"
#include "support/sgi_image.h"

namespace {

// Fur, ear back, clothing; alpha 1 throughout.
const BunnyColorScheme kSchemes[8] = {
    {{0.9f, 0.5f, 0.5f, 1}, {0.8f, 0.4f, 0.4f, 1}, {0.8f, 0.8f, 0.8f, 1}},
    {{0.67f, 0.18f, 0.27f, 1}, {0.57f, 0.08f, 0.17f, 1}, {0.8f, 0.8f, 0.8f, 1}},
    {{0.7f, 0.7f, 0.7f, 1}, {0.6f, 0.6f, 0.6f, 1}, {0.8f, 0.8f, 0.8f, 1}},
    {{0.27f, 0.396f, 0.576f, 1}, {0.17f, 0.296f, 0.476f, 1}, {0.8f, 0.8f, 0.8f, 1}},
    {{0.1f, 0.1f, 0.1f, 1}, {0.1f, 0.1f, 0.1f, 1}, {0.1f, 0.1f, 0.1f, 1}},  // burnt
    {{1, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 1}},                               // protected blink
    {{0.5f, 0.5f, 0.5f, 1}, {0.4f, 0.4f, 0.4f, 1}, {1, 1, 1, 1}},             // lounge wear
    {{0.88f, 0.69f, 0.15f, 1}, {0.78f, 0.59f, 0.05f, 1}, {1, 1, 1, 1}},       // robe
};

// Where each emitter sits in the figure's frame, and how widely it sprays.
struct EmitterPlace {
    float x, y, z, spread;
};
const EmitterPlace kEmitterPlaces[3] = {
    {0, 0.4f, -0.15f, 0.16f},    // head
    {0, -0.07f, -0.15f, 0.2f},   // chest
    {0, -0.52f, -0.15f, 0.24f},  // legs
};

BunnyTextureSet textures;

// The texture names are handed out in this order ...
unsigned* const kNameOrder[] = {
    &textures.suit[0], &textures.vertical[0], &textures.horizontal[0],
    &textures.suit[1], &textures.vertical[1], &textures.horizontal[1],
    &textures.suit[2], &textures.vertical[2], &textures.horizontal[2],
    &textures.suit[3], &textures.vertical[3], &textures.horizontal[3],
    &textures.suit[6], &textures.vertical[6], &textures.horizontal[6],
    &textures.suit[7], &textures.vertical[7], &textures.horizontal[7],
    &textures.gunMouth, &textures.shoeSide, &textures.shoeLaces, &textures.shoeSole,
    &textures.lens,
};
constexpr int kTextureCount = int(sizeof kNameOrder / sizeof kNameOrder[0]);

// ... and filled from the images in this one. Outfit 6 uses one sleeve image
// for its legs and its arms, read twice into two textures.
struct TextureFile {
    unsigned* name;
    const char* file;
};
const TextureFile kTextureFiles[kTextureCount] = {
    {&textures.suit[0], "nobuttons.sgi"},
    {&textures.vertical[0], "vertical.sgi"},
    {&textures.horizontal[0], "horizontal.sgi"},
    {&textures.suit[1], "suit2.sgi"},
    {&textures.vertical[1], "vertical2.sgi"},
    {&textures.horizontal[1], "horizontal2.sgi"},
    {&textures.suit[2], "suit3.sgi"},
    {&textures.vertical[2], "vertical3.sgi"},
    {&textures.horizontal[2], "horizontal3.sgi"},
    {&textures.suit[3], "suit4.sgi"},
    {&textures.vertical[3], "vertical4.sgi"},
    {&textures.horizontal[3], "horizontal4.sgi"},
    {&textures.gunMouth, "gunmouth.sgi"},
    {&textures.shoeSide, "shoeside.sgi"},
    {&textures.shoeLaces, "shoelaces.sgi"},
    {&textures.shoeSole, "shoesole.sgi"},
    {&textures.suit[6], "blueloungewear.sgi"},
    {&textures.vertical[6], "blueloungewearsleeve.sgi"},
    {&textures.horizontal[6], "blueloungewearsleeve.sgi"},
    {&textures.lens, "spark.sgi"},
    {&textures.suit[7], "robe.sgi.1"},
    {&textures.vertical[7], "newrobevertical.sgi"},
    {&textures.horizontal[7], "newrobehorizontal.sgi"},
};

bool ValidSide(int side, const char* who) {
    if (side == 0 || side == 1) return true;
    std::printf("%s: there is no side %d: sides are 0 (left) and 1 (right)\n", who, side);
    return false;
}

// Stores (or adds) values into consecutive fields from first on.
void WriteFields(Bunny* bunny, int first, std::initializer_list<float> values, bool add) {
    float* f = &bunny->field[first];
    for (float v : values) {
        *f = add ? *f + v : v;
        ++f;
    }
}

void WriteSide(Bunny* bunny, int side, int first, std::initializer_list<float> values, bool add,
               const char* who) {
    if (!ValidSide(side, who)) return;
    WriteFields(bunny, first + side * kBunnySideFieldCount, values, add);
}

void CopyColor(float* to, const float* from) {
    for (int c = 0; c < 4; ++c) to[c] = from[c];
}

// The dump's groups: a part and the names of its consecutive fields; a sided
// part is written for the left side, then the right.
struct PrintGroup {
    const char* part;
    bool sided;
    int first;
    std::initializer_list<const char*> names;
};

const PrintGroup kPrintGroups[] = {
    {"ear", true, kEarBend, {"bend", "rotate"}},
    {"eyeball", true, kEyeballRadius, {"radius", "Xcor", "Ycor"}},
    {"eyebrow", true, kEyebrowAngle, {"angle", "orientation"}},
    {"Body", false, kBodyAngleX,
     {"angle X", "angle Y", "angle Z", "position X", "position Y", "position Z"}},
    {"Head", false, kHeadAngleX,
     {"angle X", "angle Y", "angle Z", "position X", "position Y", "position Z"}},
    {"backarm", true, kBackarmX, {"angle X", "angle Y", "angle Z", "dimension"}},
    {"forearm", true, kForearmX, {"angle X", "angle Y", "angle Z", "dimension"}},
    {"hand", true, kHandX, {"angle X", "angle Y", "angle Z", "dimension"}},
    {"upperleg", true, kUpperlegX, {"angle X", "angle Y", "angle Z"}},
    {"lowerleg", true, kLowerlegX, {"angle X", "angle Y", "angle Z"}},
    {"foot", true, kFootX, {"angle X", "angle Y", "angle Z"}},
};

void PrintGroupFields(FILE* out, const Bunny* bunny, const PrintGroup& g) {
    static const char* const kSideWord[2] = {"Left", "Right"};
    for (int side = 0; side < (g.sided ? 2 : 1); ++side) {
        int f = g.first + (g.sided ? side * kBunnySideFieldCount : 0);
        for (const char* name : g.names) {
            if (g.sided) std::fprintf(out, "%s %s ", kSideWord[side], g.part);
            else std::fprintf(out, "%s ", g.part);
            std::fprintf(out, "%s: %g\n", name, double(bunny->field[f++]));
        }
    }
}

}  // namespace

const BunnyTextureSet& GetBunnyTextures() { return textures; }

const BunnyColorScheme* GetBunnyColorScheme(int outfit) {
    if (outfit >= 0 && outfit < 8) return &kSchemes[outfit];
    std::printf("There is no outfit %d: outfits are 0 to 7\n", outfit);
    return nullptr;
}

// The tables are constant data, ready before any figure is made; the scenes
// call this at their set-up all the same.
void InitBunnyColorSchemes() {}

// Once: a second call would only make the same textures again.
void LoadBunnyTextures() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    GLuint names[kTextureCount];
    glGenTextures(kTextureCount, names);
    for (int i = 0; i < kTextureCount; ++i) *kNameOrder[i] = names[i];
    for (const TextureFile& t : kTextureFiles) LoadSgiTextureInto(*t.name, t.file);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    InitBunnyColorSchemes();
}

Bunny* NewBunny(int outfit, int shoes) {
    if (!GetBunnyColorScheme(outfit)) {
        std::printf("NewBunny: using outfit 0\n");
        outfit = 0;
    }
    SeedRandom();
    Bunny* b = new Bunny();  // jitters, lists, flags and stance all start at 0
    const float* rest = BunnyLayout().rest;
    for (int f = 0; f < kBunnyPoseFieldCount; ++f) b->field[f] = rest[f];
    b->gunFlag[0] = b->gunFlag[1] = 1;
    b->field[kGunScale] = b->field[kGunScale + 1] = 0;
    SetBunnyColorScheme(b, outfit);
    LoadParticleTextures();
    for (int i = 0; i < 3; ++i) {
        const EmitterPlace& p = kEmitterPlaces[i];
        b->emitters[i] = {CreateEmitter(p.x, p.y, p.z, p.spread), 1, 0};
    }
    b->shoes = shoes;
    b->whiskers = 1;
    return b;
}

void DeleteBunny(Bunny* bunny) {
    if (!bunny) return;
    ClearBunnyAnimation(bunny);
    for (BunnyEmitterSlot& slot : bunny->emitters)
        if (slot.emitter) DeleteEmitter(slot.emitter);
    delete bunny;
}

void SetBunnyColorScheme(Bunny* bunny, int scheme) {
    const BunnyColorScheme* colors = GetBunnyColorScheme(scheme);
    if (!colors) return;
    bunny->outfit = scheme;
    CopyColor(&bunny->field[kFurR], colors->fur);
    CopyColor(&bunny->field[kEarBackR], colors->earBack);
    CopyColor(&bunny->field[kClothingR], colors->clothing);
}

void SetBunnyOutfit4(Bunny* bunny) { SetBunnyColorScheme(bunny, 4); }

void SetBunnyGlasses(Bunny* bunny, int on) { bunny->glasses = on; }
void SetBunnyWhiskers(Bunny* bunny, int on) { bunny->whiskers = on; }
void SetBunnyFaceMark(Bunny* bunny, int on) { bunny->faceMark = on; }
void SetBunnyTrembling(Bunny* bunny, int on) { bunny->trembling = on; }

void SetBunnyGunFlag(Bunny* bunny, int hand, int on) {
    if (ValidSide(hand, "SetBunnyGunFlag")) bunny->gunFlag[hand] = on;
}

int BunnyHandHasGun(Bunny* bunny, int hand) {
    if (!ValidSide(hand, "BunnyHandHasGun")) return 0;
    return bunny->gunFlag[hand] && bunny->field[kGunScale + hand] > 0;
}

void SetBunnyEar(Bunny* b, int side, float bend, float rotate) {
    WriteSide(b, side, kEarBend, {bend, rotate}, false, "SetBunnyEar");
}
void NudgeBunnyEar(Bunny* b, int side, float bend, float rotate) {
    WriteSide(b, side, kEarBend, {bend, rotate}, true, "NudgeBunnyEar");
}
void SetBunnyEyebrow(Bunny* b, int side, float angle, float orientation) {
    WriteSide(b, side, kEyebrowAngle, {angle, orientation}, false, "SetBunnyEyebrow");
}
void NudgeBunnyEyebrow(Bunny* b, int side, float angle, float orientation) {
    WriteSide(b, side, kEyebrowAngle, {angle, orientation}, true, "NudgeBunnyEyebrow");
}
void SetBunnyEyeball(Bunny* b, int side, float radius, float xcor, float ycor) {
    WriteSide(b, side, kEyeballRadius, {radius, xcor, ycor}, false, "SetBunnyEyeball");
}
void NudgeBunnyEyeball(Bunny* b, int side, float radius, float xcor, float ycor) {
    WriteSide(b, side, kEyeballRadius, {radius, xcor, ycor}, true, "NudgeBunnyEyeball");
}
void SetBunnyHead(Bunny* b, float ax, float ay, float az, float px, float py, float pz) {
    WriteFields(b, kHeadAngleX, {ax, ay, az, px, py, pz}, false);
}
void NudgeBunnyHead(Bunny* b, float ax, float ay, float az, float px, float py, float pz) {
    WriteFields(b, kHeadAngleX, {ax, ay, az, px, py, pz}, true);
}
void SetBunnyBody(Bunny* b, float ax, float ay, float az, float px, float py, float pz) {
    WriteFields(b, kBodyAngleX, {ax, ay, az, px, py, pz}, false);
}
void NudgeBunnyBody(Bunny* b, float ax, float ay, float az, float px, float py, float pz) {
    WriteFields(b, kBodyAngleX, {ax, ay, az, px, py, pz}, true);
}
// The arm accessors move the angles only; the dimensions stay.
void SetBunnyBackarm(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kBackarmX, {x, y, z}, false, "SetBunnyBackarm");
}
void NudgeBunnyBackarm(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kBackarmX, {x, y, z}, true, "NudgeBunnyBackarm");
}
void SetBunnyForearm(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kForearmX, {x, y, z}, false, "SetBunnyForearm");
}
void NudgeBunnyForearm(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kForearmX, {x, y, z}, true, "NudgeBunnyForearm");
}
void SetBunnyHand(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kHandX, {x, y, z}, false, "SetBunnyHand");
}
void NudgeBunnyHand(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kHandX, {x, y, z}, true, "NudgeBunnyHand");
}
void SetBunnyUpperleg(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kUpperlegX, {x, y, z}, false, "SetBunnyUpperleg");
}
void NudgeBunnyUpperleg(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kUpperlegX, {x, y, z}, true, "NudgeBunnyUpperleg");
}
void SetBunnyLowerleg(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kLowerlegX, {x, y, z}, false, "SetBunnyLowerleg");
}
void NudgeBunnyLowerleg(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kLowerlegX, {x, y, z}, true, "NudgeBunnyLowerleg");
}
void SetBunnyFoot(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kFootX, {x, y, z}, false, "SetBunnyFoot");
}
void NudgeBunnyFoot(Bunny* b, int side, float x, float y, float z) {
    WriteSide(b, side, kFootX, {x, y, z}, true, "NudgeBunnyFoot");
}

void PrintBunnyPosition(Bunny* bunny) {
    FILE* out = std::fopen("Bunny Position Data", "w");
    if (!out) {
        std::printf("Could not write Bunny Position Data\n");
        return;
    }
    bool first = true;
    for (const PrintGroup& g : kPrintGroups) {
        if (!first) std::fputc('\n', out);
        first = false;
        PrintGroupFields(out, bunny, g);
    }
    std::fclose(out);
}
