#include "system/folders.h"

#include <shlobj.h>

#include "core/text.h"
#include "core/folder_layout.h"
#include "system/registry.h"
#include "core/wide.h"

namespace vd {

std::string GetShellFolderPath(int csidl, bool create) {
    wchar_t buf[MAX_PATH + 1] = {};
    int id = csidl | (create ? CSIDL_FLAG_CREATE : 0);
    if (FAILED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, buf))) return std::string();
    return WithTrailingBackslash(NarrowZ(buf, MAX_PATH));
}

std::string GetSpecialFolderPath(int csidl) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return std::string();
    wchar_t buf[MAX_PATH + 1] = {};
    std::string path;
    if (SHGetPathFromIDListW(pidl, buf)) path = NarrowZ(buf, MAX_PATH);
    CoTaskMemFree(pidl);
    return path;
}

std::string GetWindowsFolder() {
    wchar_t buf[MAX_PATH] = {};
    UINT n = GetWindowsDirectoryW(buf, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return WithTrailingBackslash(Narrow(std::wstring_view(buf, n)));
}

std::string GetWindowsDrive() { return GetWindowsFolder().substr(0, 3); }

std::string GetProgramFilesFolder() {
    return WithTrailingBackslash(
        ReadRegString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", ""));
}

std::string GetRoamingDataFolder() { return GetShellFolderPath(sfAppData, false); }

std::string GetProgramsMenuFolder(bool newerLayout) {
    if (newerLayout) {
        std::string roaming = GetShellFolderPath(sfAppData, false);
        return roaming.empty() ? std::string() : ProgramsMenuFromRoaming(roaming);
    }
    return WithTrailingBackslash(ReadRegString(HKEY_CURRENT_USER,
                                               "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                               "Programs", ""));
}

std::string GetStartMenuFolder(bool newerLayout) {
    if (newerLayout) {
        std::string common = GetShellFolderPath(sfCommonAppData, false);
        return common.empty() ? std::string() : CommonProgramsMenuFromCommonData(common);
    }
    return WithTrailingBackslash(GetSpecialFolderPath(sfStartMenu));
}

std::string GetDesktopFolder(bool newerLayout) {
    if (newerLayout) {
        std::string documents = GetShellFolderPath(sfPersonal, false);
        return GetParentFolder(documents).empty() ? std::string() : DesktopFromDocuments(documents);
    }
    return WithTrailingBackslash(GetSpecialFolderPath(sfDesktop));
}

std::string GetQuickLaunchFolder() {
    std::string roaming = GetSpecialFolderPath(sfAppData);
    return roaming.empty() ? std::string() : QuickLaunchFromRoaming(roaming);
}

std::string GetTempFolder(bool newerLayout) {
    if (newerLayout) {
        std::string local = GetShellFolderPath(sfLocalAppData, false);
        return local.empty() ? std::string() : TempFromLocalData(local);
    }
    std::string startMenu = GetStartMenuFolder(false);
    return GetParentFolder(startMenu).empty() ? std::string() : TempFromStartMenu(startMenu);
}

bool FolderExists(std::string_view path) {
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void ForceFolder(std::string_view path, std::vector<std::string>* made) {
    std::string dir = ExcludeTrailingBackslash(path);
    if (dir.empty() || FolderExists(dir)) return;
    std::string parent = ExcludeTrailingBackslash(ExtractFilePath(dir));
    // "C:" and "\\server" have no parent to create.
    if (!parent.empty() && parent != dir && parent.back() != ':') ForceFolder(parent, made);
    if (CreateDirectoryW(Wide(dir).c_str(), nullptr) && made) made->push_back(dir);
}

}  // namespace vd
