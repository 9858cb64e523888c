#include "installer/rules/shortcut_plan.h"

#include "installer/rules/player_files.h"

namespace vd {

std::string ProgramsSubFolderOf(std::string_view programs) { return std::string(programs) + kProgramsSubFolder; }

std::vector<TShortcutRow> PlanShortcuts(const TShortcutChoice& choice, const TShortcutFolders& folders,
                                        std::string_view installDir) {
    const std::string player = std::string(installDir) + kPlayerExeName;
    auto playerLink = [&](const std::string& folder) {
        return TShortcutRow{folder + kPlayerLinkName, player, kPlayerDisplayName};
    };
    std::vector<TShortcutRow> rows;
    if (choice.linkDesktop) rows.push_back(playerLink(folders.desktop));
    if (choice.linkQuickLaunch && !choice.isVista) rows.push_back(playerLink(folders.quickLaunch));
    if (choice.isVista) rows.push_back(playerLink(folders.commonPrograms));
    const std::string sub = ProgramsSubFolderOf(folders.programs);
    rows.push_back(playerLink(sub));
    rows.push_back({sub + kUninstallLinkName, std::string(installDir) + kUninstallerExeName, kUninstallDescription});
    return rows;
}

}  // namespace vd
