// The shortcuts the finish page makes, by Windows generation and by the
// user's choices, in the order they are made.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// The shell folders the shortcuts go to, each with a trailing backslash.
struct TShortcutFolders {
    std::string desktop;         // the desktop for this generation
    std::string quickLaunch;     // the Quick Launch bar
    std::string commonPrograms;  // the all-users program menu (newer Windows)
    std::string programs;        // the user's program menu for this generation
};

struct TShortcutChoice {
    bool isVista = false;          // Windows major version 6 or more
    bool linkDesktop = false;      // "在桌面建立快捷方式"
    bool linkQuickLaunch = false;  // "在快速启动栏建立快捷方式"
};

struct TShortcutRow {
    std::string linkFile;
    std::string target;
    std::string description;
};

// The player's sub-folder of the program menu: programs + "Vadode播放器\".
std::string ProgramsSubFolderOf(std::string_view programs);

// In order: the desktop link when chosen; the Quick Launch link when chosen
// on older Windows only; the all-users program-menu link on newer Windows
// whatever the choices; then always the player's and the uninstaller's links
// in the program menu's sub-folder.
std::vector<TShortcutRow> PlanShortcuts(const TShortcutChoice& choice, const TShortcutFolders& folders,
                                        std::string_view installDir);

}  // namespace vd
