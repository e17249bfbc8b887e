// The Bunny's fixed pieces: head sphere, eye white, bare foot, gun and shoe.
#include "figures/bunny_draw_parts.h"

#include <GL/glut.h>

#include "figures/bunny_record.h"
#include "support/helpers.h"

namespace {
const float kWhite[4] = {1, 1, 1, 1};

// A quadric set up as every figure's own: fill, smooth normals, outside.
GLUquadric* PartQuadric() {
    static GLUquadric* q = nullptr;
    if (!q) {
        q = gluNewQuadric();
        gluQuadricDrawStyle(q, GLU_FILL);
        gluQuadricNormals(q, GLU_SMOOTH);
        gluQuadricOrientation(q, GLU_OUTSIDE);
    }
    return q;
}

void Corner(float* out, int axis, float along, float u, float v) {
    out[axis] = along;
    out[(axis + 1) % 3] = u;
    out[(axis + 2) % 3] = v;
}

// The four sides of a square frustum around an axis (0 x, 1 y, 2 z) from
// half-width h0 at a0 to h1 at a1, each with its normal turned outward.
void DrawFrustumSides(int axis, float a0, float h0, float a1, float h1) {
    static const float kSquare[5][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}, {1, 1}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        float q[4][3];
        Corner(q[0], axis, a0, kSquare[i][0] * h0, kSquare[i][1] * h0);
        Corner(q[1], axis, a0, kSquare[i + 1][0] * h0, kSquare[i + 1][1] * h0);
        Corner(q[2], axis, a1, kSquare[i + 1][0] * h1, kSquare[i + 1][1] * h1);
        Corner(q[3], axis, a1, kSquare[i][0] * h1, kSquare[i][1] * h1);
        float n[3];
        ComputeTriangleNormal(q[0], q[1], q[2], n);
        float off[3];  // the middle of the side, seen from the axis
        for (int k = 0; k < 3; ++k) off[k] = q[0][k] + q[1][k];
        off[axis] = 0;
        if (n[0] * off[0] + n[1] * off[1] + n[2] * off[2] < 0)
            for (float& c : n) c = -c;
        glNormal3fv(n);
        for (const float* c : q) glVertex3fv(c);
    }
    glEnd();
}

void DrawBunnyGunBody() {
    static const float kBody[4] = {0.2f, 0.4f, 0.6f, 1};
    const float h = 0.052938f;
    SetBunnyMaterial(kBody);
    glBegin(GL_QUADS);
    glNormal3f(0, -1, 0);
    glVertex3f(-h, 0, -h), glVertex3f(h, 0, -h), glVertex3f(h, 0, h), glVertex3f(-h, 0, h);
    glEnd();
    DrawFrustumSides(1, 0, h, 0.111169f, 0.021175f);
}

void DrawBunnyGunMouth() {
    static const float kSides[4] = {0.4f, 0.6f, 1.0f, 1};
    const float x = 0.127503f, h = 0.079689f;
    SetBunnyMaterial(kWhite);
    glBindTexture(GL_TEXTURE_2D, GetBunnyTextures().gunMouth);
    glBegin(GL_QUADS);
    glNormal3f(1, 0, 0);
    glTexCoord2f(0, 1), glVertex3f(x, h, h);
    glTexCoord2f(1, 1), glVertex3f(x, h, -h);
    glTexCoord2f(1, 0), glVertex3f(x, -h, -h);
    glTexCoord2f(0, 0), glVertex3f(x, -h, h);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    SetBunnyMaterial(kSides);
    DrawFrustumSides(0, 0, 0.020789f, x, h);
}

