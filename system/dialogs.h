// The warning box and the folder-browse dialog, both modal to one owner
// window (the wizard's main form): the owner takes no input while one is
// up, and the dialog stays above it.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace vd {

// Caption used when a warning is shown without one.
inline constexpr const char* kWarningCaption = "警告";

// The window that owns every warning and folder browser from now on (null:
// none). The wizard names its main form once its window exists.
void SetDialogOwner(HWND owner);
HWND DialogOwner();

// A modal message box with an exclamation icon and an OK button only;
// returns when the user closes it. An empty caption becomes "警告".
void ShowWarning(std::string_view text, std::string_view caption);

// The same box with the buttons Retry and Cancel (Retry the default); true
// when the user chose Retry. An empty caption becomes "警告".
bool AskRetry(std::string_view text, std::string_view caption);

// The shell's folder-browse dialog rooted at the desktop, file-system folders
// only, new dialog style. A non-empty initialFolder is preselected. Returns
// the chosen folder without a trailing backslash, or empty when the user
// cancels or the chosen item has no file-system path. While one browser is
// open a second call opens none and returns empty at once.
std::string BrowseForFolder(std::string_view title, std::string_view initialFolder);

}  // namespace vd
