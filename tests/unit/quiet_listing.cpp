// Listing the tests says nothing about sound. The build lists them as soon
// as this program is linked (CTest's test discovery), on machines without a
// sound device too, and the game's sound globals, built before main, would
// have PLIB tell the terminal that /dev/dsp and /dev/mixer are missing. A
// listing writes only to standard output, so its standard error goes to
// /dev/null before those globals are built; a test run keeps its own.
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace {

// Priority 101 runs before every global without one, the sound globals
// among them; glibc hands constructors the program's arguments as it hands
// them to main.
__attribute__((constructor(101))) void QuietWhileListing(int argc, char** argv, char**) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") != 0) continue;
        int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) dup2(null, STDERR_FILENO), close(null);
        return;
    }
}

}  // namespace
