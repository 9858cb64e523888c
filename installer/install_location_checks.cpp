#include "installer/install_location_checks.h"

#include <string>

#include "installer/app_paths.h"
#include "installer/rules/install_location.h"
#include "installer/rules/player_files.h"
#include "installer/uninstall_entry.h"
#include "system/process.h"
#include "system/run.h"

namespace vd {

void RunOldUninstaller(std::string_view folder) {
  RunAndWait(std::string(folder) + kUninstallerExeName, 1);
}

void StartPlayer(std::string_view installDir) { RunProgram(std::string(installDir) + kPlayerExeName, true); }

bool RunInstallPathChecks(const TWarningSink& warn) {
  if (!ReadInstalledDir().empty()) {
    warn(kOldVersionWarning);
    RunOldUninstaller(ReadInstalledDir());
    DeleteAppPath();
    DeleteUninstallEntry();
  }
  if (IsProcessRunning(kPlayerExeName)) {
    warn(kPlayerRunningWarning);
    return true;
  }
  return false;
}

}  // namespace vd
