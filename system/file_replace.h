// Writing a whole file so that a failure never leaves a truncated one, and
// keeping the file it replaces aside so that it can be put back.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

// Writes the bytes to a new temporary file in the target's folder and only
// when all of them are written puts it in place of the target (created or
// replaced). On any failure (folder missing, disk full, target locked) the
// temporary file is removed, an existing target keeps its old content, and
// the result is false.
bool WriteFileReplacing(std::string_view path, const void* data, int64_t size);

// As WriteFileReplacing, but an existing target is not overwritten: it is
// first renamed to a new temporary name in its folder, which `kept` returns
// (empty when there was no target). A target held open by another program
// cannot be renamed: the write fails. On any failure the target is as it
// was and `kept` is empty.
bool WriteFileKeepingOld(std::string_view path, const void* data, int64_t size, std::string* kept);

// Puts a kept file back under its old name, in place of whatever is there.
bool RestoreKeptFile(std::string_view kept, std::string_view path);
// Deletes a file, a read-only one as well.
bool RemoveFile(std::string_view path);
// Removes a folder when it is empty.
bool RemoveEmptyFolder(std::string_view path);

}  // namespace vd
