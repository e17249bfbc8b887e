// The Bunny in poses, views and callers' states that between them show every
// piece, drawn and held against pictures kept in tests/fixtures/bunny. The kept
// pictures came from the figure drawn one piece at a time; however the
// drawing is sent, the figure must look the same.
// PIB_WRITE_FIXTURES=1 writes the pictures afresh instead of comparing.
#include <GL/glu.h>
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

// What the camera frames: the whole figure, or the head close up; or, from
// an eye in the figure's frame, the view toward another point.
struct Frame {
    float left, bottom, span;
    bool fromEye = false;
    float eye[3] = {}, at[3] = {};
};
const Frame kWhole{-1, -0.9f, 2};
const Frame kHead{-0.35f, -0.1f, 0.7f};
const Frame kLeftHand{-0.55f, -0.5f, 0.6f};
const Frame kUpsideDown{-1.3f, -1.5f, 2.6f};  // the somersault hangs its ears low
// The near plane puts these eyes inside the figure: its inside must show.
const Frame kInsideHeadLookingOut{0, 0, 0, true, {0, 0.45f, 0}, {0, 0.45f, 1}};
const Frame kInsideHeadLookingBack{0, 0, 0, true, {0.02f, 0.47f, 0.05f}, {0, 0.4f, -1}};
const Frame kInsideBodyLookingDown{0, 0, 0, true, {0, -0.3f, 0}, {0.3f, -0.5f, 0.5f}};
const Frame kAtTheNose{0, 0, 0, true, {0.03f, 0.36f, 0.27f}, {0, 0.3f, -1}};

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
// Glasses and the face mark, the arms out so that the right one covers
// the lenses' edge from the side.
void Everything(Bunny* b) {
    Glasses(b);
    SetBunnyFaceMark(b, 1);
    SetBunnyBackarm(b, 0, 0, 30, 60);
    SetBunnyBackarm(b, 1, 0, -20, -50);
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

// A square drawn right after the figure with only its normal: it shows the
// texture, texture coordinate and material the figure leaves.
void SquareAfter() {
    glNormal3f(0, 0, 1);
    glTranslatef(0, 0, 2);
    glRectf(-0.95f, -0.85f, -0.55f, -0.45f);
}

// Pixels a picture may have off: where an edge lands on a pixel's centre,
// the CPU's rounding can put that pixel on its other side.
const int kEdgePixels = 6;

struct PictureCase {
    const char* name;
    int outfit, shoes;
    void (*pose)(Bunny*);
    const Frame* frame;
    float turn;  // the view's turn about the vertical, degrees
    GLint callersMode = GL_MODULATE;  // the texture environment the caller leaves
    void (*after)() = nullptr;        // drawn right after the figure
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
    {"face_mark_side", 2, 1, FaceMark, &kHead, 100},  // the mark stands out past the head
    {"face_mark_behind", 2, 1, FaceMark, &kHead, 200},
    {"whiskers_ears", 0, 0, WhiskersAndEars, &kHead, -35},
    {"shaken", 6, 0, ShakenStill, &kWhole, 15},
    {"fade_halfway", 7, 0, FadedHalfway, &kWhole, -10},
    // After a caller in decal (as a Robot leaves it): the clothes, the lenses
    // and the left limbs take it, the right limbs modulate after the shoe.
    {"after_decal", 1, 1, Everything, &kWhole, 25, GL_DECAL},
    {"after_decal_side", 1, 1, Everything, &kHead, -80, GL_DECAL},
    {"after_decal_bare_feet", 7, 0, Everything, &kWhole, 25, GL_DECAL},
    {"square_after_shoes", 1, 1, Rest, &kWhole, 20, GL_MODULATE, SquareAfter},
    {"square_after_bare_feet", 0, 0, Rest, &kWhole, 20, GL_DECAL, SquareAfter},
    {"inside_head_looking_out", 2, 1, Everything, &kInsideHeadLookingOut, 0},
    {"inside_head_looking_back", 2, 1, Everything, &kInsideHeadLookingBack, 0},
    {"inside_body_looking_down", 2, 1, Everything, &kInsideBodyLookingDown, 0},
    {"at_the_nose", 2, 1, Everything, &kAtTheNose, 0},
};

// Lit from up, right and in front so that a wrong normal shows.
ReadBack Draw(Bunny* b, const PictureCase& c) {
    const Frame& frame = *c.frame;
    const float lightFrom[3] = {0.4f, 0.5f, 1};
    // From an eye the square only places the light (the perspective replaces
    // it), yet it must be one that GL takes.
    const Frame& square = frame.fromEye ? kWhole : frame;
    LitSquareView(kSize, square.left, square.bottom, square.span, lightFrom, 0.25f, 0.75f);
    if (frame.fromEye) {
        PerspectiveView(0, 0, kSize, kSize, 70, 50);
        gluLookAt(frame.eye[0], frame.eye[1], frame.eye[2], frame.at[0], frame.at[1], frame.at[2], 0, 1, 0);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, c.callersMode);
    glPushMatrix();
    glRotatef(c.turn, 0, 1, 0);
    DrawBunny(b);
    glPopMatrix();
    if (c.after) c.after();
    ReadBack shot = ReadBackBuffer(0, 0, kSize, kSize);
    for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D}) glDisable(cap);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return shot;
}

TEST(BunnyPictures, EveryPieceLooksAsKept) {
    if (!StartFromGlDefaults()) GTEST_SKIP() << "no display";
    ASSERT_EQ(chdir(PIB_DATA_DIR), 0);
    LoadBunnyTextures();
    for (const PictureCase& c : kCases) {
        Bunny* b = NewBunny(c.outfit, c.shoes);
        c.pose(b);
        b->trembling = 0;  // the jitters stay as the pose left them
        ExpectAsKept(Draw(b, c), std::string("bunny/") + c.name, kEdgePixels);
        DeleteBunny(b);
    }
}

}  // namespace
