// A full structural check of a container file, for tools: offsets, both
// chains, counts, slot lengths, and every live payload inflating to its
// declared size. Reads only; never raises for anything in the file.
#pragma once
#include <string>
#include <vector>

namespace vd {

// One message per problem found; empty when the file is sound. A file that
// cannot be opened gives one message.
std::vector<std::string> CheckPackage(const std::string& path);

}  // namespace vd
