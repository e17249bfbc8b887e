// Feeds arbitrary bytes to the creature file reader.
#include "fuzz_support.h"
#include "players/creatures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = WriteFuzzInput(data, size, ".data");
    RunCatchingExit([](const char* file) { LoadCreatures(file); }, path.c_str());
    return 0;
}
