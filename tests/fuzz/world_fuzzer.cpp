// Feeds arbitrary bytes to the world file reader. Each load frees the grids of
// the one before, so leaks are reported like any other finding.
#include "fuzz_support.h"
#include "world/board.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = WriteFuzzInput(data, size, ".data");
    RunCatchingExit([](const char* file) { ReadWorldGrids(file); }, path.c_str());
    return 0;
}