// The gun's boxes, each placed from the one before.
struct GunBox {
    float move[3];
    float material[4];
    float size[3];
};
const GunBox kGunBoxes[4] = {
    {{-0.0407619f, 0.111169f, 0.0407619f}, {0.4f, 0.6f, 0.8f, 1}, {0.0815238f, 0.0815238f, 0.0815238f}},
    {{0.0271746f, 0.0815238f, -0.0285333f}, {0.7f, 0.7f, 0.9f, 1}, {0.0244571f, 0.0407619f, 0.0244571f}},
    {{0.0543492f, -0.0570666f, 0.00407619f}, {0.65f, 0.65f, 1.0f, 1}, {0.0456533f, 0.0326095f, 0.0326095f}},
    {{0.0456533f, -0.0529904f, 0.0326095f}, {0.6f, 0.4f, 0.8f, 1}, {0.0244571f, 0.13859f, 0.0978285f}},
};

// In the hand frame, already scaled by the gun scale.
void DrawBunnyGun() {
    glPushMatrix();
    DrawBunnyGunBody();
    for (const GunBox& box : kGunBoxes) {
        glTranslatef(box.move[0], box.move[1], box.move[2]);
        SetBunnyMaterial(box.material);
        DrawTexturedBox(box.size[0], box.size[1], box.size[2], 1, 1, 1);
    }
    glTranslatef(0.0244571f, 0.0692952f, -0.0489142f);
    DrawBunnyGunMouth();
    glPopMatrix();
}

const float kShoeW = 0.040425f;  // half the shoe's width
const float kToeZ = 0.09625f;

// The shoe's side outline as (y, z) with its texture coordinates.
struct ShoeSidePoint {
    float y, z, s, t;
};
const ShoeSidePoint kShoeSide[5] = {
    {-0.025025f, -kToeZ, 1, 0.5f}, {-0.025025f, kToeZ, 0, 0.5f}, {-0.0077f, kToeZ, 0, 0.75f},
    {0.0385f, 0.0231f, 0.5f, 1},   {0.0385f, -kToeZ, 1, 1},
};

