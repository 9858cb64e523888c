// Stand-in for the player's uninstaller, UnInstall.exe: appends its command
// line to UnInstall.log beside it, then removes what an installation left:
// the player's files (from the package tables, in the folders either Windows
// generation puts them), the shortcuts, the App Paths and Programs and
// Features entries, the player's file associations and its URL protocol.
// Folders left empty go as well; the program folder keeps the logs. No
// window is shown.
#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "installer/rules/file_type_tree.h"
#include "installer/rules/player_files.h"
#include "installer/rules/registry_layout.h"
#include "tools/standins/standin_common.h"

namespace {

using namespace vd::standin;

struct TPath {
    wchar_t text[kPathChars];
};

TPath ShellFolder(int csidl) {
    TPath p;
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, p.text))) p.text[0] = L'\0';
    WithBackslash(p.text, kPathChars);
    return p;
}

// folder + part (UTF-8); empty when folder is empty.
TPath Join(const TPath& folder, const char* part) {
    TPath p = folder;
    if (p.text[0]) AppendUtf8(p.text, part, kPathChars);
    return p;
}

// Where the player's files lie for one profile layout.
struct TLayout {
    TPath install, profiles, userData;
};

TPath FolderOf(const TLayout& l, vd::TTargetFolder f) {
    switch (f) {
        case vd::tfInstall: return l.install;
        case vd::tfProfiles: return l.profiles;
        case vd::tfCodecs: return Join(l.profiles, vd::kCodecsSubFolder);
        case vd::tfIcons: return Join(l.userData, vd::kIconsSubFolder);
        case vd::tfSkin: return Join(l.userData, vd::kSkinSubFolder);
    }
    return TPath{};
}

void RemoveFiles(const TLayout& layout, const wchar_t* self) {
    for (const vd::TPlayerFile& file : vd::kPlayerFiles) {
        TPath path = Join(FolderOf(layout, file.folder), file.name);
        if (!path.text[0]) continue;
        if (lstrcmpiW(path.text, self) == 0) {
            // A running program cannot always remove itself: then at the next start.
            if (!DeleteFileW(path.text)) MoveFileExW(path.text, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
            continue;
        }
        DeleteFileW(path.text);
    }
    // Sub-folders before their parents; only empty ones go.
    const vd::TTargetFolder order[] = {vd::tfCodecs, vd::tfIcons, vd::tfSkin, vd::tfProfiles};
    for (vd::TTargetFolder f : order) {
        TPath folder = FolderOf(layout, f);
        if (folder.text[0]) RemoveDirectoryW(folder.text);
    }
    if (layout.userData.text[0]) RemoveDirectoryW(layout.userData.text);
}

// The extension of a tree item: the text before its first "-", blanks trimmed.
void ExtensionOf(const char* itemText, wchar_t* out, int capacity) {
    FromUtf8(itemText, out, capacity);
    int n = 0;
    while (out[n] && out[n] != L'-') ++n;
    while (n > 0 && out[n - 1] <= L' ') --n;
    out[n] = L'\0';
    int start = 0;
    while (out[start] && out[start] <= L' ') ++start;
    if (start > 0) lstrcpyW(out, out + start);
}

void RemoveAssociations() {
    for (const vd::TFileTypeNode& node : vd::kFileTypeTree) {
        if (node.parent < 0) continue;
        wchar_t ext[64], progId[96] = L"";
        ExtensionOf(node.text, ext, 64);
        AppendUtf8(progId, vd::kProgIdPrefix, 96);
        Append(progId, ext, 96);
        // The extension keeps an association that another program owns.
        HKEY key;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, ext, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            wchar_t value[96];
            DWORD size = sizeof(value) - sizeof(wchar_t), type = 0;
            if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                    ERROR_SUCCESS &&
                type == REG_SZ) {
                value[size / sizeof(wchar_t)] = L'\0';
                if (lstrcmpW(value, progId) == 0) RegDeleteValueW(key, nullptr);
            }
            RegCloseKey(key);
        }
        SHDeleteKeyW(HKEY_CLASSES_ROOT, progId);
    }
}

void DeleteKeyUtf8(HKEY root, const char* path) {
    wchar_t w[kPathChars];
    if (FromUtf8(path, w, kPathChars)) SHDeleteKeyW(root, w);
}

void RemoveShortcuts() {
    TPath roaming = ShellFolder(CSIDL_APPDATA);
    TPath documents = ShellFolder(CSIDL_PERSONAL);
    // The newer layout's desktop: beside the documents folder.
    TPath desktopNewer = documents;
    int n = lstrlenW(desktopNewer.text) - 1;
    while (n > 0 && desktopNewer.text[n - 1] != L'\\') --n;
    desktopNewer.text[n > 0 ? n : 0] = L'\0';
    if (desktopNewer.text[0]) Append(desktopNewer.text, L"Desktop\\", kPathChars);

    const TPath linkFolders[] = {ShellFolder(CSIDL_DESKTOPDIRECTORY), desktopNewer,
                                 Join(roaming, "Microsoft\\Internet Explorer\\Quick Launch\\"),
                                 Join(ShellFolder(CSIDL_COMMON_APPDATA), "Microsoft\\Windows\\Start Menu\\Programs\\")};
    for (const TPath& folder : linkFolders) {
        TPath link = Join(folder, vd::kPlayerLinkName);
        if (link.text[0]) DeleteFileW(link.text);
    }
    const TPath programMenus[] = {ShellFolder(CSIDL_PROGRAMS),
                                  Join(roaming, "Microsoft\\Windows\\Start Menu\\Programs\\")};
    for (const TPath& menu : programMenus) {
        TPath sub = Join(menu, vd::kProgramsSubFolder);
        if (!sub.text[0]) continue;
        TPath player = Join(sub, vd::kPlayerLinkName), uninstall = Join(sub, vd::kUninstallLinkName);
        DeleteFileW(player.text);
        DeleteFileW(uninstall.text);
        RemoveDirectoryW(sub.text);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    AppendLogLine(L"UnInstall.log", GetCommandLineW());

    wchar_t self[kPathChars];
    DWORD n = GetModuleFileNameW(nullptr, self, kPathChars);
    if (n == 0 || n >= static_cast<DWORD>(kPathChars)) return 1;
    TPath install;
    OwnFolder(install.text, kPathChars);
    TPath roamingPlayer = Join(ShellFolder(CSIDL_APPDATA), "ZarIrovid\\");

    // Older Windows keeps the data under the program folder, newer under the
    // roaming data folder; whichever holds the files loses them.
    const TLayout older = {install, Join(install, "profiles\\"), Join(install, "userdata\\")};
    const TLayout newer = {install, Join(ShellFolder(CSIDL_APPDATA), vd::kRoamingProfilesSubPath),
                           Join(ShellFolder(CSIDL_APPDATA), vd::kRoamingUserDataSubPath)};
    RemoveFiles(older, self);
    RemoveFiles(newer, self);
    if (roamingPlayer.text[0]) RemoveDirectoryW(roamingPlayer.text);

    RemoveShortcuts();
    DeleteKeyUtf8(HKEY_LOCAL_MACHINE, vd::kPlayerAppPathKey);
    DeleteKeyUtf8(HKEY_LOCAL_MACHINE, vd::kPlayerUninstallKey);
    RemoveAssociations();
    DeleteKeyUtf8(HKEY_CLASSES_ROOT, vd::kUrlProtocolKey);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    return 0;
}
