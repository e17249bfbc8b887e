// The Bunny's fixed shapes, the same in every figure and every pose, built
// once at the figure's tessellations; and the batches its pieces are sent
// in, one for each texture and blend state.
#pragma once

struct Bunny;
class TriangleMesh;

enum BunnyShape {
    kBodySuitShape,   // the front face
    kBodyClothShape,  // the other three faces
    kNeckShape,       // one unit long
    kHeadShape,
    kEyeWhiteShape,
    kPupilShape,  // radius 1
    kRightBrowShape,
    kLeftBrowShape,
    kWhiskerShape,
    kFaceMarkShape,
    kEarFrontShape,  // eight segments, foot to tip
    kEarBackShape = kEarFrontShape + 8,
    kToothShape = kEarBackShape + 8,
    kLensShape,       // radius 1
    kArmShape,        // one unit long
    kUpperLegShape,
    kLowerLegShape,
    kHandShape,  // radius 1
    kBareFootShape,
    kGunBodyShape,
    kGunBoxShape,  // four
    kGunMouthFaceShape = kGunBoxShape + 4,
    kGunMouthSidesShape,
    kShoeSidesShape,
    kShoeToeShape,
    kShoeLacesShape,
    kShoeSoleShape,
    kShoeCuffShape,
    kBunnyShapeCount
};
const TriangleMesh& GetBunnyShape(int shape);
// Whether the shape carries its own back faces (an ear's two sides, the face
// mark and the heel cuff, open surfaces seen from both sides): it shows
// rightly with the faces turned away culled, wherever the eye is.
bool BunnyShapeHasBackFaces(int shape);

// The batches in the order they are sent: the opaque ones, the decal-lit
// shoe, then the blended lenses and the left temple.
enum BunnyBatch {
    kPlainBatch,
    kSuitBatch,
    kVerticalBatch,
    kHorizontalBatch,
    kGunMouthBatch,
    kShoeSideBatch,
    kShoeLacesBatch,
    kShoeSoleBatch,
    kLensesBatch,
    kFrameBatch,
    kBunnyBatchCount
};

// A piece of fixed colour in its part's frame.
struct BunnyPiece {
    int shape;
    int batch;
    float rgba[4];
};
// In the hand's frame, before the gun's scale.
extern const BunnyPiece kBunnyGunPieces[7];
// In the foot's frame.
extern const BunnyPiece kBunnyShoePieces[5];

// 1 (the default) sends each batch as one array, 0 vertex by vertex; the
// pictures are the same.
void SetBunnyPartLists(int on);
int BunnyPartLists();

// Whether any of the figure can show in the present view: a sphere round its
// body position that holds every piece in its present pose.
float BunnyReach(const Bunny* bunny);
bool BunnyInView(const Bunny* bunny);
