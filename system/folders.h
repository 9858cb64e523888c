// Special folders of the user profile and of the system. Results are UTF-8
// and end with a backslash unless they are empty (GetSpecialFolderPath adds
// none). A folder the platform cannot supply comes back empty; a folder built
// on top of such a folder is empty as well.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace vd {

// Shell folder identifiers the installer asks for.
enum TShellFolderId : int {
    sfDesktop = 0,          // CSIDL_DESKTOP
    sfPersonal = 5,         // CSIDL_PERSONAL (documents)
    sfStartMenu = 11,       // CSIDL_STARTMENU
    sfAppData = 26,         // CSIDL_APPDATA (roaming)
    sfLocalAppData = 28,    // CSIDL_LOCAL_APPDATA
    sfCommonAppData = 35,   // CSIDL_COMMON_APPDATA
};

// The folder from the shell-folder library's get-folder-path call (current
// folder, no access token); `create` adds CSIDL_FLAG_CREATE.
std::string GetShellFolderPath(int csidl, bool create);
// The folder of the shell's special-folder item identifier list, without a
// trailing backslash.
std::string GetSpecialFolderPath(int csidl);

std::string GetWindowsFolder();
// The first three characters of the Windows folder, such as C:\ .
std::string GetWindowsDrive();
// "ProgramFilesDir" of HKLM\Software\Microsoft\Windows\CurrentVersion.
std::string GetProgramFilesFolder();
std::string GetRoamingDataFolder();

// The folders below take the profile layout: newer = Windows major version 6
// or more.
// The user's program menu.
std::string GetProgramsMenuFolder(bool newerLayout);
// Newer: the all-users program menu; older: the user's Start menu itself.
std::string GetStartMenuFolder(bool newerLayout);
std::string GetDesktopFolder(bool newerLayout);
std::string GetQuickLaunchFolder();
// The user's temporary folder as the profile layout places it.
std::string GetTempFolder(bool newerLayout);

bool FolderExists(std::string_view path);
bool FileExists(std::string_view path);
// Creates the folder and every missing parent; stops silently where the
// platform refuses. With `made`, every folder it created is added to it,
// parents before their children.
void ForceFolder(std::string_view path, std::vector<std::string>* made = nullptr);

}  // namespace vd
