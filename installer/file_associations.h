// The media file types the player opens, under HKEY_CLASSES_ROOT.
#pragma once
#include <string_view>
#include <vector>

#include "installer/rules/file_types.h"

namespace vd {

// Writes the association rows (extension -> ProgID -> description, icon,
// "Open" verb and command) one after the other; a key that cannot be opened
// or created is skipped and the next row written.
void RegisterFileType(std::string_view extension, std::string_view player, std::string_view progId,
                      std::string_view iconPath, std::string_view description);

// Removes the extension's default value when it names progId (an extension
// that another program owns keeps its association), then the ProgID key with
// everything below it. No earlier association is restored.
void UnregisterFileType(std::string_view extension, std::string_view progId);

// Registers every checked and unregisters every unchecked file type of the
// tree, in index order (an extension that stands twice ends as its later
// node says); icons lie in userDataDir. Then tells the shell once that
// associations changed, so that it drops its stale icons.
void ApplyFileAssociations(const std::vector<TTypeChoice>& nodes, std::string_view player,
                           std::string_view userDataDir);

}  // namespace vd
