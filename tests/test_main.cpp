// The test programs' main. A program that ends before its tests are done
// (the code under test calling exit, with whatever code) has not run them
// all, and must not pass for one that did: it fails, saying so.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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
    std::atexit(FailAnEarlyEnd);
    int status = RUN_ALL_TESTS();
    testsDone = true;
    return status;
}
