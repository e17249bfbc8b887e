// The Bunny's record: a new figure, its outfits and textures, the accessors,
// refusals of bad indices, and the position dump.
#include <GL/gl.h>

#include <cstring>
#include <functional>
#include <set>
#include <sstream>
#include <vector>

#include "effects/emitter.h"
#include "figures/bunny.h"
#include "figures/bunny_record.h"
#include "test_support.h"

namespace {

class BunnyRecord : public ::testing::Test {
protected:
    Bunny* b = nullptr;
    void SetUp() override {
        ASSERT_TRUE(EnsureGlContext());
        b = NewBunny(2, 1);
    }
    void TearDown() override { DeleteBunny(b); }
    std::vector<float> Fields() const { return {b->field, b->field + kBunnyFieldCount}; }
};

TEST_F(BunnyRecord, ANewFigureStandsAtRestInItsOutfitWithItsEmittersOff) {
    EXPECT_EQ(std::vector<float>(b->field, b->field + kBunnyPoseFieldCount),
              std::vector<float>(BunnyLayout().rest, BunnyLayout().rest + kBunnyPoseFieldCount));
    // Both guns there but at scale 0, so neither hand counts as holding one.
    EXPECT_EQ(b->gunFlag[0] + b->gunFlag[1], 2);
    EXPECT_EQ(BunnyHandHasGun(b, 0) + BunnyHandHasGun(b, 1), 0);
    b->field[kGunScale + 1] = 0.01f;
    EXPECT_EQ(BunnyHandHasGun(b, 1), 1);
    SetBunnyGunFlag(b, 1, 0);
    EXPECT_EQ(BunnyHandHasGun(b, 1), 0);
    SetBunnyOutfit4(b);
    EXPECT_EQ(b->outfit, 4);
    SetBunnyColorScheme(b, 2);
    EXPECT_EQ(b->shoes + b->whiskers, 2);
    EXPECT_EQ(b->glasses + b->faceMark + b->trembling + b->stance, 0);
    for (const BunnyEmitterSlot& e : b->emitters) {
        ASSERT_NE(e.emitter, nullptr);
        EXPECT_EQ(e.stepCount - 1 + e.burstLength + EmitterCount(e.emitter), 0);
    }
}

// Each accessor writes exactly its fields: Set stores, Nudge adds, and the
// arm accessors leave the segment lengths alone.
TEST_F(BunnyRecord, SetAndNudgeTouchExactlyTheirFields) {
    struct Case {
        const char* name;
        std::function<void(Bunny*, bool nudge)> call;
        std::vector<int> fields;  // in argument order
    };
    const int R = kBunnySideFieldCount;
    auto side3 = [](auto set, auto nudge, int side) {
        return [=](Bunny* x, bool n) { (n ? nudge : set)(x, side, 1, 2, 3); };
    };
    const Case cases[] = {
        {"ear", [](Bunny* x, bool n) { (n ? NudgeBunnyEar : SetBunnyEar)(x, 1, 1, 2); },
         {R + kEarBend, R + kEarRotate}},
        {"eyebrow", [](Bunny* x, bool n) { (n ? NudgeBunnyEyebrow : SetBunnyEyebrow)(x, 0, 1, 2); },
         {kEyebrowAngle, kEyebrowOrientation}},
        {"eyeball", side3(SetBunnyEyeball, NudgeBunnyEyeball, 1),
         {R + kEyeballRadius, R + kEyeballXcor, R + kEyeballYcor}},
        {"head",
         [](Bunny* x, bool n) { (n ? NudgeBunnyHead : SetBunnyHead)(x, 1, 2, 3, 4, 5, 6); },
         {kHeadAngleX, kHeadAngleY, kHeadAngleZ, kHeadPosX, kHeadPosY, kHeadPosZ}},
        {"body",
         [](Bunny* x, bool n) { (n ? NudgeBunnyBody : SetBunnyBody)(x, 1, 2, 3, 4, 5, 6); },
         {kBodyAngleX, kBodyAngleY, kBodyAngleZ, kBodyPosX, kBodyPosY, kBodyPosZ}},
        {"backarm", side3(SetBunnyBackarm, NudgeBunnyBackarm, 0), {kBackarmX, kBackarmY, kBackarmZ}},
        {"forearm", side3(SetBunnyForearm, NudgeBunnyForearm, 1),
         {R + kForearmX, R + kForearmY, R + kForearmZ}},
        {"hand", side3(SetBunnyHand, NudgeBunnyHand, 0), {kHandX, kHandY, kHandZ}},
        {"upperleg", side3(SetBunnyUpperleg, NudgeBunnyUpperleg, 1),
         {R + kUpperlegX, R + kUpperlegY, R + kUpperlegZ}},
        {"lowerleg", side3(SetBunnyLowerleg, NudgeBunnyLowerleg, 0),
         {kLowerlegX, kLowerlegY, kLowerlegZ}},
        {"foot", side3(SetBunnyFoot, NudgeBunnyFoot, 1), {R + kFootX, R + kFootY, R + kFootZ}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool nudge : {false, true}) {
            std::vector<float> before = Fields();
            c.call(b, nudge);
            std::vector<float> expected = before;
            for (size_t i = 0; i < c.fields.size(); ++i)
                expected[c.fields[i]] = (nudge ? before[c.fields[i]] : 0) + float(i + 1);
            EXPECT_EQ(Fields(), expected) << (nudge ? "nudge" : "set");
        }
    }
}

TEST_F(BunnyRecord, BadOutfitsSidesAndHandsAreRefusedAndChangeNothing) {
    std::vector<float> fields = Fields();
    int flags[2] = {b->gunFlag[0], b->gunFlag[1]};
    testing::internal::CaptureStdout();
    SetBunnyColorScheme(b, 8);
    SetBunnyColorScheme(b, -1);
    SetBunnyEar(b, 2, 1, 1);
    NudgeBunnyFoot(b, -1, 1, 1, 1);
    SetBunnyBackarm(b, 7, 1, 1, 1);
    SetBunnyGunFlag(b, 2, 0);
    EXPECT_EQ(BunnyHandHasGun(b, -1), 0);
    Bunny* other = NewBunny(9, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(b->outfit, 2);
    EXPECT_EQ(Fields(), fields);
    EXPECT_EQ(b->gunFlag[0] * 10 + b->gunFlag[1], flags[0] * 10 + flags[1]);
    for (const char* message : {"There is no outfit 8: outfits are 0 to 7", "SetBunnyEar: there is no side 2",
                                "SetBunnyGunFlag: there is no side 2"})
        EXPECT_NE(out.find(message), std::string::npos) << out;
    EXPECT_EQ(other->outfit, 0) << "a figure made with a bad outfit wears outfit 0";
    DeleteBunny(other);
}

TEST_F(BunnyRecord, PositionDumpListsEveryPoseFieldInElevenGroups) {
    SetBunnyHead(b, 1.5f, 0, 0, 0, 0.4875f, 0);
    std::string s = WriteInDirAndRead(ScratchDir("bunny_dump"), "Bunny Position Data",
                                      [](void* x) { PrintBunnyPosition(static_cast<Bunny*>(x)); }, b);
    const std::string head =
        "Left ear bend: -17\nLeft ear rotate: -24\nRight ear bend: -17\n"
        "Right ear rotate: -24\n\nLeft eyeball radius: 0.06\n";
    EXPECT_EQ(s.substr(0, head.size()), head);
    std::vector<std::string> lines;
    std::stringstream text(s);
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 68u + 10u);
    EXPECT_EQ(lines[24], "Head angle X: 1.5");
    EXPECT_EQ(lines.back(), "Right foot angle Z: 0");
    EXPECT_EQ(s.substr(s.size() - 2), "0\n") << "one line end after the feet, no empty line";
}

TEST(BunnyTextures, TwentyThreeTexturesMadeOnceWithTheUntexturedOutfitsAtZero) {
    ASSERT_TRUE(EnsureGlContext());
    LoadBunnyTextures();
    const BunnyTextureSet& t = GetBunnyTextures();
    std::set<unsigned> names;
    for (int outfit : {0, 1, 2, 3, 6, 7}) names.insert({t.suit[outfit], t.vertical[outfit], t.horizontal[outfit]});
    names.insert({t.gunMouth, t.shoeSide, t.shoeLaces, t.shoeSole, t.lens});
    for (unsigned name : names) EXPECT_TRUE(glIsTexture(name)) << name;
    EXPECT_EQ(names.size(), 23u) << "the lounge sleeve is read into two textures";
    for (int outfit : {4, 5})
        EXPECT_EQ(t.suit[outfit] + t.vertical[outfit] + t.horizontal[outfit], 0u);
    BunnyTextureSet first = t;
    LoadBunnyTextures();
    EXPECT_EQ(std::memcmp(&first, &GetBunnyTextures(), sizeof first), 0) << "made only once";
}

}  // namespace
