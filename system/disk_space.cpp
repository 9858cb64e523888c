#include "system/disk_space.h"

#include <windows.h>

#include "core/text.h"
#include "core/folder_layout.h"
#include "system/folders.h"
#include "core/wide.h"

namespace vd {

std::vector<std::string> GetDriveList() {
    std::vector<std::string> drives;
    DWORD need = GetLogicalDriveStringsW(0, nullptr);
    if (need == 0) return drives;
    std::wstring buf(need + 1, L'\0');
    DWORD got = GetLogicalDriveStringsW(static_cast<DWORD>(buf.size()), &buf[0]);
    if (got == 0 || got > buf.size()) return drives;
    const wchar_t* p = buf.c_str();
    while (*p) {
        std::wstring root(p);
        drives.push_back(Narrow(root));
        p += root.size() + 1;
    }
    return drives;
}

std::vector<TDriveFacts> GetDriveFacts() {
    std::vector<TDriveFacts> facts;
    for (const std::string& root : GetDriveList()) {
        TDriveFacts f;
        f.root = root;
        f.kind = static_cast<TDriveKind>(GetDriveTypeW(Wide(root).c_str()));
        if (IsFixedDriveKind(f.kind)) f.freeBytes = GetDiskSpace(root).free;
        facts.push_back(f);
    }
    return facts;
}

std::vector<std::string> GetFixedDriveList() {
    std::vector<std::string> fixed;
    for (const std::string& root : GetDriveList())
        if (IsFixedDriveKind(static_cast<TDriveKind>(GetDriveTypeW(Wide(root).c_str())))) fixed.push_back(root);
    return fixed;
}

TDiskSpace GetDiskSpace(std::string_view path) {
    TDiskSpace s;
    if (path.empty()) return s;
    ULARGE_INTEGER avail, total, free;
    // No "insert a disk" box for an empty drive: the query just fails.
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    BOOL ok = GetDiskFreeSpaceExW(Wide(path).c_str(), &avail, &total, &free);
    SetErrorMode(old);
    if (!ok) return s;
    s.total = total.QuadPart;
    s.free = free.QuadPart;
    return s;
}

int64_t GetDiskFreeSpaceIn(std::string_view path, int unit) {
    return ScaleFreeSpace(GetDiskSpace(path).free, unit);
}

std::string GetLargestDrive(bool excludeSystem) {
    return ChooseLargestDrive(GetDriveFacts(), excludeSystem, GetWindowsDrive());
}

std::string GetFreeSpaceText(std::string_view path) {
    std::string drive = DriveOfPath(path);
    uint64_t free = drive.empty() ? 0 : GetDiskSpace(IncludeTrailingBackslash(drive)).free;
    return FreeSpaceText(free);
}

}  // namespace vd
