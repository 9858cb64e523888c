// The install folder checked on the real machine when Install is pressed,
// before the extraction writes anything: the text rules, the path lengths,
// the drives, their free space, and a folder that can be made and written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "installer/rules/folder_rules.h"

namespace vd {

// The uncompressed sizes of the package's entries in table order, -1 for an
// entry it lacks; every size -1 when the package cannot be read (opening it
// for the extraction then reports why).
std::vector<int64_t> ReadEntrySizes(const std::string& packageFile);

struct TFolderCheck {
    TFolderFault fault = ffNone;
    TFolderFaultFacts facts;
    // The folders the check made, parents first: a copy that does not end
    // removes them again.
    std::vector<std::string> madeFolders;
};

// The checks in order; the install folder is created by the last two (what
// they created is removed again when the folder cannot be written).
TFolderCheck CheckInstallFolder(const TPlayerFolders& folders, const std::vector<int64_t>& entrySizes);

}  // namespace vd
