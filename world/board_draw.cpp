#include "world/board_draw.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "core/keys.h"
#include "support/helpers.h"
#include "support/sgi_image.h"
#include "world/board.h"
#include "world/board_faces.h"
#include "world/gems_bands.h"
#include "world/nurbs_patch.h"

namespace {
enum WorldTexture { kWallTex, kPurpleTex, kNewFloorTex, kSpareTex, kSpiralTex, kStepTex, kBoxTex, kWhitePibTex, kWorldTexCount };
const char* const kWorldTextureFiles[kWorldTexCount] = {
    "bg02.sgi", "purple.sgi", "newfloor.sgi", "bg11.sgi", "spiral.sgi", "step.sgi", "box.sgi", "whitepib.sgi"};

GLuint worldTextures[kWorldTexCount];
GLuint freePoleList;
// The board and the wall ring never change in play: their faces are put
// together once per world, at their first drawing, one run for each texture
// and material, and sent in every view. The poles are put together again
// when a band has used some.
const int kFaceRunCount = 6;
FaceRun cellRuns[kFaceRunCount], exteriorRing, poleRun;
std::vector<BoardSolid> solids, poleSolids;
const GLfloat* lastPoleColour;  // the material the poles leave
bool boardListsStale = true;
bool polesBuilt = false;
unsigned polesSignature;  // of the pole values poleRun was built from
int texturingOn = 0;
int gemSpin = 0;

const GLfloat kBlack[4] = {0, 0, 0, 0};
const GLfloat kGrey[4] = {0.25f, 0.25f, 0.25f, 0};
const GLfloat kRed[4] = {0.9f, 0, 0, 0};
const GLfloat kWallColor[4] = {0.9f, 0.1f, 0.2f, 1.0f};
const GLfloat kPoleLow[4] = {1.0f, 0.3f, 0.3f, 1.0f};
const GLfloat kPoleMiddle[4] = {0.3f, 1.0f, 0.3f, 1.0f};
const GLfloat kPoleHigh[4] = {0.3f, 0.3f, 1.0f, 1.0f};
const GLfloat kUsedPoleColor[4] = {0, 0, 0.2f, 1.0f};
const GLfloat kBandColor[4] = {1, 1, 0, 1};

const float kPoleSide = 0.1f;

// A textured corner (x, y, z):(s, t).
struct Corner {
    float x, y, z, s, t;
};
// A face: its normal and three or four corners.
struct Face {
    float nx, ny, nz;
    int count;
    Corner corners[4];
};

void Material(const GLfloat* color) { glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, color); }
void Bind(GLuint texture) { glBindTexture(GL_TEXTURE_2D, texture); }
void BindWorld(WorldTexture t) { Bind(worldTextures[t]); }

// Added to every post corner while the poles' run is put together; zero
// otherwise, when the free pole's list is placed by the model-view matrix.
float batchOffsetX = 0, batchOffsetY = 0, batchOffsetZ = 0;

void BatchVertex(float x, float y, float z) {
    glVertex3f(x + batchOffsetX, y + batchOffsetY, z + batchOffsetZ);
}

void MoveBatchTo(float x, float y, float z = 0) {
    batchOffsetX = x;
    batchOffsetY = y;
    batchOffsetZ = z;
}

const Face kTopFace = {0, 0, 1, 4, {{0, 0, 1, 0, 0}, {1, 0, 1, 1, 0}, {1, 1, 1, 1, 1}, {0, 1, 1, 0, 1}}};
// The ground square: floor tiles and the ground under a bridge.
const Face kGroundFace = {0, 0, 1, 4, {{0, 0, 0, 0, 0}, {1, 0, 0, 1, 0}, {1, 1, 0, 1, 1}, {0, 1, 0, 0, 1}}};
const Face kDeckUnderside = {0, 0, -1, 4, {{0, 0, 0.9f, 0, 0}, {1, 0, 0.9f, 1, 0}, {1, 1, 0.9f, 1, 1}, {0, 1, 0.9f, 0, 1}}};
// Every face's corners take (0,0), (0,1), (1,1), (1,0) in order.
const Face kExteriorBlockFaces[5] = {
    {0, 0, 1, 4, {{0, 0, 1, 0, 0}, {1, 0, 1, 0, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, 0}}},
    {0, 1, 0, 4, {{0, 1, 0, 0, 0}, {1, 1, 0, 0, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, 0}}},
    {0, -1, 0, 4, {{0, 0, 0, 0, 0}, {1, 0, 0, 0, 1}, {1, 0, 1, 1, 1}, {0, 0, 1, 1, 0}}},
    {-1, 0, 0, 4, {{0, 0, 0, 0, 0}, {0, 1, 0, 0, 1}, {0, 1, 1, 1, 1}, {0, 0, 1, 1, 0}}},
    {1, 0, 0, 4, {{1, 0, 0, 0, 0}, {1, 0, 1, 0, 1}, {1, 1, 1, 1, 1}, {1, 1, 0, 1, 0}}}};
