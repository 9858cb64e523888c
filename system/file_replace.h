// Writing a whole file so that a failure never leaves a truncated one.
#pragma once
#include <cstdint>
#include <string_view>

namespace vd {

// Writes the bytes to a new temporary file in the target's folder and only
// when all of them are written puts it in place of the target (created or
// replaced). On any failure (folder missing, disk full, target locked) the
// temporary file is removed, an existing target keeps its old content, and
// the result is false.
bool WriteFileReplacing(std::string_view path, const void* data, int64_t size);

}  // namespace vd
