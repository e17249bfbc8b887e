// The test programs' main. The game's random numbers are seeded alike in
// every run. A program that ends before its tests are done (the code under
// test calling exit, with whatever code) fails, saying so.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/helpers.h"

namespace {
bool testsDone = false;

void FailAnEarlyEnd() {
    // A death test's child ends early on purpose.
    if (testsDone || testing::internal::InDeathTestChild()) return;
    std::fflush(stdout);
    std::fputs("FAILED: the test program ended before its tests were done\n", stderr);
    _exit(1);
}
}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Every new figure, world and scene seeds the game's random numbers.
    HoldRandomSeed(1);
    std::atexit(FailAnEarlyEnd);
    int status = RUN_ALL_TESTS();
    testsDone = true;
    return status;
}