const Face kHolePad = {0, 0, 1, 4, {{0, 0, -0.01f, 0, 0}, {1, 0, -0.01f, 1, 0}, {1, 1, -0.01f, 1, 1}, {0, 1, -0.01f, 0, 1}}};

const Face kBlockSides[4] = {
    {0, 1, 0, 4, {{0, 1, 0, 1, 0}, {1, 1, 0, 0, 0}, {1, 1, 1, 0, 1}, {0, 1, 1, 1, 1}}},
    {0, -1, 0, 4, {{0, 0, 0, 0, 0}, {1, 0, 0, 1, 0}, {1, 0, 1, 1, 1}, {0, 0, 1, 0, 1}}},
    {-1, 0, 0, 4, {{0, 0, 0, 0, 0}, {0, 1, 0, 1, 0}, {0, 1, 1, 1, 1}, {0, 0, 1, 0, 1}}},
    {1, 0, 0, 4, {{1, 0, 0, 1, 0}, {1, 0, 1, 1, 1}, {1, 1, 1, 0, 1}, {1, 1, 0, 0, 0}}}};
const Face kCrateSides[4] = {
    kBlockSides[0],
    kBlockSides[1],
    {-1, 0, 0, 4, {{0, 0, 0, 1, 0}, {0, 1, 0, 0, 0}, {0, 1, 1, 0, 1}, {0, 0, 1, 1, 1}}},
    {1, 0, 0, 4, {{1, 0, 0, 0, 0}, {1, 0, 1, 0, 1}, {1, 1, 1, 1, 1}, {1, 1, 0, 1, 0}}}};
// The long edges of a bridge deck; its two ends stay open.
const Face kDeckEdgesAlongX[2] = {
    {0, -1, 0, 4, {{0, 0, 0.9f, 0, 0.9f}, {1, 0, 0.9f, 1, 0.9f}, {1, 0, 1, 1, 1}, {0, 0, 1, 0, 1}}},
    {0, 1, 0, 4, {{0, 1, 0.9f, 1, 0.9f}, {1, 1, 0.9f, 0, 0.9f}, {1, 1, 1, 0, 1}, {0, 1, 1, 1, 1}}}};
const Face kDeckEdgesAlongY[2] = {
    {-1, 0, 0, 4, {{0, 0, 0.9f, 1, 0.9f}, {0, 1, 0.9f, 0, 0.9f}, {0, 1, 1, 0, 1}, {0, 0, 1, 1, 1}}},
    {1, 0, 0, 4, {{1, 0, 0.9f, 0, 0.9f}, {1, 0, 1, 0, 1}, {1, 1, 1, 1, 1}, {1, 1, 0.9f, 1, 0.9f}}}};

// The ramp rising toward +y; the other three are this one turned.
const float kSlope = 0.7071f;
const Face kRampFaces[4] = {
    {0, -kSlope, kSlope, 4, {{0, 0, 0, 0, 0}, {1, 0, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 1, 1, 0, 1}}},
    {0, 1, 0, 4, {{0, 1, 0, 1, 0}, {1, 1, 0, 0, 0}, {1, 1, 1, 0, 1}, {0, 1, 1, 1, 1}}},
    {-1, 0, 0, 3, {{0, 0, 0, 1, 0}, {0, 1, 1, 0, 1}, {0, 1, 0, 0, 0}}},
    {1, 0, 0, 3, {{1, 0, 0, 0, 0}, {1, 1, 1, 1, 1}, {1, 1, 0, 1, 0}}}};

