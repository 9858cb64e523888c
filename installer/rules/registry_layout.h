// What the installation writes to the registry, as data: the keys of the
// App Paths entry and of the start page, and the rows of one file-type
// association, of the URL protocol and of the Programs and Features entry.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// HKEY_LOCAL_MACHINE: the App Paths folder and the player's entry in it,
// whose default value is the player's full path.
inline constexpr const char* kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
inline constexpr const char* kPlayerAppPathKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\ZarIrovid.exe";
inline constexpr const char* kPlayerAppPathSubKey = "ZarIrovid.exe";

// HKEY_LOCAL_MACHINE: the folder of the Programs and Features entries and
// the player's entry in it.
inline constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline constexpr const char* kPlayerUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZarIrovid";
inline constexpr const char* kPlayerUninstallSubKey = "ZarIrovid";
// The version the entry shows.
inline constexpr const char* kPlayerVersion = "2010";

// HKEY_CURRENT_USER: the browser's start page.
inline constexpr const char* kStartPageKey = "SoftWare\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char* kStartPageValue = "Start Page";

// HKEY_CLASSES_ROOT: the player's URL protocol.
inline constexpr const char* kUrlProtocolKey = "davuroz";
inline constexpr const char* kUrlProtocolValue = "URL Protocol";

// The verb text of an association's open command.
inline constexpr const char* kOpenVerbText = "用 Vadode播放器 播放";

// One key under a root; when writeValue is set, one value of it: a string,
// or a 32-bit number when isNumber is set.
struct TRegRow {
    std::string key;
    bool writeValue = true;
    std::string valueName;  // empty: the default value
    std::string data;
    bool isNumber = false;
    uint32_t number = 0;
};

// The command that opens a file or link with the player: the player's path
// and the argument each in quotation marks ("C:\P\ZarIrovid.exe" "%1"), so
// that neither a blank in the path nor one in the argument splits them.
std::string PlayerOpenCommand(std::string_view player);

// The rows of one association under HKEY_CLASSES_ROOT, in the order they are
// written: the extension names the ProgID; the ProgID carries the
// description, its icon, the "Open" verb and the open command.
std::vector<TRegRow> FileTypeRows(std::string_view extension, std::string_view player, std::string_view progId,
                                  std::string_view iconPath, std::string_view description);

// The rows of the URL protocol under HKEY_CLASSES_ROOT, in order: "davuroz"
// with "URL Protocol", the "shell" key without a value, "shell\open" with an
// empty default value, and "shell\open\command" with the open command.
std::vector<TRegRow> UrlProtocolRows(std::string_view player);

// The rows of the Programs and Features entry under HKEY_LOCAL_MACHINE, all
// in the player's key: its name, version and icon (the player), the install
// folder, the quoted uninstaller, the size in KiB, and neither a change nor
// a repair offered.
std::vector<TRegRow> UninstallEntryRows(std::string_view installDir, uint32_t estimatedSizeKiB);

}  // namespace vd
