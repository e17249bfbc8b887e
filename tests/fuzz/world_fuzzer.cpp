// Feeds arbitrary bytes to the world file reader. Every load leaves the old
// grids allocated, as the game does, so run it with ASAN_OPTIONS=detect_leaks=0.
#include "fuzz_support.h"
#include "world/board.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = WriteFuzzInput(data, size, ".data");
    RunCatchingExit([](const char* file) { ReadWorldGrids(file); }, path.c_str());
    return 0;
}