// Turns a ramp-1 point (or, without the offsets, a normal) about the cell's
// vertical centre line for ramp type 1 + turns.
void TurnAboutCell(int turns, float x, float y, float* ox, float* oy, bool isNormal) {
    float one = isNormal ? 0.0f : 1.0f;
    switch (turns) {
        case 1: *ox = y; *oy = one - x; break;
        case 2: *ox = one - x; *oy = one - y; break;
        case 3: *ox = one - y; *oy = x; break;
        default: *ox = x; *oy = y; break;
    }
}

Face TurnFace(const Face& f, int turns) {
    Face out = f;
    TurnAboutCell(turns, f.nx, f.ny, &out.nx, &out.ny, true);
    for (int k = 0; k < f.count; ++k)
        TurnAboutCell(turns, f.corners[k].x, f.corners[k].y, &out.corners[k].x, &out.corners[k].y, false);
    return out;
}

struct RampModels {
    Face faces[4][4];  // by ramp type - 1, then face
};

RampModels TurnRamps() {
    RampModels ramps;
    for (int turns = 0; turns < 4; ++turns)
        for (int k = 0; k < 4; ++k) ramps.faces[turns][k] = TurnFace(kRampFaces[k], turns);
    return ramps;
}

// A cell model is pieces, each faces of one texture and one material.
struct CellPiece {
    WorldTexture texture;
    const GLfloat* material;
    const Face* faces;
    int count;
};
const int kMostPieces = 4;

bool IsHole(int type) { return type == kHole; }

// The model of a cell of that type (not a hole) at the origin; the number
// of pieces, in the order they are drawn one cell at a time.
int CellPieces(int type, CellPiece* out) {
    static const RampModels ramps = TurnRamps();  // worked out once, not in every frame
    int n = 0;
    auto add = [&](WorldTexture t, const GLfloat* m, const Face* f, int count) { out[n++] = {t, m, f, count}; };
    switch (type) {
        case kFloor: add(kPurpleTex, kBlack, &kGroundFace, 1); break;
        case kRampUp0: case kRampUp1: case kRampUp2: case kRampUp3: {
            const Face* faces = ramps.faces[type - kRampUp0];
            add(kStepTex, kBlack, faces, 1);
            add(kNewFloorTex, kBlack, faces + 1, 3);
            break;
        }
        case kRaisedBlock:
            add(kNewFloorTex, kGrey, &kTopFace, 1);
            add(kNewFloorTex, kBlack, kBlockSides, 4);
            break;
        case kBridgeAlongX: case kBridgeAlongY:
            add(kNewFloorTex, kGrey, &kTopFace, 1);
            add(kPurpleTex, kBlack, &kGroundFace, 1);
            add(kNewFloorTex, kBlack, &kDeckUnderside, 1);
            add(kNewFloorTex, kBlack, type == kBridgeAlongX ? kDeckEdgesAlongX : kDeckEdgesAlongY, 2);
            break;
        case kCrate:
            add(kWhitePibTex, kBlack, &kTopFace, 1);
            add(kBoxTex, kBlack, kCrateSides, 4);
            break;
        case kSolidHidden: break;
        default:
            std::printf("Not a valid floor type\n");
            ExitProgram(1);
    }
    return n;
}

// The board's cells go to the renderer one run of faces per texture and
// material, quads and triangles apart: a software renderer pays for every
// change of texture far more than for the faces. The cells are opaque,
// depth-tested and never overlap, so the order they go in does not show.
struct RunStyle {
    WorldTexture texture;
    const GLfloat* material;
};
const RunStyle kFaceRuns[] = {{kPurpleTex, kBlack}, {kNewFloorTex, kBlack}, {kNewFloorTex, kGrey},
                             {kStepTex, kBlack},   {kWhitePibTex, kBlack}, {kBoxTex, kBlack}};

// A face as the runs keep it, moved by (dx, dy, dz), every corner in the
// colour given.
void AddFace(FaceRun& run, const Face& f, float dx, float dy, float dz, int solid, FaceKind kind,
             const GLfloat* const* colours = nullptr) {
    BoardVertex v[4];
    for (int k = 0; k < f.count; ++k) {
        const Corner& c = f.corners[k];
        v[k] = {{c.x + dx, c.y + dy, c.z + dz}, {f.nx, f.ny, f.nz}, {c.s, c.t}, {0, 0, 0, 0}};
        if (colours)
            for (int i = 0; i < 4; ++i) v[k].rgba[i] = colours[k][i];
    }
    run.AddFace(v, f.count, solid, kind);
}

