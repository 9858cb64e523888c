// The warning box and the folder-browse dialog.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// Caption used when a warning is shown without one.
inline constexpr const char* kWarningCaption = "警告";

// A modal message box with an exclamation icon and an OK button only;
// returns when the user closes it. An empty caption becomes "警告".
void ShowWarning(std::string_view text, std::string_view caption);

// The shell's folder-browse dialog rooted at the desktop, file-system folders
// only, new dialog style. A non-empty initialFolder is preselected. Returns
// the chosen folder without a trailing backslash, or empty when the user
// cancels or the chosen item has no file-system path.
std::string BrowseForFolder(std::string_view title, std::string_view initialFolder);

}  // namespace vd
