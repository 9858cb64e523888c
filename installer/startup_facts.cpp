#include "installer/startup_facts.h"

#include "core/folder_layout.h"
#include "core/text.h"
#include "system/disk_space.h"
#include "system/folders.h"
#include "system/windows_version.h"

namespace vd {

bool IsWindowsVista() { return IsNewerLayout(GetWindowsMajorVersion()); }

TStartupFacts GatherStartupFacts() {
    TStartupFacts f;
    f.windowsMajorVersion = GetWindowsMajorVersion();
    bool newer = IsNewerLayout(f.windowsMajorVersion);
    f.programFilesFolder = GetProgramFilesFolder();
    f.tempFolder = GetTempFolder(newer);
    f.tempFolderExists = FolderExists(f.tempFolder);
    std::string drive = DriveOfPath(f.tempFolder);
    if (f.tempFolderExists && !drive.empty()) f.tempDriveFreeBytes = GetDiskSpace(IncludeTrailingBackslash(drive)).free;
    // The drives (network ones among them) are asked only when the fallback
    // folder is to go on the roomiest of them.
    if (!KeepsTempFolder(f)) f.drives = GetDriveFacts();
    f.windowsDrive = GetWindowsDrive();
    f.roamingDataFolder = GetRoamingDataFolder();
    return f;
}

TStartupFolders WorkOutStartupFolders() {
    TStartupFolders s = DecideStartupFolders(GatherStartupFacts());
    if (s.tempFolderIsFallback && !FolderExists(s.tempFolder)) {
        ForceFolder(s.tempFolder);
        s.tempFolderCreated = FolderExists(s.tempFolder);
    }
    return s;
}

}  // namespace vd
