// Pure path rules behind the special-folder services: how the user-profile
// folders are composed on the two Windows generations, and the parent-folder
// rule they depend on. All folders are UTF-8 and end with a backslash unless
// they are empty.
#pragma once
#include <string>
#include <string_view>

namespace vd {

// The path without its last folder. The path is cut into components at its
// backslashes (each component trimmed of blanks and control characters);
// text after the last backslash is never a component. The result is every
// component but the last, each followed by a backslash, or empty when fewer
// than two components were found:
//   C:\Users\u1\Documents\ -> C:\Users\u1\      C:\Users\u1\Documents -> C:\Users\ .
std::string GetParentFolder(std::string_view path);

// Appends a backslash to a non-empty folder that lacks one; empty stays empty.
std::string WithTrailingBackslash(std::string_view folder);

// The drive part of a path: "C:" for a local path, "\\server\share" for a
// network path, empty when the path names neither.
std::string DriveOfPath(std::string_view path);

// Folder compositions. Arguments are what the shell reports (folders with a
// trailing backslash unless empty, except where noted).
// Newer layout (Windows 6+): roaming data + "Microsoft\Windows\Start Menu\Programs\".
std::string ProgramsMenuFromRoaming(std::string_view roamingData);
// Newer layout: all-users data + "Microsoft\Windows\Start Menu\Programs\".
std::string CommonProgramsMenuFromCommonData(std::string_view commonData);
// Newer layout: the parent of the documents folder + "Desktop\".
std::string DesktopFromDocuments(std::string_view documents);
// Newer layout: local application data + "Temp\".
std::string TempFromLocalData(std::string_view localData);
// Older layout: the parent of the Start menu + "Local Settings\Temp\".
std::string TempFromStartMenu(std::string_view startMenu);
// Roaming data as the item-identifier list gives it (no trailing backslash)
// + "\Microsoft\Internet Explorer\Quick Launch\".
std::string QuickLaunchFromRoaming(std::string_view roamingDataNoBackslash);

}  // namespace vd
