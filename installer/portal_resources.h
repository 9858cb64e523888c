// Reads the portal-mode pair from the program's string table.
#pragma once
#include <string>

#include "installer/portal_mode.h"

namespace vd {

// String table entry `id` of the program's own module as UTF-8; empty when
// there is none.
std::string ReadStringResource(unsigned id);

// Entries 1 and 2 of the string table, decided by DecidePortalMode.
TPortalMode ReadPortalMode();

}  // namespace vd
