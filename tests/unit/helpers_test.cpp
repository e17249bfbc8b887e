#include <gtest/gtest.h>

#include <cmath>

#include "support/helpers.h"
#include "test_support.h"

TEST(Helpers, RandomInRangeStaysInsideHalfOpenRange) {
    SeedRandomWith(1234);
    double lowest = 1e9, highest = -1e9;
    for (int i = 0; i < 200000; ++i) {
        double r = RandomInRange(0, 359);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_GE(lowest, 0.0);
    EXPECT_LT(highest, 359.0);
    EXPECT_LE(highest, 359.0 * 32767 / 32768 + 1e-9);
    EXPECT_GT(highest, 350.0);  // the draws do spread over the range
    EXPECT_EQ(RandomInRange(2.5, 2.5), 2.5);
    double neg = RandomInRange(-4, -2);
    EXPECT_TRUE(neg >= -4 && neg < -2);
}

TEST(Helpers, SeedingRepeatsTheSequence) {
    SeedRandomWith(99);
    double a = RandomInRange(0, 1), b = RandomInRange(0, 1);
    SeedRandomWith(99);
    EXPECT_EQ(RandomInRange(0, 1), a);
    EXPECT_EQ(RandomInRange(0, 1), b);
}

TEST(Helpers, SmallArithmetic) {
    EXPECT_DOUBLE_EQ(DegToRad(180.0), 3.14159);
    EXPECT_EQ(AbsDouble(-2.5), 2.5);
    EXPECT_EQ(AbsDouble(0.0), 0.0);
    EXPECT_TRUE(std::signbit(AbsDouble(0.0)));
    EXPECT_EQ(MaxInt(-3, 2), 2);
}

TEST(Helpers, TriangleNormalIsUnitAndFollowsWinding) {
    const float p0[3] = {0, 0, 0}, p1[3] = {2, 0, 0}, p2[3] = {0, 3, 0};
    float cross[3], n[3];
    ComputeTriangleCross(p0, p1, p2, cross);
    EXPECT_FLOAT_EQ(cross[2], 6.0f);
    ComputeTriangleNormal(p0, p1, p2, n);
    EXPECT_FLOAT_EQ(n[0], 0.0f);
    EXPECT_FLOAT_EQ(n[1], 0.0f);
    EXPECT_FLOAT_EQ(n[2], 1.0f);
    ComputeTriangleNormal(p0, p2, p1, n);
    EXPECT_FLOAT_EQ(n[2], -1.0f);
}

TEST(HelpersDeathTest, CheckedAllocEndsTheProgramWhenMemoryRunsOut) {
    EXPECT_EXIT_WITH_OUTPUT(CheckedAlloc(-5), 1,
                            "Called asking for -5 bytes, but no mem available!");
}

TEST(Helpers, SetPibColorRefusesABadPlayer) {
    ::testing::internal::CaptureStdout();
    SetPibColor(4);
    SetPibColor(-1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Set pib Color: invalid pib numSet pib Color: invalid pib num");
}

namespace {
struct ExitCalled {
    int code;
};
void ThrowOnExit(int code) { throw ExitCalled{code}; }
}  // namespace

TEST(Helpers, ExitHandlerCanCatchAFatalError) {
    SetExitHandler(ThrowOnExit);
    try {
        ExitProgram(3);
        FAIL() << "ExitProgram returned";
    } catch (const ExitCalled& e) {
        EXPECT_EQ(e.code, 3);
    }
    SetExitHandler(nullptr);
}