int AddSolid(std::vector<BoardSolid>& to, float x0, float y0, float z0, float x1, float y1, float z1) {
    to.push_back({{x0, y0, z0}, {x1, y1, z1}});
    return int(to.size()) - 1;
}

// A raised block, a crate or a ramp is closed but for its bottom; a bridge's
// deck is open at its ends and a floor tile is one face.
bool IsClosedCell(int type) { return type != kFloor && type != kBridgeAlongX && type != kBridgeAlongY; }

void BuildCellRuns() {
    for (FaceRun& run : cellRuns) run.Clear();
    for (int x = 0; x < boardWidth; ++x)
        for (int y = 0; y < boardHeight; ++y) {
            int type = board[x][y];
            if (IsHole(type)) continue;
            CellPiece pieces[kMostPieces];
            int n = CellPieces(type, pieces);
            int solid = AddSolid(solids, float(x), float(y), 0, float(x + 1), float(y + 1), type == kFloor ? 0 : 1);
            FaceKind kind = IsClosedCell(type) ? kClosedFace : kOpenFace;
            for (int k = 0; k < n; ++k)
                for (int r = 0; r < kFaceRunCount; ++r) {
                    if (kFaceRuns[r].texture != pieces[k].texture || kFaceRuns[r].material != pieces[k].material)
                        continue;
                    for (int f = 0; f < pieces[k].count; ++f)
                        AddFace(cellRuns[r], pieces[k].faces[f], float(x), float(y), 0, solid, kind);
                }
        }
}

// The hole pads turn with the gems, by spin degrees each way, so they are
// sent afresh in each view, all in one run: each corner turned about its
// cell's centre as the model-view matrix would turn it.
void EmitHolePads(int spin) {
    const float turn = float(2 * spin) * 3.14159265f / 180;
    const float c = std::cos(turn), s = std::sin(turn), grow = 1.4f;
    Material(kRed);
    glBegin(GL_QUADS);
    glNormal3f(kHolePad.nx, kHolePad.ny, kHolePad.nz);
    for (int x = 0; x < boardWidth; ++x)
        for (int y = 0; y < boardHeight; ++y) {
            if (!IsHole(board[x][y])) continue;
            for (int k = 0; k < kHolePad.count; ++k) {
                const Corner& p = kHolePad.corners[k];
                float dx = grow * (p.x - 0.5f), dy = grow * (p.y - 0.5f);
                glTexCoord2f(p.s, p.t);
                glVertex3f(x + 0.5f + c * dx - s * dy, y + 0.5f + s * dx + c * dy, p.z);
            }
        }
    glEnd();
}

bool AnyHole() {
    for (int x = 0; x < boardWidth; ++x)
        for (int y = 0; y < boardHeight; ++y)
            if (IsHole(board[x][y])) return true;
    return false;
}

// A square post kPoleSide wide from z0 to z1, four sides and a top, its sides
// shading from the lower colour to the upper one, each face with its corners'
// colours.
void PostSectionFaces(float z0, float z1, const GLfloat* low, const GLfloat* high,
                      void (*face)(const Face& f, const GLfloat* const* colours, bool top)) {
    const float s = kPoleSide;
    const float sides[4][5] = {  // normal x, y; the side's two bottom corners
        {0, -1, 0, 0, s}, {1, 0, s, 0, s}, {0, 1, s, s, -s}, {-1, 0, 0, s, -s}};
    const GLfloat* const sideColours[4] = {low, low, high, high};
    const GLfloat* const topColours[4] = {high, high, high, high};
    for (const auto& side : sides) {
        float x0 = side[2], y0 = side[3];
        float x1 = side[0] == 0 ? x0 + side[4] : x0;
        float y1 = side[0] == 0 ? y0 : y0 + side[4];
        Face f = {side[0], side[1], 0, 4, {{x0, y0, z0, 0, 0}, {x1, y1, z0, 0, 0}, {x1, y1, z1, 0, 0}, {x0, y0, z1, 0, 0}}};
        face(f, sideColours, false);
    }
    Face top = {0, 0, 1, 4, {{0, 0, z1, 0, 0}, {s, 0, z1, 0, 0}, {s, s, z1, 0, 0}, {0, s, z1, 0, 0}}};
    face(top, topColours, true);
}

