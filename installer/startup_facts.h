// The machine facts the wizard's start-up needs, gathered from the system
// services, and the folders it settles from them.
#pragma once
#include "installer/rules/startup_folders.h"

namespace vd {

// Windows major version 6 or more.
bool IsWindowsVista();

// Asks the system for every fact the start-up folder rules use.
TStartupFacts GatherStartupFacts();
// Applies the start-up folder rules to the real machine and creates the
// fallback temporary folder when that is chosen and missing.
TStartupFolders WorkOutStartupFolders();

}  // namespace vd
