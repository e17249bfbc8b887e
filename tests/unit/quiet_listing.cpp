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

// True when this program was started with --gtest_list_tests. Read from
// /proc, since the arguments reach no code of ours before the globals.
bool ListingTests() {
    int fd = open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char args[4096];
    size_t length = 0;
    ssize_t n;
    while (length < sizeof args - 1 &&
           (n = read(fd, args + length, sizeof args - 1 - length)) > 0)
        length += static_cast<size_t>(n);
    close(fd);
    args[length] = '\0';  // in case the last one was cut short
    // The arguments stand one after another, each ended by a NUL.
    for (size_t at = 0; at < length; at += std::strlen(args + at) + 1)
        if (std::strncmp(args + at, "--gtest_list_tests", 18) == 0) return true;
    return false;
}

// Runs before every global without a priority, the sound globals among them.
__attribute__((constructor(101))) void QuietWhileListing() {
    if (!ListingTests()) return;
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0) return;
    dup2(null, STDERR_FILENO);
    close(null);
}

}  // namespace