// Each face at the batch offset, its colour set before the corners where it
// changes (a glBegin of the caller).
void EmitPostFace(const Face& f, const GLfloat* const* colours, bool top) {
    glNormal3f(f.nx, f.ny, f.nz);
    for (int k = 0; k < f.count; ++k) {
        if (!top && (k == 0 || colours[k] != colours[k - 1])) Material(colours[k]);
        BatchVertex(f.corners[k].x, f.corners[k].y, f.corners[k].z);
    }
}

void EmitFreePole() {
    PostSectionFaces(0, 0.25f, kPoleLow, kPoleMiddle, EmitPostFace);
    PostSectionFaces(0.25f, 0.5f, kPoleMiddle, kPoleHigh, EmitPostFace);
}

// The poles' run: each post a solid, the top of a free pole's lower section
// inside it.
int buildingSolid = 0;
bool lowerSection = false;
void AddPostFace(const Face& f, const GLfloat* const* colours, bool top) {
    FaceKind kind = top && lowerSection ? kInnerFace : kClosedFace;
    AddFace(poleRun, f, batchOffsetX, batchOffsetY, batchOffsetZ, buildingSolid, kind, colours);
}

void BuildPoles() {
    poleRun.Clear();
    poleSolids.clear();
    lastPoleColour = nullptr;
    for (int i = 1; i < boardWidth; ++i) {
        for (int j = 1; j < boardHeight; ++j) {
            for (int level = 0; level < 2; ++level) {
                int value = (level == 0 ? poles : poles2)[i - 1][j - 1];
                if (!value) continue;
                float x = i - 0.05f, y = j - 0.05f, z = float(level), height = value == 1 ? 0.5f : 1.05f;
                MoveBatchTo(x, y, z);
                buildingSolid = AddSolid(poleSolids, x, y, z, x + kPoleSide, y + kPoleSide, z + height);
                if (value == 1) {
                    lowerSection = true;
                    PostSectionFaces(0, 0.25f, kPoleLow, kPoleMiddle, AddPostFace);
                    lowerSection = false;
                    PostSectionFaces(0.25f, 0.5f, kPoleMiddle, kPoleHigh, AddPostFace);
                    lastPoleColour = kPoleHigh;
                } else {
                    PostSectionFaces(0, 1.05f, kUsedPoleColor, kUsedPoleColor, AddPostFace);
                    lastPoleColour = kUsedPoleColor;
                }
            }
        }
    }
    MoveBatchTo(0, 0);
}

GLuint CompileList(void (*body)()) {
    GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    body();
    glEndList();
    return list;
}

void BuildExteriorRing() {
    exteriorRing.Clear();
    for (int x = -1; x <= boardWidth; ++x) {
        for (int y = -1; y <= boardHeight; ++y) {
            if (!exterior[x + 1][y + 1]) continue;
            int solid = AddSolid(solids, float(x), float(y), 0, float(x + 1), float(y + 1), 1);
            for (const Face& face : kExteriorBlockFaces) AddFace(exteriorRing, face, float(x), float(y), 0, solid, kClosedFace);
        }
    }
}

// Put together at the first drawing rather than at the load: a cell of an
// unknown type is refused when the board is first drawn.
void BuildStaleBoard() {
    if (!boardListsStale) return;
    solids.clear();
    BuildCellRuns();
    BuildExteriorRing();
    boardListsStale = false;
    polesBuilt = false;
}

void TranslateToPlace(int r, int c) {
    double x, y;
    GetEdgePoint(r, c, &x, &y);
    glTranslatef(float(x), float(y), 0);
    if (r % 2 == 1) glRotatef(90, 0, 0, 1);
}

void DrawGemIconAt(int r, int c, const GemSlot* gem) {
    glPushMatrix();
    TranslateToPlace(r, c);
    DrawGemMapIcon(gem);
    glPopMatrix();
}
}  // namespace

// Every world uses the same eight pictures: made at the first load, kept
// for every later one.
void LoadWorldTextures() {
    LoadSgiTexturesOnce(worldTextures, kWorldTextureFiles, kWorldTexCount);
    // Only the last texture loaded gets smooth filtering.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
}

void BuildBoardLists() {
    if (freePoleList) glDeleteLists(freePoleList, 1);
    freePoleList = CompileList(DrawFreePole);
}

void ForgetBoardLists() { boardListsStale = true; }

