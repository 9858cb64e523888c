// The machine facts the wizard's start-up needs, and the folders it settles
// from them.
#pragma once
#include "installer/rules/startup_folders.h"

namespace vd {

// Major version of the running Windows (5 = XP, 6 = Vista/7, 10 = 10/11).
int GetWindowsMajorVersion();
// Major version 6 or more.
bool IsWindowsVista();

// Asks the system for every fact the start-up folder rules use.
TStartupFacts GatherStartupFacts();
// Applies the start-up folder rules to the real machine and creates the
// fallback temporary folder when that is chosen and missing.
TStartupFolders WorkOutStartupFolders();

}  // namespace vd
