#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>

#include "support/helpers.h"

namespace {
struct FatalExit {
    int code;
};

void ThrowExit(int code) { throw FatalExit{code}; }

// The readers print their messages on standard output; a fuzzing run wants
// them gone. Standard error stays: the sanitizers report there.
struct QuietOutput {
    QuietOutput() { std::freopen("/dev/null", "w", stdout); }
};
}  // namespace

std::string WriteFuzzInput(const uint8_t* data, size_t size, const char* suffix) {
    static QuietOutput quiet;
    std::string path = "/tmp/pib-fuzz-" + std::to_string(getpid()) + suffix;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

int RunCatchingExit(void (*body)(const char* path), const char* path) {
    SetExitHandler(ThrowExit);
    try {
        body(path);
    } catch (const FatalExit& e) {
        return e.code;
    }
    return -1;
}
