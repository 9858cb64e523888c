// Keeping a file that the installer has just written from the operations
// Windows carries out at its next start: an old uninstaller that could not
// delete itself while it ran leaves its deletion for then, which would take
// the new uninstaller of the same name with it.
#pragma once
#include <string_view>

namespace vd {

// Drops every pending delete, move or replacement that names `path` (both
// lists Windows keeps). False when a list that names it cannot be written
// back (no administrator rights).
bool ForgetPendingFileOperations(std::string_view path);

}  // namespace vd