void ClearTexturingFlag() { texturingOn = 0; }
void ResetGemSpin() { gemSpin = 0; }
int GetGemSpin() { return gemSpin; }
int IsTexturingOn() { return texturingOn; }

void UpdateTexturingKey() {
    if (!IsKeyDown('0')) {
        glEnable(GL_TEXTURE_2D);
        texturingOn = 1;
    } else if (texturingOn) {
        glDisable(GL_TEXTURE_2D);
        texturingOn = 0;
    }
}

void DrawWorld() {
    DrawFloor();
    DrawExterior();
    DrawPoles();
    DrawGems(0);
    DrawBands();
}

namespace {
unsigned PoleSignature() {
    unsigned h = 2166136261u;
    for (int i = 0; i < boardWidth - 1; ++i)
        for (int j = 0; j < boardHeight - 1; ++j)
            h = (h ^ unsigned(poles[i][j] * 3 + poles2[i][j])) * 16777619u;
    return h;
}

// Poles turn from free to used only when a band goes up, so their run is
// put together once and again only when a pole value has changed.
void BuildStalePoles() {
    BuildStaleBoard();
    unsigned signature = PoleSignature();
    if (!polesBuilt || signature != polesSignature) {
        BuildPoles();
        polesSignature = signature;
        polesBuilt = true;
    }
}

// How the board's solids and the posts stand in one view.
struct BoardInView {
    SolidsInView cells, posts;
};
void SeeBoard(BoardInView* out) {
    SeeSolids(solids, &out->cells);
    SeeSolids(poleSolids, &out->posts);
}

void SendCellRun(int r, const BoardInView& view) {
    BindWorld(kFaceRuns[r].texture);
    Material(kFaceRuns[r].material);
    cellRuns[r].Send(view.cells, false);
}

void SendExteriorRing(const BoardInView& view) {
    BindWorld(kWallTex);
    Material(kWallColor);
    exteriorRing.Send(view.cells, false);
    Bind(0);
}

// The corners' colours are the posts' materials; the last one set stays.
void SendPoles(const BoardInView& view) {
    poleRun.Send(view.posts, true);
    if (lastPoleColour) Material(lastPoleColour);
}
}  // namespace

