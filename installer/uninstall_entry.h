// The player's Programs and Features entry under HKEY_LOCAL_MACHINE.
#pragma once
#include <cstdint>
#include <string_view>

namespace vd {

// Writes the entry anew (an older one goes first) for the player installed
// in installDir, taking estimatedSizeKiB on disk.
void WriteUninstallEntry(std::string_view installDir, uint32_t estimatedSizeKiB);

// Removes the entry with everything below it.
void DeleteUninstallEntry();

}  // namespace vd
