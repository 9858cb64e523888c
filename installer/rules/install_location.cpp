#include "installer/rules/install_location.h"

#include "core/text.h"
#include "installer/rules/startup_folders.h"

namespace vd {

std::string FreeSpaceLabel(std::string_view freeSpaceText) { return "可用空间：" + std::string(freeSpaceText); }

std::string InstallPathForBrowsedFolder(std::string_view folder) {
    return IncludeTrailingBackslash(folder) + kPlayerFolderName + "\\";
}

}  // namespace vd
