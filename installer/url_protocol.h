// The player's URL protocol "davuroz" under HKEY_CLASSES_ROOT.
#pragma once
#include <string_view>

namespace vd {

// Clears an earlier registration, then writes "URL Protocol", the shell
// keys and the open command "Player" "%1" (both quoted). Keys that cannot be
// opened or created are skipped.
void RegisterUrlProtocol(std::string_view player);

}  // namespace vd
