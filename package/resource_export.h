// Copies a custom resource of the running program out to a file.
#pragma once
#include <string>

namespace vd {

// Finds the resource of type `type` and name `name` (case-insensitive
// strings, e.g. "dbfile", "idata") in the program's own module and writes
// its bytes, in one piece, to `target` (UTF-8 path), replacing any file of
// that name. Returns false on any failure (no such resource, a target that
// cannot be created, a short write); nothing is raised. A target created
// before a failed write is left as it is.
bool ExportResource(const std::string& type, const std::string& name, const std::string& target);

}  // namespace vd
