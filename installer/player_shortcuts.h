// The shortcuts of the finish page.
#pragma once
#include <string_view>

#include "installer/rules/shortcut_plan.h"

namespace vd {

// The shell folders of this machine for the Windows generation.
TShortcutFolders GatherShortcutFolders(bool isVista);

// Makes the program menu's "Vadode播放器\" sub-folder when it is missing,
// then every shortcut of the plan in order. A shortcut whose folder does not
// exist is not written; nothing is reported.
void CreatePlayerShortcuts(const TShortcutChoice& choice, const TShortcutFolders& folders,
                           std::string_view installDir);

}  // namespace vd
