#include "installer/player_shortcuts.h"

#include "system/folders.h"
#include "system/shortcut.h"

namespace vd {

TShortcutFolders GatherShortcutFolders(bool isVista) {
  TShortcutFolders f;
  f.desktop = GetDesktopFolder(isVista);
  f.quickLaunch = GetQuickLaunchFolder();
  f.commonPrograms = GetStartMenuFolder(true);
  f.programs = GetProgramsMenuFolder(isVista);
  return f;
}

void CreatePlayerShortcuts(const TShortcutChoice& choice, const TShortcutFolders& folders,
                           std::string_view installDir) {
  const std::string sub = ProgramsSubFolderOf(folders.programs);
  if (!FolderExists(sub)) ForceFolder(sub);
  for (const TShortcutRow& row : PlanShortcuts(choice, folders, installDir))
    CreateShortcut(row.target, "", row.linkFile, row.description);
}

}  // namespace vd
