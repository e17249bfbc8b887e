// A few Bunny poses held to their written numbers field by field: the ones
// where a left/right or X/Z swap, a wrong rest value or one field too many
// would pass a check on counts and sums. The expected values here are typed
// in from the figure's description, never read from the code's tables.
#include <map>
#include <vector>

#include "figures/bunny.h"
#include "figures/bunny_poses.h"
#include "figures/bunny_record.h"
#include "figures/bunny_scene_rows.h"
#include "test_support.h"

namespace {

constexpr int R = kBunnySideFieldCount;  // a right field is its left one plus this

// The rest pose as written: ears, eyebrows, eyeballs, arms per side; head
// and body; every leg angle 0.
std::vector<float> WrittenRest() {
    std::vector<float> rest(kBunnyPoseFieldCount, 0.0f);
    const std::map<int, float> side = {
        {kEarBend, -17},      {kEarRotate, -24},     {kEyebrowAngle, 0},     {kEyebrowOrientation, 20},
        {kEyeballRadius, 0.06f}, {kEyeballXcor, 0.05f}, {kEyeballYcor, 0.1375f},
        {kBackarmY, 21},      {kBackarmZ, -45},      {kBackarmDim, 0.0945f},
        {kForearmY, -83},     {kForearmZ, -6},       {kForearmDim, 0.12285f},
        {kHandY, -17},        {kHandZ, -6},          {kHandDim, 0.0385f},
    };
    for (auto [f, v] : side) rest[f] = rest[f + R] = v;
    rest[kHeadPosY] = 0.4875f;
    rest[kBodyPosY] = -0.22f;
    return rest;
}

// Field lists by the joints a pose's description names.
std::vector<int> Fields(std::initializer_list<int> left, bool bothSides) {
    std::vector<int> out;
    for (int f : left) {
        out.push_back(f);
        if (bothSides) out.push_back(f + R);
    }
    return out;
}
std::vector<int> Range(int first, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(first + i);
    return out;
}
std::vector<int> Join(std::initializer_list<std::vector<int>> lists) {
    std::vector<int> out;
    for (const auto& l : lists) out.insert(out.end(), l.begin(), l.end());
    return out;
}
const std::vector<int> kEars = Fields({kEarBend, kEarRotate}, true);
const std::vector<int> kEyeballs = Fields({kEyeballRadius, kEyeballXcor, kEyeballYcor}, true);
const std::vector<int> kEyePositions = Fields({kEyeballXcor, kEyeballYcor}, true);
const std::vector<int> kHead = Range(kHeadAngleX, 6);
const std::vector<int> kBody = Range(kBodyAngleX, 6);
const std::vector<int> kLegs = Join({Range(kUpperlegX, 9), Range(kUpperlegX + R, 9)});
const std::vector<int> kRightArm = Range(kBackarmX + R, 12);  // backarm, forearm, hand: angles, dimension

struct PoseValues {
    const char* name;
    const PoseRow* row;
    std::vector<int> moves;           // every field it tweens; no other field may move
    std::map<int, float> offRest;     // the targets that are not the rest value
};

std::map<int, float> CollapseTargets() {
    return {
        {kEyeballRadius, 0.0592323f}, {kEyeballXcor, 0.04f}, {kEyeballYcor, 0.26572f},
        {kEyeballRadius + R, 0.0392323f}, {kEyeballYcor + R, 0.015818f},
        {kHeadAngleX, 0.216034f}, {kHeadAngleY, -1.0196f}, {kHeadAngleZ, 0.0391986f},
        {kHeadPosY, 0.48701f},
        {kBodyAngleX, 4}, {kBodyAngleY, -720}, {kBodyAngleZ, -62},
        {kBodyPosX, 0.25f}, {kBodyPosY, -0.36f},
        {kBackarmY + R, -45.8424f}, {kBackarmZ + R, 32.1956f},
        {kForearmY + R, -10.3531f}, {kForearmZ + R, -15.804f},
        {kUpperlegX, -65}, {kUpperlegZ, -31}, {kUpperlegX + R, -69}, {kUpperlegZ + R, 86},
        {kLowerlegX, -37}, {kLowerlegZ, -1}, {kLowerlegX + R, -50}, {kLowerlegZ + R, -4},
        {kFootX, 63}, {kFootX + R, 68},
    };
}
std::map<int, float> With(std::map<int, float> base, std::map<int, float> changes) {
    for (auto [f, v] : changes) base[f] = v;
    return base;
}

std::vector<PoseValues> Cases() {
    const std::vector<int> collapse = Join({kEyeballs, kHead, kBody, kLegs, kRightArm});
    const std::vector<int> lean = Join({kEars, kEyePositions, kBody, kHead, kLegs});
    return {
        {"BurnCollapse", &kRowBurnCollapse, collapse, CollapseTargets()},
        {"BurnCollapsePalace", &kRowBurnCollapsePalace, collapse,
         With(CollapseTargets(), {{kBodyAngleY, -360}, {kBodyPosX, 0.09f}, {kBodyPosY, -0.1f},
                                  {kBodyPosZ, 0.1f}})},
        {"BurnCollapseOpening", &kRowBurnCollapseOpening, collapse,
         With(CollapseTargets(), {{kBodyPosY, -0.93f}, {kBodyPosZ, -3.96f}})},
        // The two leans are not mirror images: each bends one foot only, and
        // the outer ear swings right round.
        {"LeanLeft", &BunnyInGamePoseRow(6), lean,
         {{kEarBend, 82}, {kEarRotate, 199}, {kEarBend + R, 82}, {kEarRotate + R, 2},
          {kEyeballXcor, 0.09f}, {kEyeballXcor + R, 0.09f},
          {kBodyAngleY, -4}, {kBodyAngleZ, 10}, {kBodyPosY, -0.24f}, {kHeadAngleZ, -11},
          {kUpperlegX, -1}, {kUpperlegZ, 5}, {kUpperlegX + R, 5}, {kUpperlegZ + R, -12},
          {kLowerlegX, 3}, {kLowerlegZ, -13}, {kLowerlegX + R, -5}, {kLowerlegZ + R, 16},
          {kFootY + R, -1}, {kFootZ + R, 6}}},
        {"LeanRight", &BunnyInGamePoseRow(7), lean,
         {{kEarBend + R, 82}, {kEarRotate + R, 199}, {kEarBend, 82}, {kEarRotate, 2},
          {kEyeballXcor, 0.01f}, {kEyeballXcor + R, 0.01f},
          {kBodyAngleY, 4}, {kBodyAngleZ, -10}, {kBodyPosY, -0.24f}, {kHeadAngleZ, 11},
          {kUpperlegX + R, 1}, {kUpperlegZ + R, -5}, {kUpperlegX, -5}, {kUpperlegZ, 12},
          {kLowerlegX + R, -3}, {kLowerlegZ + R, 13}, {kLowerlegX, 5}, {kLowerlegZ, -16},
          {kFootY, -1}, {kFootZ, 6}}},
    };
}

}  // namespace