void DrawFloor() {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glColor4f(0, 0, 0, 0);
    BuildStaleBoard();
    BoardInView view;
    SeeBoard(&view);
    for (int r = 0; r < kFaceRunCount; ++r) SendCellRun(r, view);
    if (AnyHole()) {
        BindWorld(kSpiralTex);
        EmitHolePads(gemSpin);
    }
    Bind(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawExterior() {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    BuildStaleBoard();
    BoardInView view;
    SeeBoard(&view);
    SendExteriorRing(view);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawPoles() {
    BuildStalePoles();
    BoardInView view;
    SeeBoard(&view);
    SendPoles(view);
}

void DrawFixedBoardInViews(const ViewSteps& views) {
    BuildStalePoles();
    const int kMostViews = 4;
    BoardInView seen[kMostViews];
    int count = views.count < kMostViews ? views.count : kMostViews;
    for (int v = 0; v < count; ++v) {
        EnterView(views, v);
        SeeBoard(&seen[v]);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glColor4f(0, 0, 0, 0);
    auto inEveryView = [&](auto send) {
        for (int v = 0; v < count; ++v) {
            EnterView(views, v);
            send(seen[v]);
        }
    };
    for (int r = 0; r < kFaceRunCount; ++r) {
        BindWorld(kFaceRuns[r].texture);
        Material(kFaceRuns[r].material);
        inEveryView([r](const BoardInView& view) { cellRuns[r].Send(view.cells, false); });
    }
    BindWorld(kWallTex);
    Material(kWallColor);
    inEveryView([](const BoardInView& view) { exteriorRing.Send(view.cells, false); });
    Bind(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    inEveryView(SendPoles);
}

void DrawHolesInViews(const ViewSteps& views, int firstSpin) {
    if (!AnyHole()) return;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    BindWorld(kSpiralTex);
    for (int v = 0; v < views.count; ++v) {
        EnterView(views, v);
        EmitHolePads(firstSpin + v);
    }
    Bind(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void DrawFreePole() {
    glBegin(GL_QUADS);
    EmitFreePole();
    glEnd();
}

// The markers go out in one run: first the small posts of free upper poles,
// then every diamond, 0.2 across, about its post's corner. A post and its
// diamond keep their order; markers of two vertices never overlap.
void DrawPoleMarkers() {
    glColor4f(1, 1, 0, 0.6f);
    auto marked = [](int i, int j) {
        int ground = poles[i - 1][j - 1], upper = poles2[i - 1][j - 1];
        return ground ? ground == 1 : upper != 0;  // a used ground pole shows nothing
    };
    for (int i = 1; i < boardWidth; ++i)
        for (int j = 1; j < boardHeight; ++j) {
            if (poles[i - 1][j - 1] || poles2[i - 1][j - 1] != 1) continue;
            glPushMatrix();
            glTranslatef(i - 0.05f, j - 0.05f, 0);
            glCallList(freePoleList);
            glPopMatrix();
        }
    static const float kDiamond[4][2] = {{-0.5f, 0}, {0, 0.5f}, {0.5f, 0}, {0, -0.5f}};
    glBegin(GL_QUADS);
    for (int i = 1; i < boardWidth; ++i)
        for (int j = 1; j < boardHeight; ++j) {
            if (!marked(i, j)) continue;
            for (const auto& k : kDiamond) glVertex3f(0.2f * k[0] + (i - 0.05f), 0.2f * k[1] + (j - 0.05f), 0);
        }
    glEnd();
}

namespace {
// The wire dodecahedron as GLUT draws it: twelve loops of five of its twenty
// corners, each loop with its face's normal.
const float kP = 1.61803398875f, kQ = 0.61803398875f, kA = 0.850650808352f, kB = 0.525731112119f;
const float kDodecahedronCorners[20][3] = {
    {0, kP, kQ},   {-1, 1, 1},   {-kQ, 0, kP},  {kQ, 0, kP},  {1, 1, 1},     {0, kP, -kQ},   {1, 1, -1},
    {kQ, 0, -kP},  {-kQ, 0, -kP}, {-1, 1, -1},  {0, -kP, kQ}, {1, -1, 1},    {-1, -1, 1},    {0, -kP, -kQ},
    {-1, -1, -1},  {1, -1, -1},  {kP, -kQ, 0},  {kP, kQ, 0},  {-kP, kQ, 0},  {-kP, -kQ, 0}};
struct WireLoop {
    float normal[3];
    int corners[5];
};
const WireLoop kDodecahedronLoops[12] = {
    {{0, kB, kA}, {0, 1, 2, 3, 4}},      {{0, kB, -kA}, {5, 6, 7, 8, 9}},     {{0, -kB, kA}, {10, 11, 3, 2, 12}},
    {{0, -kB, -kA}, {13, 14, 8, 7, 15}}, {{kA, 0, kB}, {3, 11, 16, 17, 4}},   {{-kA, 0, kB}, {2, 1, 18, 19, 12}},
    {{kA, 0, -kB}, {7, 6, 17, 16, 15}},  {{-kA, 0, -kB}, {8, 14, 19, 18, 9}}, {{kB, kA, 0}, {17, 6, 5, 0, 4}},
    {{kB, -kA, 0}, {16, 11, 10, 13, 15}}, {{-kB, kA, 0}, {18, 1, 0, 5, 9}},   {{-kB, -kA, 0}, {19, 14, 13, 10, 12}}};

struct LineVertex {
    float p[3], n[3], rgba[4];
};

// A found gem's wire placed as a matrix stack would place it, every loop's
// edges as separate lines: from (x, y, z) turned a quarter
// about z when across, then scaled along its border and spun about it. The
// normals go through the inverse transpose of the same, as GL turns them.
void AddGemLines(std::vector<LineVertex>& out, double x, double y, float z, bool across, const GemSlot* gem) {
    float spin = float(gemSpin) * 3.14159265f / 180, c = std::cos(spin), s = std::sin(spin);
    const float scale[3] = {0.18f, 0.06f, 0.06f};
    auto place = [&](const float* v, bool normal, float* out3) {
        float r[3] = {v[0], c * v[1] - s * v[2], s * v[1] + c * v[2]};  // spun about x
        for (int k = 0; k < 3; ++k) r[k] = normal ? r[k] / scale[k] : r[k] * scale[k];
        float tx = across ? -r[1] : r[0], ty = across ? r[0] : r[1];
        out3[0] = normal ? tx : float(x) + tx;
        out3[1] = normal ? ty : float(y) + ty;
        out3[2] = normal ? r[2] : z + r[2];
    };
    LineVertex v{{0, 0, 0}, {0, 0, 0}, {float(gem->red), float(gem->green), float(gem->blue), 1}};
    for (const WireLoop& loop : kDodecahedronLoops) {
        place(loop.normal, true, v.n);
        for (int k = 0; k < 5; ++k)
            for (int end : {k, (k + 1) % 5}) {
                place(kDodecahedronCorners[loop.corners[end]], false, v.p);
                out.push_back(v);
            }
    }
}

// Every found gem of the view in one run of lines, each in its colour as its
// front ambient and diffuse material (with lighting off, in the current
// colour); the material the last gem set stays.
void DrawGemWires() {
    static std::vector<LineVertex> lines;
    lines.clear();
    const GemSlot* last = nullptr;
    for (int r = 0; r < GetEdgeRowCount(); ++r)
        for (int c = 0; c < GetEdgeRowLength(r); ++c)
            for (int level = 0; level < 2; ++level) {
                const GemSlot* gem = &(level ? gems2 : gems)[r][c];
                if (gem->value != 2) continue;
                double x, y;
                GetEdgePoint(r, c, &x, &y);
                AddGemLines(lines, x, y, float(level) + 0.25f, r % 2 == 1, gem);
                last = gem;
            }
    if (!last) return;
    bool lit = glIsEnabled(GL_LIGHTING);
    const GLsizei stride = sizeof(LineVertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, lines[0].p);
    glNormalPointer(GL_FLOAT, stride, lines[0].n);
    if (lit) {
        glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, stride, lines[0].rgba);
    }
    glDrawArrays(GL_LINES, 0, GLsizei(lines.size()));
    if (lit) {
        glDisableClientState(GL_COLOR_ARRAY);
        glDisable(GL_COLOR_MATERIAL);
    }
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    Material(lines.back().rgba);
}
}  // namespace

void DrawGems(int mapMode) {
    if (mapMode) {
        for (int r = 0; r < GetEdgeRowCount(); ++r) {
            for (int c = 0; c < GetEdgeRowLength(r); ++c) {
                if (gems[r][c].value == 2) DrawGemIconAt(r, c, &gems[r][c]);
                if (gems2[r][c].value == 2) DrawGemIconAt(r, c, &gems2[r][c]);
            }
        }
    } else {
        DrawGemWires();
    }
    gemSpin = (gemSpin + 1) % 360;
}

void DrawGemMapIcon(const GemSlot* gem) {
    const GLfloat color[4] = {float(gem->red), float(gem->green), float(gem->blue), 1.0f};
    SetPibColor(gem->finder);
    glPushMatrix();
    Material(color);
    glBegin(GL_LINE_LOOP);
    glVertex3f(-3 / 8.0f, 0, 0);
    glVertex3f(-3 / 16.0f, 1 / 8.0f, 0);
    glVertex3f(3 / 16.0f, 1 / 8.0f, 0);
    glVertex3f(3 / 8.0f, 0, 0);
    glVertex3f(3 / 16.0f, -1 / 8.0f, 0);
    glVertex3f(-3 / 16.0f, -1 / 8.0f, 0);
    glEnd();
    glPopMatrix();
}

void DrawBands() {
    for (int k = 0; k < activeBandCount; ++k) {
        const ActiveBand& up = activeBands[k];
        glPushMatrix();
        TranslateToPlace(up.row, up.column);
        DrawBandObject(bands[up.row][up.column].surface);
        glPopMatrix();
    }
}

void DrawBandObject(NurbsPatch* surface) {
    glPushMatrix();
    Material(kBandColor);
    glTranslatef(0, 0, 0.5f);
    if (surface) DrawNurbsPatch(surface);
    glPopMatrix();
}

void DrawBandMapIcons() {
    for (int k = 0; k < activeBandCount; ++k) {
        glPushMatrix();
        TranslateToPlace(activeBands[k].row, activeBands[k].column);
        glBegin(GL_QUADS);
        glVertex3f(0.5f, 0.1f, 0);
        glVertex3f(-0.5f, 0.1f, 0);
        glVertex3f(-0.5f, -0.1f, 0);
        glVertex3f(0.5f, -0.1f, 0);
        glEnd();
        glPopMatrix();
    }
}
