// The Bunny in a handful of poses that between them show every piece,
// drawn and held against pictures kept in tests/fixtures/bunny. The kept
// pictures came from the figure drawn one piece at a time; however the
// drawing is sent, the figure must look the same.
// PIB_WRITE_FIXTURES=1 writes the pictures afresh instead of comparing.
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "figures/bunny.h"
#include "figures/bunny_animation.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_poses.h"
#include "test_support.h"

namespace {

const int kSize = 128;

// What the camera frames: the whole figure, or the head close up.
struct Frame {
    float left, bottom, span;
};
const Frame kWhole{-1, -0.9f, 2};
const Frame kHead{-0.35f, -0.1f, 0.7f};
const Frame kLeftHand{-0.55f, -0.5f, 0.6f};
const Frame kUpsideDown{-1.3f, -1.5f, 2.6f};  // the somersault hangs its ears low

// A pose run to its end, or stopped part-way.
void Posed(Bunny* b, BunnyPose pose, int frames, int steps) {
    pose(b, frames);
    for (int i = 0; i < steps; ++i) TickBunnyAnimation(b);
}

void Rest(Bunny*) {}
// Firing with the right hand at full size; the left gun half grown.
void FiringWithGuns(Bunny* b) {
    Posed(b, PoseRightArmFire, 1, 1);
    b->field[kGunScale + 1] = 1;
    b->field[kGunScale] = 0.5f;
}
void MidSomersault(Bunny* b) { Posed(b, PoseFullFlip, 10, 5); }
// The collapse's left arm is set here by hand, so the picture holds
// whichever way the pose leaves that arm.
void BurntCollapsed(Bunny* b) {
    Posed(b, PoseBurnCollapse, 1, 1);
    BunnySideValue(b, 0, kBackarmY) = 18;
    BunnySideValue(b, 0, kBackarmZ) = -40;
    BunnySideValue(b, 0, kForearmY) = -6;
    BunnySideValue(b, 0, kForearmZ) = -8;
}
// Lenses over pupils of two sizes, the brows turned.
void Glasses(Bunny* b) {
    SetBunnyGlasses(b, 1);
    SetBunnyEyeball(b, 0, 0.09f, 0.03f, 0.12f);
    SetBunnyEyebrow(b, 1, 8, 30);
}
void FaceMark(Bunny* b) {
    SetBunnyWhiskers(b, 0);
    SetBunnyFaceMark(b, 1);
}
// The whiskers with the ears bent forward and back and a brow raised.
void WhiskersAndEars(Bunny* b) {
    SetBunnyEar(b, 0, 40, -10);
    SetBunnyEar(b, 1, -60, -40);
    SetBunnyEyebrow(b, 0, -12, 5);
}
// Caught mid-shake: the jitters as the last trembling frame left them.
void ShakenStill(Bunny* b) {
    b->trembleJitterY = 0.008f;
    b->trembleJitterXZ = -0.006f;
    SetBunnyHead(b, 10, -15, 5, 0.02f, 0.48f, 0.01f);
}
void FadedHalfway(Bunny* b) { Posed(b, PoseFadeGrey, 10, 5); }

struct PictureCase {
    const char* name;
    int outfit, shoes;
    void (*pose)(Bunny*);
    const Frame* frame;
    float turn;  // the view's turn about the vertical, degrees
};
const PictureCase kCases[] = {
    {"rest_bare_feet", 0, 0, Rest, &kWhole, 0},
    {"rest_from_behind_shoes", 1, 1, Rest, &kWhole, 160},  // the ears' backs, the heels
    {"firing_guns", 2, 1, FiringWithGuns, &kWhole, 35},
    {"half_grown_gun", 3, 0, FiringWithGuns, &kLeftHand, -70},
    {"mid_somersault", 3, 1, MidSomersault, &kUpsideDown, 70},
    {"burnt_collapsed", 3, 0, BurntCollapsed, &kWhole, -30},
    {"glasses", 1, 1, Glasses, &kHead, 20},
    {"face_mark", 2, 1, FaceMark, &kHead, -15},
    {"whiskers_ears", 0, 0, WhiskersAndEars, &kHead, -35},
    {"shaken", 6, 0, ShakenStill, &kWhole, 15},
    {"fade_halfway", 7, 0, FadedHalfway, &kWhole, -10},
};

// Lit from up, right and in front so that a wrong normal shows.
ReadBack Draw(Bunny* b, const Frame& frame, float turn) {
    const float lightFrom[3] = {0.4f, 0.5f, 1};
    LitSquareView(kSize, frame.left, frame.bottom, frame.span, lightFrom, 0.25f, 0.75f);
    glRotatef(turn, 0, 1, 0);
    DrawBunny(b);
    ReadBack shot = ReadBackBuffer(0, 0, kSize, kSize);
    for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D}) glDisable(cap);
    return shot;
}

TEST(BunnyPictures, EveryPieceLooksAsKept) {
    if (!EnsureGlContext()) GTEST_SKIP() << "no display";
    ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
    LoadBunnyTextures();
    for (const PictureCase& c : kCases) {
        Bunny* b = NewBunny(c.outfit, c.shoes);
        c.pose(b);
        b->trembling = 0;  // the jitters stay as the pose left them
        // Edges may fall a pixel the other way where a vertex lands on a
        // pixel's centre; a missing or misplaced piece costs far more.
        ExpectAsKept(Draw(b, *c.frame, c.turn), std::string("bunny/") + c.name, 40);
        DeleteBunny(b);
    }
}

}  // namespace
