#include "system/startup_facts.h"

#include <windows.h>

#include "core/text.h"
#include "installer/rules/folder_layout.h"
#include "system/disk_space.h"
#include "system/folders.h"

namespace vd {

int GetWindowsMajorVersion() {
    // RtlGetVersion reports the true version whatever the manifest says.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto fn = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                          reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                    : nullptr;
    OSVERSIONINFOW vi = {};
    vi.dwOSVersionInfoSize = sizeof(vi);
    if (fn && fn(&vi) == 0) return static_cast<int>(vi.dwMajorVersion);
    vi.dwOSVersionInfoSize = sizeof(vi);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&vi)) return static_cast<int>(vi.dwMajorVersion);
#pragma GCC diagnostic pop
    return 0;
}

bool IsWindowsVista() { return IsNewerLayout(GetWindowsMajorVersion()); }

TStartupFacts GatherStartupFacts() {
    TStartupFacts f;
    f.windowsMajorVersion = GetWindowsMajorVersion();
    bool newer = IsNewerLayout(f.windowsMajorVersion);
    f.programFilesFolder = GetProgramFilesFolder();
    f.tempFolder = GetTempFolder(newer);
    f.tempFolderExists = FolderExists(f.tempFolder);
    std::string drive = DriveOfPath(f.tempFolder);
    f.tempDriveFreeBytes = drive.empty() ? 0 : GetDiskSpace(IncludeTrailingBackslash(drive)).free;
    f.drives = GetDriveFacts();
    f.windowsDrive = GetWindowsDrive();
    f.roamingDataFolder = GetRoamingDataFolder();
    return f;
}

TStartupFolders WorkOutStartupFolders() {
    TStartupFolders s = DecideStartupFolders(GatherStartupFacts());
    if (s.tempFolderIsFallback && !FolderExists(s.tempFolder)) ForceFolder(s.tempFolder);
    return s;
}

}  // namespace vd
