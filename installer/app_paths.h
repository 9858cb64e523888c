// The player's App Paths entry under HKEY_LOCAL_MACHINE: its presence marks
// an installed player, its folder is where that player's uninstaller lies.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// The folder of the installed player (up to and including the last
// backslash or colon of the entry's default value); empty when there is no
// entry, or its value names no folder.
std::string ReadInstalledDir();

// Removes the entry with everything below it.
void DeleteAppPath();

// Writes the entry anew with the player's full path as its default value.
// Nothing happens when the App Paths key itself cannot be opened.
void WriteAppPath(std::string_view playerPath);

}  // namespace vd
