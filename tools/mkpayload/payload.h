// The demo payload: the player's 59 file names with deterministic contents,
// standing in for the real player when the package is built for development
// and tests. Two profiles: `small` (a few hundred kilobytes, quick to build
// and test) and `full` (the sizes of the shipped package: 41,389,150 bytes,
// largest entry 17,773,936 bytes, about 2.2:1 compressible at zlib level 9).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vd {

enum class TPayloadProfile { Small, Full };

struct TPayloadFile {
    std::string Name;
    uint32_t Size;
};

// The 59 files in package order (the order the shipped package holds them).
std::vector<TPayloadFile> DemoPayloadFiles(TPayloadProfile profile);

// Deterministic contents of one file: a function of its name and size only.
std::vector<uint8_t> DemoPayloadContent(const std::string& name, uint32_t size);

// The file of a real program in the payload: its bytes first, then the
// demo content of the name and size after them, so that the file keeps the
// profile's size (a program longer than the size is taken whole). Windows
// ignores bytes after a program's image.
std::vector<uint8_t> ProgramPayloadContent(const std::string& name, uint32_t size,
                                           const std::vector<uint8_t>& program);

bool ParsePayloadProfile(const std::string& text, TPayloadProfile& profile);

}  // namespace vd
