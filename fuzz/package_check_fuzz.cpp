// `xpdb check`'s checker on whole file images: whatever the bytes, it lists
// problems and returns; it never raises, crashes or runs away.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "fuzz/memory_file.h"
#include "package/package_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static vd::fuzz::TMemoryFile image("check-image");
    image.Assign(data, size);
    try {
        vd::CheckPackage(image.Path());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "package check raised: %s\n", e.what());
        std::abort();
    }
    return 0;
}