void DrawShoeUpper() {
    static const float kUpper[4] = {0, 0.956863f, 1, 1};
    const float w = kShoeW;
    SetBunnyMaterial(kUpper);
    glBindTexture(GL_TEXTURE_2D, GetBunnyTextures().shoeSide);
    for (int side = 0; side < 2; ++side) {
        glBegin(GL_POLYGON);
        glNormal3f(side ? 1.0f : -1.0f, 0, 0);
        for (int k = 0; k < 5; ++k) {
            const ShoeSidePoint& p = kShoeSide[side ? 4 - k : k];
            glTexCoord2f(p.s, p.t);
            glVertex3f(side ? w : -w, p.y, p.z);
        }
        glEnd();
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glVertex3f(-w, -0.025025f, kToeZ), glVertex3f(w, -0.025025f, kToeZ);
    glVertex3f(w, -0.0077f, kToeZ), glVertex3f(-w, -0.0077f, kToeZ);
    glNormal3f(0, 1, 0);
    glVertex3f(-w, 0.0385f, 0.0231f), glVertex3f(w, 0.0385f, 0.0231f);
    glVertex3f(w, 0.0385f, -kToeZ), glVertex3f(-w, 0.0385f, -kToeZ);
    glEnd();
}

void DrawShoeLaces() {
    const float w = kShoeW;
    const float a[3] = {-w, 0.0385f, 0.0231f}, b[3] = {-w, -0.0077f, kToeZ}, c[3] = {w, 0.0385f, 0.0231f};
    float n[3];
    ComputeTriangleNormal(a, b, c, n);
    glBindTexture(GL_TEXTURE_2D, GetBunnyTextures().shoeLaces);
    glBegin(GL_QUADS);
    glNormal3fv(n);
    glTexCoord2f(0, 0), glVertex3f(-w, -0.0077f, kToeZ);
    glTexCoord2f(1, 0), glVertex3f(w, -0.0077f, kToeZ);
    glTexCoord2f(1, 1), glVertex3f(w, 0.0385f, 0.0231f);
    glTexCoord2f(0, 1), glVertex3f(-w, 0.0385f, 0.0231f);
    glNormal3f(0, 0, -1);
    glTexCoord2f(0, 1);
    glVertex3f(w, 0.0385f, -kToeZ), glVertex3f(-w, 0.0385f, -kToeZ);
    glVertex3f(-w, -0.025025f, -kToeZ), glVertex3f(w, -0.025025f, -kToeZ);
    glEnd();
}

// The sole's faces: normal, then corners as (x, y, z) picks of the slab's
// low (0) or high (1) bound, with texture coordinates 0 to 1.
struct SlabFace {
    float normal[3];
    int corner[4][3];
};
const SlabFace kSoleFaces[5] = {
    {{-1, 0, 0}, {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
    {{1, 0, 0}, {{1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}}},
    {{0, 0, 1}, {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
    {{0, 0, -1}, {{1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}}},
    {{0, -1, 0}, {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
};
const float kCornerST[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

void DrawShoeSole() {
    const float bounds[3][2] = {{-kShoeW, kShoeW}, {-0.0385f, -0.025025f}, {-kToeZ, kToeZ}};
    SetBunnyMaterial(kWhite);
    glBindTexture(GL_TEXTURE_2D, GetBunnyTextures().shoeSole);
    glBegin(GL_QUADS);
    for (const SlabFace& f : kSoleFaces) {
        glNormal3fv(f.normal);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(kCornerST[k]);
            glVertex3f(bounds[0][f.corner[k][0]], bounds[1][f.corner[k][1]], bounds[2][f.corner[k][2]]);
        }
    }
    glEnd();
}

// In the foot frame; the shoe's textures replace its lit colour.
void DrawBunnyShoe() {
    static const float kCuff[4] = {0.411765f, 0.411765f, 0.34902f, 1};
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    DrawShoeUpper();
    DrawShoeLaces();
    DrawShoeSole();
    SetBunnyMaterial(kCuff);
    DrawFrustumSides(2, -kToeZ, 0.025025f, -0.154f, 0.045045f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawPart(int part) {
    switch (part) {
        case kHeadPart: gluSphere(PartQuadric(), 0.25, 14, 14); break;
        case kEyeWhitePart: glutSolidSphere(1, 9, 9); break;
        case kFootPart: gluSphere(PartQuadric(), 0.0385, 6, 6); break;
        case kGunPart: DrawBunnyGun(); break;
        case kShoePart: DrawBunnyShoe(); break;
        default: break;
    }
}

int useLists = 1;
unsigned listBase = 0;
// The texture names the lists were made with: a reload makes them again.
unsigned listTextures[4];

void CurrentPartTextures(unsigned* out) {
    const BunnyTextureSet& t = GetBunnyTextures();
    const unsigned used[4] = {t.gunMouth, t.shoeSide, t.shoeLaces, t.shoeSole};
    for (int k = 0; k < 4; ++k) out[k] = used[k];
}

void MakePartLists() {
    unsigned now[4];
    CurrentPartTextures(now);
    bool same = listBase != 0;
    for (int k = 0; k < 4; ++k) same = same && now[k] == listTextures[k];
    if (same) return;
    if (listBase == 0) listBase = glGenLists(kBunnyPartCount);
    if (listBase == 0) return;
    for (int part = 0; part < kBunnyPartCount; ++part) {
        glNewList(listBase + part, GL_COMPILE);
        DrawPart(part);
        glEndList();
    }
    for (int k = 0; k < 4; ++k) listTextures[k] = now[k];
}
}  // namespace

void SetBunnyMaterial(const float* rgba) { glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, rgba); }

void SetBunnyPartLists(int on) { useLists = on; }

void CallBunnyPart(int part) {
    if (part < 0 || part >= kBunnyPartCount) return;
    if (!useLists) {
        DrawPart(part);
        return;
    }
    MakePartLists();
    if (listBase == 0) DrawPart(part);  // no list names to be had
    else glCallList(listBase + part);
}
