// The browser's start page (HKEY_CURRENT_USER).
#pragma once
#include <string_view>

namespace vd {

// Writes "Start Page" of the browser's main settings, creating the key when
// it is missing; nothing happens when it cannot be opened.
void SetStartPage(std::string_view url);

}  // namespace vd