TEST(BunnyPoseValues, RestIsAsWritten) {
    ASSERT_TRUE(EnsureGlContext());
    const std::vector<float> rest = WrittenRest();
    Bunny* b = NewBunny(0, 1);
    for (int f = 0; f < kBunnyPoseFieldCount; ++f) {
        EXPECT_FLOAT_EQ(BunnyLayout().rest[f], rest[f]) << "rest of field " << f;
        EXPECT_FLOAT_EQ(b->field[f], rest[f]) << "new figure's field " << f;
    }
    DeleteBunny(b);
}

TEST(BunnyPoseValues, PosesMoveOnlyTheirFieldsToTheirWrittenTargets) {
    const std::vector<float> rest = WrittenRest();
    for (const PoseValues& c : Cases()) {
        SCOPED_TRACE(c.name);
        ResolvedPose pose = ResolvePose(BunnyLayout(), *c.row);
        std::vector<char> expectMoves(kBunnyFieldCount, 0);
        for (int f : c.moves) expectMoves[f] = 1;
        for (int f = 0; f < kBunnyFieldCount; ++f) {
            ASSERT_EQ(pose.moves[f], expectMoves[f]) << "whether field " << f << " moves";
            if (!pose.moves[f]) continue;
            auto it = c.offRest.find(f);
            EXPECT_NEAR(pose.target[f], it != c.offRest.end() ? it->second : rest[f], 1e-5f)
                << "target of field " << f;
        }
        for (auto [f, v] : c.offRest) EXPECT_TRUE(expectMoves[f]) << "field " << f << " listed";
    }
}
