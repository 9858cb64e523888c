// What entering the install-location page checks, and the programs the
// installation starts: an older version's uninstaller and the new player.
#pragma once
#include <functional>
#include <string_view>

namespace vd {

// Shows a warning to the user (ShowWarning with the default caption).
using TWarningSink = std::function<void(std::string_view text)>;

// Runs the uninstaller of the installed player in `folder` and waits for it
// to end, the program path quoted.
void RunOldUninstaller(std::string_view folder);

// Starts the installed player in installDir, shown, without waiting; the
// program path quoted.
void StartPlayer(std::string_view installDir);

// The page's checks in order. An installed older version: the warning, its
// uninstaller run and waited for, its App Paths and Programs and Features
// entries deleted. Then a running
// player: the warning, and true (the wizard must close). False otherwise.
bool RunInstallPathChecks(const TWarningSink& warn);

}  // namespace vd
