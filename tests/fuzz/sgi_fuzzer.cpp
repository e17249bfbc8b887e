// Feeds arbitrary bytes to the SGI image reader.
#include <cstdlib>

#include "fuzz_support.h"
#include "support/sgi_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = WriteFuzzInput(data, size, ".sgi");
    RunCatchingExit(
        [](const char* file) {
            unsigned w, h, c;
            std::free(ReadSgiImage(file, &w, &h, &c));
        },
        path.c_str());
    return 0;
}
